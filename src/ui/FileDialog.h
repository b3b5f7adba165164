// Open and save dialogs with a default extension and a help topic. Like every box that waits
// for a person they are answered by the test recorder while one lives.
#pragma once

#include <QString>

namespace ui {

struct FileRequest {
    QString title;
    QString filter;        // Qt form: "Text file (*.txt);;All (*)"
    QString defaultSuffix; // added to a name typed without extension
    QString proposed;      // the folder or file offered first
    int helpTopic = 0;
};

// The chosen file with its full path; empty when the person cancels. The save dialog asks
// nothing itself when the file exists: the caller does.
QString AskOpenFile(const FileRequest& request);
QString AskSaveFile(const FileRequest& request);

} // namespace ui
