// The masked boxes of every window: prices, years, quantities, dates, marks. A mask box
// overwrites one position at a time, so a cursor left after blank positions would drop what is
// typed or send it to the wrong part; this box always brings the cursor back to the first blank
// position before it.
#pragma once

#include <QLineEdit>

#include <vector>

namespace ui {

class MaskedBox : public QLineEdit {
    Q_OBJECT
public:
    // `mask` is a line-edit input mask without escapes ("00000.00", "00/00/9999", "90").
    MaskedBox(const QString& mask, QWidget* parent = nullptr);

    // Shown in the empty box while it does not have the focus.
    void setHintText(const QString& text);
    const QString& hintText() const { return hint_; }

    // True when no position holds a typed character.
    bool isBlank() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    friend MaskedBox* DateEdit(QWidget* parent, const char* name, const char* mask);
    static QString DateHint();

    void bringCursorToFirstBlank();
    int firstBlank() const;

    std::vector<bool> editable_;
    int point_ = -1; // of a price mask: where the decimals start
    QString hint_;
    bool dateHint_ = false; // follows the language
};

// A masked box named for tests and readers, as wide as its mask.
MaskedBox* MaskedEdit(QWidget* parent, const char* name, const char* mask);

// A date box ("00/00/9999" or "99/99/9999") whose empty face shows the format to type.
MaskedBox* DateEdit(QWidget* parent, const char* name, const char* mask = "00/00/9999");

} // namespace ui
