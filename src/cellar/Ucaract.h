// What the reference bases say about one appellation: serving temperature, keeping period,
// dishes, and the marks of its vintages with the wine's own vintage picked out.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class TVinForm : public QDialog {
    Q_OBJECT
public:
    // Shows cellar::State().selectedAppellation.
    explicit TVinForm(QWidget* parent = nullptr);

    void BitBtn4Click(); // prints the appellation sheet

    // The rank of a course in the dish list: starters 1, main courses 2, cheeses 3, desserts 4,
    // anything else with the starters.
    static int CourseRank(const QString& course);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void fill();

    QComboBox* Liste_coul;
    QComboBox* Liste_region;
    QComboBox* Liste_appel;
    QLineEdit* Temperature;
    QLineEdit* Garde;
    QTreeWidget* liste_plats;
    QTreeWidget* liste_annee;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QLabel* labels_[7];
};
