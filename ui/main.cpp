// ZAPT: explores a corpus of British-English text messages.
#include "ui/main_window.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv) {
    // The upload page's web engine, loaded later, needs shared GL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setFont(zapt::ui::dialog_font());
    zapt::DataSet data;
    try {
        data = zapt::load_builtin_data();
    } catch (const zapt::DataError& e) {
        QMessageBox::critical(nullptr, "ZAPT", QString::fromStdString(e.what()));
        return 1;
    }
    zapt::ui::MainWindow window(data);
    window.show();
    return app.exec();
}
