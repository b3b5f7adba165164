// The about box: version, memory figures, the wine of the day, and the start-up choice.
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace shell {

struct MemoryStatus {
    qint64 totalKilobytes = 0; // physical memory
    int loadPercent = 0;       // share of it in use
};
// Read from the platform; zeros when it does not say.
MemoryStatus ReadMemoryStatus();

} // namespace shell

class TProposBox : public QDialog {
    Q_OBJECT
public:
    explicit TProposBox(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void BitBtn1Click();

    QLabel* versionNumber_;
    QLabel* physMemLabel_;
    QLabel* physMem_;
    QLabel* freeResLabel_;
    QLabel* freeRes_;
    QLabel* wineLabel_;
    QPlainTextEdit* vinJour_;
    QCheckBox* afficheDebut_;
    QPushButton* bitBtn1_;
    QPushButton* bitBtn2_;
    shell::MemoryStatus memory_;
};
