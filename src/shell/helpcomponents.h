#pragma once
// What the first showing of the main window loads from, or checks in, the
// help folder, in order.

#include <QString>
#include <QVector>

namespace kvadus {

struct HelpComponent {
  enum Kind { Text, Picture, Check, End };
  enum Window { MainWindow, DiskWindow, ResultsWindow };
  Kind kind;
  QString file;
  QString target;  // object name of the text box or image; empty for checks
  Window window = MainWindow;
};

// The whole table, closed by an End entry.
const QVector<HelpComponent>& helpComponents();

}  // namespace kvadus
