#include "common/keyboard.h"

#include "common/radiogroup.h"
#include "common/readingorder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QPointer>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

namespace kvadus {

namespace {

bool usable(const QWidget* w) { return w && w->isVisible() && w->isEnabled(); }

QList<QWidget*> controlsOf(QWidget* window, const char* names) {
  QList<QWidget*> out;
  const QStringList list = QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const QString& name : list)
    if (auto* w = window->findChild<QWidget*>(name)) out << w;
  return out;
}

// The tab widget that shows this page, or null.
QTabWidget* tabsOfPage(QWidget* page) {
  auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
  auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
  return tabs && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}

// The first control within the container that Tab would stop at: the first
// of its controls in the window's Tab order.
QWidget* firstControlIn(QWidget* container) {
  QWidget* window = container->window();
  for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
    if (container->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && usable(w) &&
        !w->focusProxy())
      return w;
  return nullptr;
}

void appendHint(QWidget* w, const QString& key) {
  const QString suffix = QStringLiteral("(") + key + QLatin1Char(')');
  if (QTabWidget* tabs = tabsOfPage(w)) {
    const int i = tabs->indexOf(w);
    const QString hint = tabs->tabToolTip(i);
    tabs->setTabToolTip(i, hint.isEmpty() ? suffix : hint + QLatin1Char(' ') + suffix);
    return;
  }
  const QString hint = w->toolTip();
  w->setToolTip(hint.isEmpty() ? suffix : hint + QLatin1Char(' ') + suffix);
}

void focusInto(QWidget* target) {
  if (auto* group = qobject_cast<RadioGroup*>(target)) {
    if (QWidget* item = group->button(group->tabStop())) item->setFocus(Qt::ShortcutFocusReason);
    return;
  }
  if (QTabWidget* tabs = tabsOfPage(target)) tabs->setCurrentWidget(target);
  if (target->focusPolicy() == Qt::NoFocus || tabsOfPage(target)) {
    if (QWidget* first = firstControlIn(target)) first->setFocus(Qt::ShortcutFocusReason);
    return;
  }
  target->setFocus(Qt::ShortcutFocusReason);
}

// The label that names a control placed by hand: on its left in its row,
// else above it in its column.
QString neighbourLabel(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  if (!parent) return {};
  const QRect me = w->geometry();
  const QLabel* left = nullptr;
  const QLabel* above = nullptr;
  for (const QLabel* l : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (l->isHidden() || l->text().trimmed().isEmpty() || (l->buddy() && l->buddy() != w)) continue;
    const QRect r = l->geometry();
    const bool sameRow = r.center().y() >= me.top() && r.center().y() <= me.bottom();
    if (sameRow && r.right() <= me.left() + 4 && (!left || r.right() > left->geometry().right())) left = l;
    const bool sameColumn = r.left() <= me.right() && r.right() >= me.left();
    if (sameColumn && r.bottom() <= me.top() + 4 && me.top() - r.bottom() < 40 &&
        (!above || r.bottom() > above->geometry().bottom()))
      above = l;
  }
  if (left) return left->text().trimmed();
  if (above) return above->text().trimmed();
  return {};
}

// The title of the group or the caption of the page the control sits in.
QString enclosingTitle(const QWidget* w) {
  for (QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget()) {
    if (auto* group = qobject_cast<QGroupBox*>(p); group && !group->title().trimmed().isEmpty())
      return group->title().trimmed();
    if (QTabWidget* tabs = tabsOfPage(p)) return tabs->tabText(tabs->indexOf(p));
  }
  return {};
}

QString derivedName(QWidget* w) {
  if (auto* bar = qobject_cast<QTabBar*>(w)) {
    QStringList pages;
    for (int i = 0; i < bar->count(); ++i) pages << bar->tabText(i);
    return pages.join(QStringLiteral(", "));
  }
  QString name = neighbourLabel(w);
  if (name.isEmpty()) name = w->toolTip().trimmed();
  if (name.isEmpty()) name = enclosingTitle(w);
  return name;
}

}  // namespace

void pressAccelerator(QWidget* control) {
  auto* button = qobject_cast<QAbstractButton*>(control);
  if (!button) {
    focusInto(control);
    return;
  }
  // As a click: the focus first (a number field left behind is checked),
  // then the click, once the focus has settled where the person put it.
  const bool takesFocus = (button->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
  if (takesFocus) button->setFocus(Qt::ShortcutFocusReason);
  QPointer<QAbstractButton> pressed(button);
  QTimer::singleShot(0, button, [pressed, takesFocus] {
    if (!usable(pressed)) return;
    if (takesFocus && pressed->window()->focusWidget() != pressed) return;
    pressed->click();
  });
}

QList<QWidget*> acceleratorTargets(QWidget* window, AcceleratorTable table) {
  QList<QWidget*> out;
  for (const Accelerator& a : table) out += controlsOf(window, a.controls);
  return out;
}

void applyAccelerators(QWidget* window, AcceleratorTable table) {
  for (const Accelerator& a : table) {
    const QKeySequence key(QString::fromLatin1(a.key));
    const QList<QWidget*> targets = controlsOf(window, a.controls);
    for (QWidget* w : targets) appendHint(w, key.toString(QKeySequence::NativeText));
    QList<QPointer<QWidget>> guarded(targets.begin(), targets.end());
    auto* shortcut = new QShortcut(key, window);
    shortcut->setObjectName(QStringLiteral("accelerator ") + QString::fromLatin1(a.key));
    QObject::connect(shortcut, &QShortcut::activated, window, [guarded] {
      for (const QPointer<QWidget>& w : guarded)
        if (usable(w)) {
          pressAccelerator(w);
          return;
        }
    });
  }
}

QString accessibleName(QWidget* control) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  return face ? face->text(QAccessible::Name).trimmed() : control->accessibleName();
}

namespace {
void nameControl(QWidget* w) {
  if (w->isWindow() || w->focusPolicy() == Qt::NoFocus) return;
  if (!accessibleName(w).isEmpty()) return;
  const QString name = derivedName(w);
  if (!name.isEmpty()) w->setAccessibleName(name);
}

void tabLeaves(QWidget* w) {
  if (auto* view = qobject_cast<QAbstractItemView*>(w)) view->setTabKeyNavigation(false);
  if (auto* text = qobject_cast<QPlainTextEdit*>(w)) text->setTabChangesFocus(true);
  if (auto* text = qobject_cast<QTextEdit*>(w)) text->setTabChangesFocus(true);
}
}  // namespace

void nameControls(QWidget* window) {
  for (QWidget* w : window->findChildren<QWidget*>()) nameControl(w);
}

void setUpKeyboard(QWidget* window, AcceleratorTable table) {
  nameControls(window);
  applyAccelerators(window, table);
  // Tab goes on to the next control; arrows move within grids and texts.
  for (QWidget* w : window->findChildren<QWidget*>()) tabLeaves(w);
}

void setUpLateControl(QWidget* window, QWidget* control) {
  nameControl(control);
  tabLeaves(control);
  setReadingTabOrder(window);
}

namespace {
void collectChain(QWidget* container, QList<QWidget*>& out) {
  if (auto* tabs = qobject_cast<QTabWidget*>(container)) {
    // The tab widget stands for its tab bar, which comes right after it.
    out << tabs << tabs->tabBar();
    for (int i = 0; i < tabs->count(); ++i) collectChain(tabs->widget(i), out);
    return;
  }
  QList<QWidget*> children;
  QList<QRect> boxes;
  for (QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isWindow()) continue;
    children << w;
    boxes << w->geometry();
  }
  for (int i : readingOrder(boxes)) {
    QWidget* w = children[i];
    // A control that takes the focus itself stands in the chain; a tab
    // widget or a plain container stands for what it holds (a scroll area
    // that takes no focus holds nothing of the chain).
    if (!qobject_cast<QTabWidget*>(w) && w->focusPolicy() != Qt::NoFocus) {
      if (!w->focusProxy()) out << w;
    } else if (!qobject_cast<QAbstractScrollArea*>(w)) {
      collectChain(w, out);
    }
  }
}
}  // namespace

QList<QWidget*> readingChain(QWidget* window) {
  QList<QWidget*> out;
  collectChain(window, out);
  return out;
}

void setReadingTabOrder(QWidget* window) {
  const QList<QWidget*> chain = readingChain(window);
  for (int i = 1; i < chain.size(); ++i) {
    // A tab widget moves with its tab bar behind it; ordering the two would
    // put the bar behind the pages' controls.
    if (chain[i - 1] == chain[i]->parentWidget() && qobject_cast<QTabWidget*>(chain[i - 1])) continue;
    QWidget::setTabOrder(chain[i - 1], chain[i]);
  }
}

}  // namespace kvadus
