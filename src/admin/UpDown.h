// A pair of arrows that steps a position through a range and wraps at both ends. The step
// may be negative, so that the upper arrow lowers the position (an entry moves up a list).
#pragma once

#include <QWidget>

#include <functional>

class QToolButton;

namespace admin {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setStep(int step) { step_ = step; }
    // The position, brought into the range.
    void setPosition(int position);
    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Asked before each change; a false answer leaves the position as it is.
    void setChangeAllowed(std::function<bool()> allowed) { allowed_ = std::move(allowed); }

    QToolButton* upArrow() const { return up_; }
    QToolButton* downArrow() const { return down_; }

    // One step, as a click of the arrow.
    void stepUp() { stepBy(step_); }
    void stepDown() { stepBy(-step_); }

signals:
    // The position changed through an arrow.
    void clicked();

private:
    void stepBy(int delta);

    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 0;
    int position_ = 0;
    int step_ = 1;
    std::function<bool()> allowed_;
};

} // namespace admin
