#include "ui/program.h"

#include "ui/info_windows.h"
#include "ui/main_window.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace zapt::ui {
namespace {

// Quits the application after the first paint of the watched window.
class QuitAfterPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

} // namespace

int run_program(int argc, char** argv, const StartupOptions& options) {
    // The upload page's web engine, loaded later, needs shared GL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setFont(dialog_font());
    DataSet data;
    try {
        data = load_builtin_data();
    } catch (const DataError& e) {
        QMessageBox::critical(nullptr, "ZAPT", QString::fromStdString(e.what()));
        return 1;
    }
    if (options.loadWebEngineFirst) delete createUploadWindow();
    MainWindow window(data);
    QuitAfterPaint quitter;
    if (options.quitWhenShown) window.installEventFilter(&quitter);
    window.show();
    return app.exec();
}

} // namespace zapt::ui
