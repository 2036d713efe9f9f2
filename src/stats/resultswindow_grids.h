#pragma once
// The string grids of the results window's pages (records, settlement):
// made alike, and written and read cell by cell, column first as the grids
// of the rules address them.

#include <QString>

class QTableWidget;
class QWidget;

namespace kvadus::resultspage {

// A string grid whose fixed row and column are cells drawn like the grid's
// frame, so that every reader finds the headers where the grid keeps them.
QTableWidget* makeStringGrid(QWidget* parent, const char* name, const QString& hint);
void setGridCell(QTableWidget* grid, int column, int row, const QString& text, bool fixed);
QString gridCell(const QTableWidget* grid, int column, int row);
// A column wide enough for `chars` characters of the grid's font, and at
// least `least` pixels.
int columnWidthFor(const QTableWidget* grid, int chars, int least);

}  // namespace kvadus::resultspage
