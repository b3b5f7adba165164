// Adding wines to the cellar, one after the other.
#pragma once

#include "cellar/WineForm.h"

class TNewForm : public cellar::WineForm {
    Q_OBJECT
public:
    explicit TNewForm(QWidget* parent = nullptr);

    // Reads, checks and adds the wine on the screen; the window stays open for the next one.
    void BitBtn1Click();

protected:
    void retranslateUi() override;

private:
    void clearForNextWine();
};
