#include "ui/ShownFields.h"

#include <QComboBox>
#include <QLineEdit>

namespace ui {

QString ShownText(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        // A masked box may move its blanks on focus (a price is edited from the left) without
        // the user changing a digit: only what stands in its positions counts.
        if (!edit->inputMask().isEmpty()) return edit->displayText().remove(QLatin1Char(' '));
        return edit->displayText();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(control))
        return box->isEditable() || box->currentIndex() >= 0 ? box->currentText() : QString();
    return {};
}

} // namespace ui
