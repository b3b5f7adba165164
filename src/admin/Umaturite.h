// The maturity table: after how many years a colour of a region reaches its peak. The rows
// are edited in the window and written whole by OK.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace admin {
class UpDown;
}

class TMaturite : public QDialog {
    Q_OBJECT
public:
    explicit TMaturite(QWidget* parent = nullptr);

    void liste_couleurChange();
    void liste_regionChange();
    void liste_matureClick(QTreeWidgetItem* item);
    void ajouteClick();
    void BitBtn1Click();

    // "5 Ans", "1 An", "3 Years": the years as typed or read, and the unit word of the data
    // language, plural above 1.
    static QString MaturityText(const QString& years);
    // The number of a row: the text before the first blank of its maturity.
    static QString RowNumber(const QString& maturity);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslateUi();
    void FormCreate();
    void choiceChanged(QComboBox* other);
    void setYears(const QString& years);
    void sortRows();
    void addRow(const QString& colour, const QString& region, const QString& maturity);

    QComboBox* liste_couleur;
    QComboBox* liste_region;
    QLineEdit* mature;
    admin::UpDown* UpDown1;
    QPushButton* ajoute;
    QTreeWidget* liste_mature;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QLabel* labels_[5];
};
