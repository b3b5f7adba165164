// Food and wine pairing: the dishes of the ticked courses, the appellations that suit the
// chosen dish with their serving temperature, and the printed answer.
#pragma once

#include <QDialog>

#include <array>

#include "advice/Pairing.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTreeWidget;

class TChoixplat : public QDialog {
    Q_OBJECT
public:
    explicit TChoixplat(QWidget* parent = nullptr);

    void select_Click();     // a course ticked or unticked
    void Liste_platsClick(); // a dish chosen, or the cellar filter changed
    void liste_vinsClick();  // a wine row chosen
    void BitBtn2Click();     // prints

    const advice::DishLists& dishLists() const { return dishes_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    std::array<QCheckBox*, advice::kCourses> courses_;
    QListWidget* Liste_plats;
    QTreeWidget* liste_vins;
    QLineEdit* temperature;
    QGroupBox* select_cave;
    QRadioButton* allWines_;
    QRadioButton* cellarWines_;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;
    QLabel* dishesLabel_;
    QLabel* winesLabel_;
    QLabel* temperatureLabel_;

    advice::DishLists dishes_;
};
