#include "ui/ShownFields.h"

#include <QComboBox>
#include <QLineEdit>

namespace ui {

QString ShownText(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->displayText();
    if (const auto* box = qobject_cast<const QComboBox*>(control))
        return box->isEditable() || box->currentIndex() >= 0 ? box->currentText() : QString();
    return {};
}

} // namespace ui
