// The main window: menus, tool bar, the big title and the status bar with its clock.
#pragma once

#include <QMainWindow>

#include <vector>

class QAction;
class QDateTime;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

class TMenu : public QMainWindow {
    Q_OBJECT
public:
    explicit TMenu(QWidget* parent = nullptr);

    // Panel 2 shows the date (05/03/1999), panel 3 the time (09:05).
    void showClock(const QDateTime& now);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Caption {
        QAction* action;
        const char* caption;
        const char* hint; // null: no hint
    };
    struct MenuCaption {
        QMenu* menu;
        const char* caption;
    };

    QAction* addItem(QMenu* menu, const char* name, const char* caption, const char* hint);
    void addToolButton(const char* name, const char* caption, const char* hint, int picture,
                       QAction* twin);
    void retranslateUi();
    void FormActivate();
    void Apropos1Click();

    std::vector<Caption> captions_;
    std::vector<MenuCaption> menus_;
    QToolBar* toolBar_;
    QLabel* title_;
    QLabel* panels_[4];
    QTimer* clock_;
    bool aboutPending_ = false;
};
