#include "ui/upload/upload_window.h"

#include "ui/twips.h"

#include <QString>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWidget>

extern "C" Q_DECL_EXPORT QWidget* zapt_create_upload_window(const char* url, const char* title) {
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName("Form9");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString::fromUtf8(title));
    window->resize(zapt::ui::tw(16380), zapt::ui::tw(9720));

    // The browser is the window's only control. A margin-free layout keeps it
    // at the top-left corner and as large as the window whenever that is resized.
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* browser = new QWebEngineView(window);
    browser->setObjectName("WB1");
    layout->addWidget(browser);

    // The page's text in a proper sans-serif face: on a bare system the generic
    // "sans-serif" may resolve to a monospace font.
    QWebEngineSettings* settings = browser->settings();
    for (auto family : {QWebEngineSettings::StandardFont, QWebEngineSettings::SansSerifFont})
        settings->setFontFamily(family, QStringLiteral("Liberation Sans"));
    settings->setFontFamily(QWebEngineSettings::SerifFont, QStringLiteral("Liberation Serif"));
    browser->setUrl(QUrl(QString::fromUtf8(url)));
    return window;
}
