#include "ui/upload_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The folder of the helper programs relative to the folder of the installed
// programs (e.g. "../libexec/zapt"), set by the build from the install layout.
#ifndef ZAPT_HELPER_DIR
#define ZAPT_HELPER_DIR "."
#endif

namespace zapt::ui {

QString uploadProgramPath() {
    const QString name = QStringLiteral("zapt-upload");
    const QString named = qEnvironmentVariable("ZAPT_MODULE_DIR");
    if (!named.isEmpty()) return QDir(named).filePath(name);
    // In a build folder the helper lies beside the program; once installed, it
    // lies in the helpers' folder, which is not on the PATH.
    const QDir own(QCoreApplication::applicationDirPath());
    const QString beside = own.filePath(name);
    if (QFileInfo(beside).isExecutable()) return beside;
    return QDir::cleanPath(own.filePath(QStringLiteral(ZAPT_HELPER_DIR "/") + name));
}

UploadPage::~UploadPage() {
    close();
}

bool UploadPage::isOpen() const {
    return process_ && process_->state() != QProcess::NotRunning;
}

void UploadPage::open() {
    if (isOpen()) {
        process_->write("raise\n");
        return;
    }
    if (process_) process_->deleteLater();
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString program = uploadProgramPath();
    // A helper that is missing or broken leaves the page closed; say why.
    connect(process_, &QProcess::errorOccurred, this, [program](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            qWarning("The upload page could not be started: %s is missing or not executable",
                     qPrintable(program));
    });
    process_->start(program, {});
    ++starts_;
}

void UploadPage::close() {
    if (!isOpen()) return;
    // The page closes itself when its input ends; a page that hangs is stopped.
    process_->closeWriteChannel();
    if (!process_->waitForFinished(2000)) {
        process_->kill();
        process_->waitForFinished(1000);
    }
}

} // namespace zapt::ui
