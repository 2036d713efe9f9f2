#pragma once
// Making the named controls of the windows: each gets its object name (the
// name every handler, test and tool finds it by), its caption and its hint.

#include "common/ondemand.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace kvadus {

class RadioGroup;

// A button that Enter in an edit field never presses by itself.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = QString());
// A named procedure that other handlers run; never shown.
QPushButton* makeHiddenButton(QWidget* parent, const char* name, const QString& caption);
QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption, const QRect& at,
                     const QString& hint = QString(), bool checked = false);
// name may be null for a label nobody refers to.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& at);
// An edit for a number, right-aligned.
QLineEdit* makeNumberEdit(QWidget* parent, const char* name, const QString& text, const QRect& at,
                          const QString& hint = QString());
QLineEdit* makeReadOnlyEdit(QWidget* parent, const char* name, const QString& text = QString(),
                            const QRect& at = QRect());
QListWidget* makeList(QWidget* parent, const char* name, const QRect& at);
RadioGroup* makeRadio(QWidget* parent, const char* name, const QString& caption, const QStringList& items, int selected,
                      const QRect& at, const QString& hint = QString());
// A read-only text box, and a tab page holding one (its own visibility stays
// its own, apart from the page that the tab control shows and hides).
QPlainTextEdit* makeMemo(const char* name);
QWidget* memoPage(QPlainTextEdit* memo);
QWidget* makePage(QTabWidget* tabs, const char* name, const QString& caption, const QString& hint);
// A read-only text box made the first time anything uses it or `layout`'s
// widget shows: it goes last into `layout`, and `made` finishes it.
void makeMemoOnDemand(OnDemand<QPlainTextEdit>& memo, const char* name, QBoxLayout* layout,
                      std::function<void(QPlainTextEdit*)> made);
// A tab page whose text box is made so.
QWidget* memoPageOnDemand(OnDemand<QPlainTextEdit>& memo, const char* name, std::function<void(QPlainTextEdit*)> made);

// The selected row of a single-selection list, -1 when none.
int selectedRow(const QListWidget* list);
// Selects the row (none for an index outside the list) without signalling.
void selectRowQuietly(QListWidget* list, int row);

// The texts of a list's items, in order.
QStringList itemTexts(const QListWidget* list);

void setVisibleAll(std::initializer_list<QWidget*> widgets, bool visible);
void setEnabledAll(std::initializer_list<QWidget*> widgets, bool enabled);

// Focus that moves between the controls of a window (entering or leaving a
// field), as opposed to focus lost to another window, a message box or a menu.
bool isFocusMove(const QEvent* event);

}  // namespace kvadus
