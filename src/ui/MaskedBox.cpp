#include "ui/MaskedBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace ui {

namespace {

bool IsMaskPosition(QChar c) {
    return QStringLiteral("09AaNnXx#HhBbDd").contains(c);
}

} // namespace

MaskedBox::MaskedBox(const QString& mask, QWidget* parent) : QLineEdit(parent) {
    setInputMask(mask);
    for (QChar c : mask) {
        if (c == QLatin1Char(';')) break;
        editable_.push_back(IsMaskPosition(c));
    }
    // A price: digits, a point, digits.
    const int point = static_cast<int>(mask.indexOf(QLatin1Char('.')));
    if (point > 0 && mask.count(QLatin1Char('.')) == 1 && !mask.contains(QLatin1Char('/')))
        point_ = point;
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void MaskedBox::setHintText(const QString& text) {
    hint_ = text;
    updateGeometry();
    update();
}

bool MaskedBox::isBlank() const {
    const QString shown = displayText();
    for (int i = 0; i < shown.size() && i < static_cast<int>(editable_.size()); ++i)
        if (editable_[i] && shown[i] != QLatin1Char(' ')) return false;
    return true;
}

int MaskedBox::firstBlank() const {
    const QString shown = displayText();
    for (int i = 0; i < shown.size() && i < static_cast<int>(editable_.size()); ++i)
        if (editable_[i] && shown[i] == QLatin1Char(' ')) return i;
    return -1;
}

void MaskedBox::bringCursorToFirstBlank() {
    if (hasSelectedText()) return;
    const int blank = firstBlank();
    if (blank >= 0 && blank < cursorPosition()) setCursorPosition(blank);
}

void MaskedBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (point_ > 0) {
        // A stored price stands right-aligned ("   65.00"); while it is edited the whole-number
        // part starts at the left, so that digits typed after it extend it.
        const QString shown = displayText();
        const QString whole = shown.left(point_).trimmed();
        const QString wanted =
            whole + QString(point_ - whole.size(), QLatin1Char(' ')) + shown.mid(point_);
        if (wanted != shown) {
            const bool modified = isModified();
            setText(wanted);
            setModified(modified);
        }
    }
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        // Typing over a value replaces it whole, rather than overwriting its first digits.
        if (isBlank())
            setCursorPosition(0);
        else
            selectAll();
        break;
    case Qt::MouseFocusReason:
        break; // the click that follows places the cursor
    default:
        bringCursorToFirstBlank();
        break;
    }
}

void MaskedBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) bringCursorToFirstBlank();
}

void MaskedBox::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_End && !(event->modifiers() & Qt::ShiftModifier))
        bringCursorToFirstBlank();
}

void MaskedBox::paintEvent(QPaintEvent* event) {
    // The mask keeps its literals on the face of an empty box, so the line edit never shows
    // its own placeholder: the hint is painted in their stead.
    if (hint_.isEmpty() || hasFocus() || !isBlank()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    area = area.marginsRemoved(textMargins()).adjusted(2, 0, -2, 0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::PlaceholderText));
    painter.drawText(area, static_cast<int>(alignment()) | Qt::AlignVCenter, hint_);
}

QSize MaskedBox::sizeHint() const {
    const QFontMetrics metrics(font());
    int text = metrics.horizontalAdvance(
        QString(static_cast<int>(editable_.size()) + 1, QLatin1Char('0')));
    if (!hint_.isEmpty())
        text = std::max(text, metrics.horizontalAdvance(hint_ + QLatin1Char(' ')));
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    const QSize inner(text + 4 + margins.left() + margins.right(), QLineEdit::sizeHint().height());
    const QSize outer = style()->sizeFromContents(QStyle::CT_LineEdit, &option, inner, this);
    return {outer.width(), QLineEdit::sizeHint().height()};
}

QSize MaskedBox::minimumSizeHint() const {
    return sizeHint();
}

void MaskedBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && dateHint_) setHintText(DateHint());
    QLineEdit::changeEvent(event);
}

QString MaskedBox::DateHint() {
    return QCoreApplication::translate("MaskedBox", "jj/mm/aaaa");
}

MaskedBox* MaskedEdit(QWidget* parent, const char* name, const char* mask) {
    auto* box = new MaskedBox(QString::fromLatin1(mask), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

MaskedBox* DateEdit(QWidget* parent, const char* name, const char* mask) {
    MaskedBox* box = MaskedEdit(parent, name, mask);
    box->dateHint_ = true;
    box->setHintText(MaskedBox::DateHint());
    return box;
}

} // namespace ui
