#include "app/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

UpDown::UpDown(QWidget* parent, int minimum, int maximum, int position)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)),
      minimum_(minimum), maximum_(maximum), position_(std::clamp(position, minimum, maximum))
{
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { StepBy(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { StepBy(-1); });
}

void UpDown::Associate(QLineEdit* edit)
{
    edit_ = edit;
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::SetPosition(int position)
{
    position_ = std::clamp(position, minimum_, maximum_);
    if (edit_)
        edit_->setText(QString::number(position_));  // runs the field's change handler
}

void UpDown::StepBy(int delta)
{
    if (position_ + delta != std::clamp(position_ + delta, minimum_, maximum_))
        return;  // no wrap-around: the end of the range stays put
    SetPosition(position_ + delta);
}
