#pragma once
// The keyboard and the screen reader in every window: each window keeps its
// accelerators in one table (the control, by object name, and its key),
// which one call applies; the same call gives every control a name that a
// screen reader reads. The main window also orders Tab by the places of its
// controls, which no layout keeps.

#include <QList>
#include <QRect>
#include <QString>

#include <span>

class QWidget;

namespace kvadus {

// One accelerator: the key (portable text, "Alt+P", "F1") and the control it
// works: one object name, or several separated by blanks of which the first
// shown and enabled one takes the key (controls that stand in for each other).
struct Accelerator {
  const char* key;
  const char* controls;
};
using AcceleratorTable = std::span<const Accelerator>;

// A window's accelerators: its table and what pressing the key does.
//  - a button or check box: the focus moves to it as a click would move it,
//    and once the focus is there (no number field refused to let it go), it
//    is clicked;
//  - a radio group: its selected item (or first usable one) takes the focus;
//  - a group box or a page: its first control takes the focus (a page is
//    shown first);
//  - any other control takes the focus.
// Each control's hint ends with its key: "prida hrace do seznamu (Alt+P)".
void applyAccelerators(QWidget* window, AcceleratorTable table);
// The controls the table names, in table order (the first of alternatives
// first); for tests and the help page.
QList<QWidget*> acceleratorTargets(QWidget* window, AcceleratorTable table);
// Works a control as its accelerator does (the main window's Enter uses it).
void pressAccelerator(QWidget* control);

// All a window needs for the keyboard and screen readers, in one call at the
// end of its making: names for its controls, its accelerators, and Tab that
// leaves grids and text boxes instead of moving within them.
void setUpKeyboard(QWidget* window, AcceleratorTable table);

// The same for a control made after its window (a page's part made on first
// use), which also takes its place in the window's Tab order.
void setUpLateControl(QWidget* window, QWidget* control);

// Gives every control of the window that the keyboard reaches a name for
// screen readers where it has none of its own (a caption, a label that is
// its buddy, the title of the group it sits in directly): the label on its
// left in the same row, else the label above it, else its hint, else the
// title of the group or page around it.
void nameControls(QWidget* window);
// The name a screen reader reads for the control.
QString accessibleName(QWidget* control);

// The controls of the window that Tab visits, in reading order group by
// group: every container's children are ordered by their places, and a
// group's controls follow one another (a tab widget, standing for its tab
// bar, then the bar and its pages).
QList<QWidget*> readingChain(QWidget* window);
// Sets the Tab order of the window to its reading chain.
void setReadingTabOrder(QWidget* window);

}  // namespace kvadus
