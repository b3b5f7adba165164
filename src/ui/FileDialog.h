// Open and save dialogs with a default extension and a help topic. Like every box that waits
// for a person they are answered by the test recorder while one lives.
#pragma once

#include <QString>

class QFileDialog;

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

// Qt's own file list writes sizes in the system's language: the dialog's follow the program's
// (the default locale) instead. For Qt's dialog only; a system dialog keeps its own.
void ShowSizesInProgramLanguage(QFileDialog& dialog);

} // namespace ui
