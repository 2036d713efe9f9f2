#include "common/controls.h"

#include "common/radiogroup.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace kvadus {

namespace {
// Runs its work the first time the widget shows, then goes.
class FirstShow : public QObject {
 public:
  FirstShow(QWidget* widget, std::function<void()> work) : QObject(widget), work_(std::move(work)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched == parent() && work_) {
      watched->removeEventFilter(this);
      deleteLater();
      std::exchange(work_, nullptr)();
    }
    return false;
  }

 private:
  std::function<void()> work_;
};
}  // namespace

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(name));
  if (!hint.isEmpty()) b->setToolTip(hint);
  b->setAutoDefault(false);
  return b;
}

QPushButton* makeHiddenButton(QWidget* parent, const char* name, const QString& caption) {
  QPushButton* b = makeButton(parent, name, caption);
  b->hide();
  return b;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption, const QRect& at, const QString& hint,
                     bool checked) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(QLatin1String(name));
  if (!hint.isEmpty()) c->setToolTip(hint);
  c->setChecked(checked);
  if (at.isValid()) c->setGeometry(at);
  return c;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& at) {
  auto* l = new QLabel(caption, parent);
  if (name) l->setObjectName(QLatin1String(name));
  if (at.isValid()) l->setGeometry(at);
  return l;
}

QLineEdit* makeNumberEdit(QWidget* parent, const char* name, const QString& text, const QRect& at,
                          const QString& hint) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(QLatin1String(name));
  e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (!hint.isEmpty()) e->setToolTip(hint);
  if (at.isValid()) e->setGeometry(at);
  return e;
}

QLineEdit* makeReadOnlyEdit(QWidget* parent, const char* name, const QString& text, const QRect& at) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(QLatin1String(name));
  e->setReadOnly(true);
  if (at.isValid()) e->setGeometry(at);
  return e;
}

QListWidget* makeList(QWidget* parent, const char* name, const QRect& at) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QLatin1String(name));
  if (at.isValid()) l->setGeometry(at);
  return l;
}

RadioGroup* makeRadio(QWidget* parent, const char* name, const QString& caption, const QStringList& items, int selected,
                      const QRect& at, const QString& hint) {
  auto* g = new RadioGroup(caption, parent);
  g->setObjectName(QLatin1String(name));
  g->setItems(items);
  g->setItemIndex(selected);
  if (!hint.isEmpty()) g->setToolTip(hint);
  if (at.isValid()) g->setGeometry(at);
  return g;
}

QPlainTextEdit* makeMemo(const char* name) {
  auto* m = new QPlainTextEdit;
  m->setObjectName(QLatin1String(name));
  m->setReadOnly(true);
  return m;
}

QWidget* memoPage(QPlainTextEdit* memo) {
  auto* page = new QWidget;
  auto* box = new QVBoxLayout(page);
  box->setContentsMargins(2, 2, 2, 2);
  box->addWidget(memo);
  return page;
}

void makeMemoOnDemand(OnDemand<QPlainTextEdit>& memo, const char* name, QBoxLayout* layout,
                      std::function<void(QPlainTextEdit*)> made) {
  memo.setMaker([name, layout, made = std::move(made)] {
    QPlainTextEdit* m = makeMemo(name);
    layout->addWidget(m);
    made(m);
    m->show();  // with its page, or at once where the page shows already
    return m;
  });
  // Made at the latest when its page first shows, so that the person never
  // sees the page without it.
  new FirstShow(layout->parentWidget(), [&memo] { memo.get(); });
}

QWidget* memoPageOnDemand(OnDemand<QPlainTextEdit>& memo, const char* name, std::function<void(QPlainTextEdit*)> made) {
  auto* page = new QWidget;
  auto* box = new QVBoxLayout(page);
  box->setContentsMargins(2, 2, 2, 2);
  makeMemoOnDemand(memo, name, box, std::move(made));
  return page;
}

QWidget* makePage(QTabWidget* tabs, const char* name, const QString& caption, const QString& hint) {
  auto* page = new QWidget;
  page->setObjectName(QLatin1String(name));
  const int index = tabs->addTab(page, caption);
  tabs->setTabToolTip(index, hint);
  return page;
}

int selectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.first());
}

void selectRowQuietly(QListWidget* list, int row) {
  const QSignalBlocker block(list);
  list->clearSelection();
  if (row >= 0 && row < list->count()) {
    list->setCurrentRow(row);
    list->item(row)->setSelected(true);
  } else {
    list->setCurrentItem(nullptr);
  }
}

QStringList itemTexts(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

void setVisibleAll(std::initializer_list<QWidget*> widgets, bool visible) {
  for (QWidget* w : widgets) w->setVisible(visible);
}

void setEnabledAll(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* w : widgets) w->setEnabled(enabled);
}

bool isFocusMove(const QEvent* event) {
  if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace kvadus
