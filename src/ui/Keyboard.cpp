#include "ui/Keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace ui {

namespace {

QChar BaseLetter(QChar c) {
    const QString decomposed = QString(c).normalized(QString::NormalizationForm_D);
    return decomposed.isEmpty() ? c : decomposed.front().toUpper();
}

void CloseOpenList() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->hide();
        if (QApplication::activePopupWidget() == popup) break;
    }
}

// The raw mnemonic character of a caption: the one after a single "&".
QChar MnemonicChar(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return {};
}

bool Reachable(const QWidget* widget, const QWidget* window) {
    return widget->isEnabled() && widget->isVisibleTo(window);
}

// Reached here, an Alt+letter found no shortcut: either its mnemonic stands on an accented
// letter, which the plain letter the keyboard sends misses, or an open list (a completer's) passed
// the key on to its box, bypassing the shortcuts.
bool ActivateMnemonic(QWidget* window, QChar letter) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const QChar c = MnemonicChar(button->text());
        if (c.isNull() || BaseLetter(c) != letter || !Reachable(button, window)) continue;
        CloseOpenList();
        if (button->focusPolicy() & Qt::TabFocus) button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        return true;
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QChar c = MnemonicChar(label->text());
        QWidget* buddy = label->buddy();
        if (c.isNull() || BaseLetter(c) != letter || buddy == nullptr || !Reachable(buddy, window))
            continue;
        CloseOpenList();
        buddy->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return false;
}

class KeyboardRules : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A mnemonic taken while a completer's list is open leaves the list over the window, and
        // the list would send the next keys to the box the person just left.
        if (event->type() == QEvent::Shortcut && watched->isWidgetType()) {
            CloseOpenList();
            return false;
        }
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        // AltGr arrives as a group switch, or as Ctrl+Alt on some systems: it must still type.
        if (!(modifiers & Qt::AltModifier) ||
            (modifiers & (Qt::ControlModifier | Qt::MetaModifier | Qt::GroupSwitchModifier)))
            return false;
        const QString text = key->text();
        if (text.size() != 1 || !text.front().isLetterOrNumber()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        // Open menus choose their items by letter themselves.
        if (qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget)) return false;
        // A key press reaching a widget is one that no shortcut of the window took.
        QWidget* window = widget->window();
        if (window->windowType() == Qt::Popup) window = QApplication::activeWindow();
        if (window != nullptr && !key->isAutoRepeat())
            ActivateMnemonic(window, BaseLetter(text.front()));
        return true;
    }
};

class EnterEater : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};

} // namespace

void InstallKeyboardRules(QApplication& application) {
    application.installEventFilter(new KeyboardRules(&application));
}

void IgnoreEnter(QWidget* widget) {
    static EnterEater* eater = nullptr;
    if (eater == nullptr) eater = new EnterEater(qApp);
    widget->installEventFilter(eater);
}

void DropUnreachableMnemonics(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QWidget* buddy = label->buddy();
        if (buddy == nullptr || (buddy->isEnabled() && buddy->focusPolicy() != Qt::NoFocus))
            continue;
        QString text = label->text();
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != QLatin1Char('&')) continue;
            if (text[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            text.remove(i, 1);
            break;
        }
        label->setText(text);
    }
}

QChar MnemonicLetter(const QString& caption) {
    const QChar c = MnemonicChar(caption);
    return c.isNull() ? c : BaseLetter(c);
}

} // namespace ui
