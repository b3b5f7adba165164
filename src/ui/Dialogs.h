// The boxes and dialogs that wait for a person. Each goes through one function here, so a
// test can answer it in advance (testing::Recorder) and read what would have been shown.
#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace store {
class IoError;
}

namespace ui {

// Warning box with one OK button: message `number` of the language in use, or `text` when
// the number is 0.
void ShowMessageNumber(const QString& text, int number);

// Question with Yes and No buttons; true for Yes.
bool AskYesNo(const QString& text, const QString& title = {});

// File dialogs; an empty name when the person cancels.
QString AskOpenFileName(const QString& title, const QString& filter, const QString& directory = {});
QString AskSaveFileName(const QString& title, const QString& filter, const QString& directory = {});

// The text of an input/output error in the language in use, and the error box showing it.
QString IoErrorText(const store::IoError& error);
void ShowIoError(const store::IoError& error);
// The error box with a text of its own, for a failure that is no input/output error.
void ShowErrorText(const QString& text);

// Shows a window modally and returns its result.
int ExecModal(QDialog& dialog);

// The window that boxes belong to: the modal window in front, else the active window.
QWidget* DialogParent();

namespace testing {

enum class BoxKind { Warning, Question, Error, OpenFile, SaveFile, Modal, Help, Refusal };

struct Box {
    BoxKind kind;
    QString title;
    QString text;   // shown text; Modal: the window's class; Help: the page, or "search"
    int number = 0; // the message number of a warning, the topic of a help request
    QString proposed = {}; // file dialogs: the folder or file name offered first
};

// While a recorder lives nothing waits for a person: each box is recorded and answered from
// the queues (an empty queue answers No, no file name, or a rejected window).
class Recorder {
public:
    Recorder();
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void queueYesNo(bool yes) { yesNo_.push_back(yes); }
    void queueFileName(const QString& name) { fileNames_.push_back(name); }
    // The handler may work the window's controls before it returns the result.
    void queueModal(std::function<int(QDialog&)> handler) { modals_.push_back(std::move(handler)); }

    const std::vector<Box>& boxes() const { return boxes_; }
    std::vector<Box> boxesOf(BoxKind kind) const;
    void clear() { boxes_.clear(); }

    // Used by the services.
    void record(Box box) { boxes_.push_back(std::move(box)); }
    bool nextYesNo();
    QString nextFileName();
    int runModal(QDialog& dialog);

private:
    std::vector<Box> boxes_;
    std::deque<bool> yesNo_;
    std::deque<QString> fileNames_;
    std::deque<std::function<int(QDialog&)>> modals_;
};

// The recorder in use, or null.
Recorder* ActiveRecorder();

} // namespace testing

} // namespace ui
