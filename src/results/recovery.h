#pragma once
// The recovery copy of the evening: written after every change, so that a
// crash, a killed process or a power cut costs no hands, and offered back at
// the next start.
//
// The file is a results text (so the disk operations dialog reads it like any
// saved evening) followed by a section the results reader skips: its lines
// start with "obnova", carry no section keyword, and follow the "suma" line,
// after which the reader takes no names or hands. The section holds what the
// results text lacks or does not bring back exactly:
//
//   <results text, as writeResults makes it>
//     obnova vecera   : 1                 format of the section
//     obnova volic    : <declarer>        selected player, -1 for none
//     obnova voli     : <chooser>         the chooser index, -1 for none
//     obnova popisy   : ano | ne          the description column is shown
//     obnova radku    : <R>               rows of the score table
//     obnova sloupcu  : <C>               columns of the score table
//     obnova hrac     : <name>            one per item of the player list
//     obnova bunka    : <c> <r> <text>    a cell the results text does not
//                                         bring back as it was (always row 0
//                                         and the sum row)
//     obnova kontrola : <k> <md5>         k = the lines before this one, and
//                                         the MD5 of their UTF-8 bytes, each
//                                         line followed by LF
//     obnova konec
//
// Texts in the section escape '\' as "\\", CR as "\r" and LF as "\n".
// Reading is strict: a file that does not end with the end line, whose count
// or checksum does not match, or whose lines do not parse is refused whole.

#include "ledger/scoregrid.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace kvadus::recovery {

// The evening as the window holds it.
struct Evening {
  MemoryGrid table;     // STGOutput cell for cell
  QStringList players;  // LIBXHraci in order
  int declarer = -1;    // the player list's selection
  int chooser = -1;     // LABLIndexVolice
  bool descriptionShown = false;

  int hands() const { return qMax(0, table.rowCount() - 2); }
};

// The name of the recovery file in the data folder.
QString fileName();
// The name a refused or declined recovery file is moved to.
QString asideName(const QDateTime& when);

// The lines of the recovery file. descriptionShown: the table's last column
// holds the hand descriptions. stamp: the date-time stamp of the results text.
QStringList buildRecovery(const ScoreGrid& table, const QStringList& players, int declarer, int chooser,
                          bool descriptionShown, const QString& stamp);

struct ReadBack {
  bool ok = false;
  Evening evening;
  QString error;  // why the lines were refused (for standard error)
};
// Reads the lines of a recovery file back, or refuses them.
ReadBack readRecovery(const QStringList& lines);

// "Posledni vecer nebyl radne ukoncen (N her, hraci: A, B, C).\nObnovit ho?"
QString question(const Evening& evening);

}  // namespace kvadus::recovery
