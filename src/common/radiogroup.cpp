#include "common/radiogroup.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QRadioButton>

namespace kvadus {

namespace {
// The application's style with the text of a radio item close to its mark.
// A style rather than a style sheet: one shared object, and the items are
// polished and painted by the plain style.
class CompactRadioStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_RadioButtonLabelSpacing) return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QStyle* compactRadioStyle() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new CompactRadioStyle(QApplication::style()->name());
    style->setParent(qApp);
  }
  return style;
}
}  // namespace

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
  b->installEventFilter(this);
  if (compact_) b->setStyle(compactRadioStyle());
  // A new item follows the group's last one in the Tab order, wherever the
  // window put the group.
  if (!buttons_.isEmpty()) QWidget::setTabOrder(buttons_.last(), b);
  buttons_.append(b);
  if (isVisible()) b->show();
  updateTabStop();
}

void RadioGroup::setCompact() {
  compact_ = true;
  for (QRadioButton* b : buttons_) b->setStyle(compactRadioStyle());
}

void RadioGroup::removeItem(int index) {
  if (index < 0 || index >= count()) return;
  updating_ = true;
  QRadioButton* b = buttons_.takeAt(index);
  delete b;
  updating_ = false;
  if (index_ == index) index_ = -1;
  else if (index_ > index) --index_;
  for (int i = 0; i < count(); ++i) buttons_[i]->setObjectName(objectName() + QStringLiteral("_item%1").arg(i));
  relayout();
  updateTabStop();
}

void RadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  if (index == index_) return;
  updating_ = true;
  for (int i = 0; i < count(); ++i) buttons_[i]->setChecked(i == index);
  updating_ = false;
  index_ = index;
  updateTabStop();
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

bool RadioGroup::usable(int index) const {
  const QRadioButton* b = button(index);
  return b && b->isEnabled() && !b->isHidden();
}

int RadioGroup::tabStop() const {
  if (usable(index_)) return index_;
  for (int i = 0; i < count(); ++i)
    if (usable(i)) return i;
  return -1;
}

// Only the tab stop is in the Tab order; the other items take the focus by a
// click or an arrow key.
void RadioGroup::updateTabStop() {
  const int stop = tabStop();
  for (int i = 0; i < count(); ++i) buttons_[i]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

int RadioGroup::neighbour(int from, int key) const {
  const int rows = (count() + columns_ - 1) / columns_;
  int step = 0;
  switch (key) {
    case Qt::Key_Up:
      step = -1;
      break;
    case Qt::Key_Down:
      step = 1;
      break;
    case Qt::Key_Left:
      step = -rows;
      break;
    case Qt::Key_Right:
      step = rows;
      break;
    default:
      return -1;
  }
  for (int i = from + step; i >= 0 && i < count(); i += step)
    if (usable(i)) return i;
  return -1;
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event) {
  auto* b = qobject_cast<QRadioButton*>(watched);
  const int i = b ? static_cast<int>(buttons_.indexOf(b)) : -1;
  if (i < 0) return QGroupBox::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
      updateTabStop();
      break;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() & ~Qt::KeypadModifier) break;
      const int to = neighbour(i, key->key());
      if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down && key->key() != Qt::Key_Left &&
          key->key() != Qt::Key_Right)
        break;
      // An arrow selects the neighbour, as a click on it would; at the
      // group's edge it does nothing.
      if (to >= 0) {
        buttons_[to]->setFocus(Qt::TabFocusReason);
        setItemIndex(to);
      }
      return true;
    }
    default:
      break;
  }
  return QGroupBox::eventFilter(watched, event);
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
