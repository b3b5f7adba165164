#include "ui/Widgets.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace ui {

void KeepSelectionVisible(QAbstractItemView* view) {
    QPalette palette = view->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
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

namespace {

class CharsWidth : public QObject {
public:
    CharsWidth(QLineEdit* edit, int chars) : QObject(edit), chars_(chars) { apply(edit); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange) apply(static_cast<QLineEdit*>(watched));
        return false;
    }

private:
    void apply(QLineEdit* edit) const {
        const int text = edit->fontMetrics().horizontalAdvance(QString(chars_, QLatin1Char('M')));
        edit->setFixedWidth(text + 12);
    }
    int chars_;
};

} // namespace

void FitToChars(QLineEdit* edit, int chars) {
    edit->installEventFilter(new CharsWidth(edit, chars));
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace ui
