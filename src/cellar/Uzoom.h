// One wine of the cellar book, shown whole and changed in place; previous and next save the
// wine shown and step through the cellar book's list.
#pragma once

#include "cellar/WineForm.h"

class TZoomForm : public cellar::WineForm {
    Q_OBJECT
public:
    // Shows the wine at cellar::State().currentWinePosition.
    explicit TZoomForm(QWidget* parent = nullptr);

    void BitBtn1Click(); // save and close
    void BitBtn4Click(); // labels
    void BitBtn5Click(); // characteristics
    void BitBtn6Click(); // save, then the previous wine
    void BitBtn7Click(); // save, then the next wine

    // The wine as read from the file, which a save replaces.
    const store::CellarWine& loadedWine() const { return loaded_; }

protected:
    void retranslateUi() override;

private:
    void afficheVin();
    // Saves the screen over the loaded wine; false when nothing was saved.
    bool save();
    void step(int direction);

    store::CellarWine loaded_;
    long loadedPosition_ = -1; // its place in the file, which identifies it with its fields
    bool hasWine_ = false;
    // Where the saved wine now stands in the list (-1 when the save took it out of the list).
    long savedRow_ = -1;
    // The last save as places in the file: the record it removed (-1 when nothing was written)
    // and the one it wrote (-1 when the wine left the cellar).
    long removedAt_ = -1;
    long savedPosition_ = -1;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
};
