#include "admin/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace admin {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    up_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("up"));
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setObjectName(QStringLiteral("down"));
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setPosition(position_);
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void UpDown::stepBy(int delta) {
    if (allowed_ && !allowed_()) return;
    const int span = maximum_ - minimum_ + 1;
    int next = position_ + delta;
    if (next > maximum_) next = minimum_ + (next - minimum_) % span;
    if (next < minimum_) next = maximum_ - (maximum_ - next) % span;
    position_ = next;
    emit clicked();
}

} // namespace admin
