// zapt-upload: the upload page in a process of its own. The program starts it
// when the page is first asked for and writes "raise" on its input to bring it
// to the front; when the input ends (the program has ended) it closes.
#include "ui/info_windows.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QSocketNotifier>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setFont(zapt::ui::dialog_font());
    QWidget* page = zapt::ui::createUploadWindow();
    if (!page) return 1;
    QObject::connect(page, &QObject::destroyed, &app, &QCoreApplication::quit);
    page->show();

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buf[256];
        ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            input.setEnabled(false);
            page->close();
            return;
        }
        pending.append(buf, n);
        for (int at = pending.indexOf('\n'); at >= 0; at = pending.indexOf('\n')) {
            if (pending.left(at).trimmed() == "raise") {
                page->show();
                page->raise();
                page->activateWindow();
            }
            pending.remove(0, at + 1);
        }
    });
    return app.exec();
}
