#include "results/tablecsv.h"

#include <QStringList>

namespace kvadus::results {

QByteArray scoreTableCsv(const ScoreGrid& grid, int players, bool descriptionShown, const CsvForm& form) {
  const int columns = descriptionShown ? players + 1 : players;
  QList<QStringList> rows;
  QStringList header{QStringLiteral("hra")};
  for (int c = 0; c < players; ++c) header << grid.cell(c, 0);
  if (descriptionShown) header << QStringLiteral("popis");
  rows << header;
  const int sumRow = grid.rowCount() - 1;
  for (int r = 1; r <= sumRow; ++r) {
    QStringList fields{r == sumRow ? QStringLiteral("celkem") : QString::number(r)};
    for (int c = 0; c < players; ++c) fields << csvNumber(grid.cell(c, r), form.decimalMark);
    for (int c = players; c < columns; ++c) fields << grid.cell(c, r);
    rows << fields;
  }
  return csvDocument(rows, form.separator);
}

}  // namespace kvadus::results
