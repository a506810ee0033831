// The upload page runs in a process of its own (zapt-upload): the web engine
// then costs nothing until the page is first asked for, its GL set-up never
// slows the program's start-up, and a failure of the engine cannot take the
// program down with it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>

namespace zapt::ui {

// The zapt-upload program the page runs in: in the folder ZAPT_MODULE_DIR
// names, else beside the running program (a build folder), else in the
// installed helpers' folder.
QString uploadProgramPath();

class UploadPage : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~UploadPage() override;

    // Opens the page, or brings the open page to the front.
    void open();
    // Whether the page's process is running.
    bool isOpen() const;
    // Closes the page (the program is ending).
    void close();
    // How many times a new page process was started.
    int starts() const { return starts_; }

private:
    QPointer<QProcess> process_;
    int starts_ = 0;
};

} // namespace zapt::ui
