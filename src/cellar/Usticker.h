// Bottle labels: the label count window and the label report, identical labels of one wine,
// two columns of two on each page.
#pragma once

#include <QDialog>

#include "store/Records.h"
#include "ui/Report.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace cellar {

inline constexpr int kMaxLabels = 80;

// labelCount identical labels of the wine.
ui::Report LabelReport(const store::CellarWine& wine, int labelCount);

// The labels of cellar::State().labelWine, previewed or printed as the Preview setting says.
bool PrintLabels(int labelCount);

} // namespace cellar

// How many labels to print for cellar::State().labelWine; OK prints them and closes.
class TStickerform : public QDialog {
    Q_OBJECT
public:
    // The count starts at the quantity of the wine, held within 1 to 80.
    explicit TStickerform(QWidget* parent = nullptr);

    void setLabelCount(long count);
    void BitBtn1Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QLabel* countLabel_;
    QSpinBox* nb_sticker;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};
