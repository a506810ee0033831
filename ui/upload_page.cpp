#include "ui/upload_page.h"

#include <QCoreApplication>
#include <QDir>

namespace zapt::ui {

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
    QString dir = qEnvironmentVariable("ZAPT_MODULE_DIR");
    if (dir.isEmpty()) dir = QCoreApplication::applicationDirPath();
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->start(QDir(dir).filePath("zapt-upload"), {});
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
