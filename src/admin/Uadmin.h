// The administration of appellations: serving temperature, keeping period, dishes and vintage
// marks of one appellation at a time, saved with OK (the window stays open for the next one), or
// the appellation deleted in one colour.
#pragma once

#include <QDialog>
#include <QStringList>

#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

class Tadminbase : public QDialog {
    Q_OBJECT
public:
    explicit Tadminbase(QWidget* parent = nullptr);

    void Liste_coulChange();
    void Liste_regionChange();
    void Liste_appelChange();
    void select_touteappelClick();
    void select_platClick();
    void Ajout_platClick();
    void supprime_platClick();
    void ajoute_anneeClick();
    void supprime_anneeClick();
    void liste_anneeClick(QTreeWidgetItem* item);
    void BitBtn1Click();
    void BitBtn6Click();

    // The rank of a dish type in the dish list: starters 1, main courses 2, cheeses 3,
    // desserts 4, anything else with the starters.
    static int CourseRank(const QString& course);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void FormCreate();
    void Rempli_combo();
    void rempli_appel();
    void cherche_plat();
    void allAppellations();
    void clearDetails();
    void sortDishes();
    void sortVintages();
    QString chosen(QComboBox* box) const;
    bool appellationChosenFromList() const;
    QString courseText() const;

    QComboBox* Liste_coul;
    QComboBox* Liste_region;
    QComboBox* Liste_appel;
    QCheckBox* select_touteappel;
    QComboBox* liste_des_plats;
    QGroupBox* select_plat;
    QButtonGroup* courses_;
    std::array<QRadioButton*, 4> courseButtons_;
    QPushButton* Ajout_plat;
    QPushButton* supprime_plat;
    QTreeWidget* liste_plats;
    QLineEdit* millesime;
    QLineEdit* note;
    QLabel* outOf20_;
    QPushButton* ajoute_annee;
    QPushButton* supprime_annee;
    QTreeWidget* liste_annee;
    QLineEdit* Temperature;
    QLineEdit* Garde;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn6;
    QGroupBox* dishesBox_;
    QGroupBox* vintagesBox_;
    std::vector<QLabel*> labels_;

    std::vector<std::string> AppellationIndex;
    std::array<QStringList, 4> dishVocabularies_;
    // What the load showed, so that a value left as it was keeps its stored bytes.
    std::string loadedKey_;
    QString loadedTemperature_;
    QString loadedKeeping_;
};
