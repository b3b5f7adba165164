// A wine drunk without coming out of the cellar (at a restaurant, at friends'): one new entry
// of the consumption history, described with the identity lists of the wine entry.
#pragma once

#include "history/ConsumedForm.h"

class QCheckBox;

namespace cellar {
class IdentityCascade;
}

class TRestoForm : public history::ConsumedForm {
    Q_OBJECT
public:
    explicit TRestoForm(QWidget* parent = nullptr);

    // Reads, checks and records the entry; the window closes once it is written.
    void BitBtn1Click();

protected:
    void retranslateUi() override;

private:
    // The entry on the screen; false, after a warning, when a text cannot be stored.
    bool readScreen(store::ConsumedWine& entry) const;

    cellar::IdentityCascade* cascade_;
    QCheckBox* select_touteappel;
};
