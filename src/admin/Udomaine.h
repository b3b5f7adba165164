// The domaine base: for a region and an appellation, the domaines that make it and their
// owners. Adding and removing write the base at once.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Tdomaine_form : public QDialog {
    Q_OBJECT
public:
    explicit Tdomaine_form(QWidget* parent = nullptr);

    void Liste_domaineChange();
    void Liste_regionChange();
    void Liste_appelChange();
    void select_touteappelClick();
    void BitBtn4Click();
    void BitBtn2Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void FormCreate();
    void rempli_appel();
    void fillAllAppellations();
    void fillAppellations(const QStringList& names);
    // The appellation chosen from the list, or empty for a typed or no appellation.
    QString chosenAppellation() const;
    // The domaine, region and appellation of adding and removing, padded; false after the
    // warning of the first one missing.
    bool readKey(std::string& domaine, std::string& region, std::string& appellation);

    QComboBox* Liste_domaine;
    QLineEdit* Prop;
    QComboBox* Liste_region;
    QComboBox* Liste_appel;
    QCheckBox* select_touteappel;
    QPushButton* BitBtn4;
    QPushButton* BitBtn2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;
    QLabel* labels_[4];
    std::vector<std::string> AppellationIndex;
};
