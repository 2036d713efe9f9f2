#include "common/radiogroup.h"

#include <QGridLayout>
#include <QRadioButton>

namespace kvadus {

RadioGroup::RadioGroup(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 0, 2, 0);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(0);
}

QStringList RadioGroup::items() const {
  QStringList out;
  for (auto* b : buttons_) out << b->text();
  return out;
}

QString RadioGroup::itemText(int index) const {
  return (index >= 0 && index < count()) ? buttons_[index]->text() : QString();
}

QRadioButton* RadioGroup::button(int index) const {
  return (index >= 0 && index < count()) ? buttons_[index] : nullptr;
}

void RadioGroup::setItems(const QStringList& items) {
  updating_ = true;
  qDeleteAll(buttons_);
  buttons_.clear();
  index_ = -1;
  updating_ = false;
  for (const auto& t : items) appendButton(t);
  relayout();  // once: the layout of every item is rebuilt
}

void RadioGroup::addItem(const QString& text) {
  appendButton(text);
  relayout();
}

void RadioGroup::appendButton(const QString& text) {
  auto* b = new QRadioButton(text, this);
  b->setAutoExclusive(false);  // the group keeps the exclusivity itself
  b->setObjectName(objectName() + QStringLiteral("_item%1").arg(buttons_.size()));
  connect(b, &QRadioButton::toggled, this, [this, b](bool on) { onToggled(b, on); });
  buttons_.append(b);
  if (isVisible()) b->show();
}

void RadioGroup::removeItem(int index) {
  if (index < 0 || index >= count()) return;
  updating_ = true;
  QRadioButton* b = buttons_.takeAt(index);
  delete b;
  updating_ = false;
  if (index_ == index) index_ = -1;
  else if (index_ > index) --index_;
  for (int i = 0; i < count(); ++i)
    buttons_[i]->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
  relayout();
}

void RadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  if (index == index_) return;
  updating_ = true;
  for (int i = 0; i < count(); ++i) buttons_[i]->setChecked(i == index);
  updating_ = false;
  index_ = index;
  emit itemClicked(index_);
}

void RadioGroup::onToggled(QRadioButton* b, bool on) {
  if (updating_) return;
  const int i = static_cast<int>(buttons_.indexOf(b));
  if (on) {
    setItemIndex(i);
  } else if (i == index_) {
    // A radio button cannot be unchecked by a click on itself.
    updating_ = true;
    b->setChecked(true);
    updating_ = false;
  }
}

void RadioGroup::setColumns(int columns) {
  columns_ = columns < 1 ? 1 : columns;
  relayout();
}

void RadioGroup::relayout() {
  auto* grid = static_cast<QGridLayout*>(layout());
  for (auto* b : buttons_) grid->removeWidget(b);
  const int n = count();
  const int rows = (n + columns_ - 1) / columns_;
  for (int i = 0; i < n; ++i) grid->addWidget(buttons_[i], rows ? i % rows : 0, rows ? i / rows : 0);
}

}  // namespace kvadus
