// The options window: language, order of the cellar, welcome box, print preview, printer.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

class TOptions : public QDialog {
    Q_OBJECT
public:
    explicit TOptions(QWidget* parent = nullptr);

    // OK: re-sorts the cellar when the order changed, then stores every choice.
    void BitBtn1Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    QGroupBox* RadioGroup(const char* name, int items, QButtonGroup*& group);
    void retranslateUi();

    QGroupBox* Liste_langue;
    QGroupBox* Liste_tri;
    QGroupBox* preview_option;
    QButtonGroup* langue_;
    QButtonGroup* tri_;
    QButtonGroup* preview_;
    QCheckBox* Select_debut;
    QToolButton* BitBtn4;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QLabel* Image1;
};
