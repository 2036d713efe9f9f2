#include "common/updown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace kvadus {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
  up_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  up_->setAutoRepeat(true);
  down_ = new QToolButton(this);
  down_->setArrowType(Qt::DownArrow);
  down_->setAutoRepeat(true);
  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  box->addWidget(up_);
  box->addWidget(down_);
  for (auto* b : {up_, down_}) b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setPosition(int position) {
  position_ = std::clamp(position, minimum_, std::max(minimum_, maximum_));
}

void UpDown::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  setPosition(position_);
}

void UpDown::stepUp() {
  if (position_ < maximum_) ++position_;
  emit changed(position_, true);
}

void UpDown::stepDown() {
  if (position_ > minimum_) {
    --position_;
    emit changed(position_, false);
  }
}

}  // namespace kvadus
