#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace ui {

void KeepSelectionVisible(QAbstractItemView* view) {
    QPalette palette = view->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    view->setPalette(palette);
}

void MakeShownOnly(QLineEdit* edit) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
}

QPushButton* PictureButton(QWidget* parent, const char* name, Picture picture) {
    auto* button = new QPushButton(PictureIcon(picture), QString(), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace ui
