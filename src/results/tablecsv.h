#pragma once
// The score table for spreadsheets, in the program's CSV form (common/csv).

#include "common/csv.h"
#include "ledger/scoregrid.h"

#include <QByteArray>

namespace kvadus::results {

// The table of n players: a header row "hra", the names (and "popis" when the
// description column is shown), one row per hand with its number, the
// players' amounts and its description, and the sum row last ("celkem").
QByteArray scoreTableCsv(const ScoreGrid& grid, int players, bool descriptionShown, const CsvForm& form);

}  // namespace kvadus::results
