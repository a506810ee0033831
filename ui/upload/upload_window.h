// The upload page window (Form9): a web browser filling the window, showing the
// page of the corpus web site where donors deposit their texts.
//
// It lives in the module libzapt_upload.so so that the main program never links
// the web engine; the program loads the module the first time the page is asked
// for and calls the C entry point below.
#pragma once

#include <QtGlobal>

class QWidget;

// Name of the entry point, for QLibrary::resolve().
#define ZAPT_UPLOAD_ENTRY_POINT "zapt_create_upload_window"

// Builds the upload window (hidden, deleted on close) with the given caption
// and navigates its browser to `url`. Both strings are UTF-8.
extern "C" Q_DECL_EXPORT QWidget* zapt_create_upload_window(const char* url, const char* title);

// The entry point's type, for the loader.
using ZaptCreateUploadWindow = QWidget* (*)(const char* url, const char* title);
