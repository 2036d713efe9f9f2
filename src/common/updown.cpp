#include "common/updown.h"

#include <QKeyEvent>
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
  for (auto* b : {up_, down_}) {
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    b->setFocusPolicy(Qt::NoFocus);
  }
  setFocusPolicy(Qt::StrongFocus);
  showPosition();
  connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setPosition(int position) {
  position_ = std::clamp(position, minimum_, std::max(minimum_, maximum_));
  showPosition();
}

void UpDown::showPosition() { setAccessibleDescription(QString::number(position_)); }

void UpDown::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up && !(event->modifiers() & ~Qt::KeypadModifier)) up_->click();
  else if (event->key() == Qt::Key_Down && !(event->modifiers() & ~Qt::KeypadModifier)) down_->click();
  else QWidget::keyPressEvent(event);
}

// The arrows take the highlight while the control has the focus.
void UpDown::showFocus(bool focused) {
  QPalette colours;
  if (focused) {
    colours = palette();
    colours.setColor(QPalette::Button, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::ButtonText, colours.color(QPalette::HighlightedText));
  }
  for (auto* b : {up_, down_}) b->setPalette(colours);
}

void UpDown::focusInEvent(QFocusEvent* event) {
  showFocus(true);
  QWidget::focusInEvent(event);
}

void UpDown::focusOutEvent(QFocusEvent* event) {
  showFocus(false);
  QWidget::focusOutEvent(event);
}

void UpDown::setRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  setPosition(position_);
}

void UpDown::stepUp() {
  if (position_ < maximum_) ++position_;
  showPosition();
  emit changed(position_, true);
}

void UpDown::stepDown() {
  if (position_ > minimum_) {
    --position_;
    showPosition();
    emit changed(position_, false);
  }
}

}  // namespace kvadus
