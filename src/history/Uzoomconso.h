// One entry of the consumption history, corrected in place: its identity is shown, its
// purchase and drinking can change; previous and next save it and step through the entries
// of the consumed wines window.
#pragma once

#include "history/ConsumedForm.h"

class TZoomConsoForm : public history::ConsumedForm {
    Q_OBJECT
public:
    // Shows the entry at history::State().selectedPosition among those passing the filter.
    explicit TZoomConsoForm(QWidget* parent = nullptr);

    void BitBtn1Click(); // save and close
    void BitBtn5Click(); // delete and close
    void BitBtn6Click(); // save, then the previous entry
    void BitBtn7Click(); // save, then the next entry

    // The entry on show as stored in the file, which a save or a delete looks for.
    const store::ConsumedWine& currentEntry() const { return current_; }
    bool hasEntry() const { return hasEntry_; }

protected:
    void retranslateUi() override;

private:
    // Shows the entry at the selected position; when there is none the position goes back by
    // one and the window stays as it was.
    void showSelectedEntry();
    // False when nothing was saved (a refused field, or the entry changed in the file).
    bool save();

    store::ConsumedWine current_;
    long currentPosition_ = -1; // its place in the file, which identifies it with its fields
    bool hasEntry_ = false;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
};
