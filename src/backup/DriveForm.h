// What the backup and restore windows share: the choice of the volume, the date of the last
// backup, the gauge, and the OK, Cancel and help buttons.
#pragma once

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace backup {

class DriveForm : public QDialog {
    Q_OBJECT
public:
    // The texts of both windows, in the context of the window's class.
    struct Texts {
        const char* caption;
        const char* gaugeHint;
        const char* okHint;
        const char* cancelHint;
        const char* dataDirectoryRefused;
    };

    DriveForm(QWidget* parent, const char* className, int helpTopic, Texts texts,
              QString settingsPath);

    // The folder of the chosen volume, as the file system names it; empty when none is chosen.
    std::string chosenFolder() const;
    const std::string& settingsPath() const { return settingsPath_; }

protected:
    void changeEvent(QEvent* event) override;
    // Runs the operation on the chosen folder and closes the window, unless the person is to
    // choose again.
    virtual void run(const std::string& folder) = 0;
    void setProgress(int step);
    // One of the window's own texts, in the context of its class.
    QString translated(const char* text) const;

private:
    void retranslateUi();
    void showLastSave();
    void LecteurActivated(int index);
    void BitBtn1Click();
    int otherFolderIndex() const;

    const char* className_;
    Texts texts_;
    std::string settingsPath_;
    std::string lastSave_;
    int previousIndex_ = -1;

    QLabel* lecteurLabel_;
    QComboBox* Lecteur;
    QLabel* lastSaveLabel_;
    QLineEdit* Last_save;
    QProgressBar* Avance;
    QLabel* Label1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
};

} // namespace backup
