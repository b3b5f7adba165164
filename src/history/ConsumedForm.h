// The form shared by the two windows of one consumption entry (editing an entry, a wine
// drunk elsewhere): the wine's identity, its purchase, and the drinking itself.
#pragma once

#include <QDialog>

#include <vector>

#include "store/Records.h"
#include "ui/ShownFields.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace history {

class ConsumedForm : public QDialog {
    Q_OBJECT
protected:
    // `context` is the window's class name.
    ConsumedForm(const char* context, QWidget* parent);

    // The form's own texts: both windows show them as the drunk-elsewhere window has them.
    QString text(const char* source) const;
    void changeEvent(QEvent* event) override;
    virtual void retranslateUi();

    // Everything but the identity (colour, region, appellation, domaine, vintage), as the
    // screen shows it; false, after a warning, when a text holds a character the data files
    // cannot store.
    bool readDrinking(store::ConsumedWine& entry) const;
    // Fills the mark list (with its fixed last entry) and the bottle format list.
    void fillMarksAndFormats();

    const char* context_;
    // The fields of a loaded entry as the controls showed them (the edit window remembers them).
    ui::ShownFields<store::ConsumedWine> shown_;
    QComboBox* Liste_coul;
    QComboBox* Liste_region;
    QComboBox* Liste_appel;
    QComboBox* Liste_domaine;
    QLineEdit* millesime;
    QLineEdit* Prop;
    QLineEdit* Rem_vin;
    QComboBox* Appreciation;
    QComboBox* formatb;
    QLineEdit* lieu;
    QLineEdit* dateachat;
    QLineEdit* prix;
    QLineEdit* qte_conso;
    QLineEdit* date_conso;
    QLineEdit* comment_conso;
    QLineEdit* invites;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QHBoxLayout* buttonRow_; // window buttons go before OK, a check box at its start

private:
    void prixExit();
    bool eventFilter(QObject* watched, QEvent* event) override;

    struct Labelled {
        QLabel* label;
        const char* caption;
    };
    std::vector<Labelled> labels_;
};

} // namespace history
