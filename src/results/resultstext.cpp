#include "results/resultstext.h"

#include "common/textforms.h"
#include "ledger/ledger.h"

#include <QHash>
#include <QVector>

#include <utility>

namespace kvadus::results {

namespace {

const QString kTitle = QStringLiteral("Vysledky kvadusove bitvy");
const QString kDashRun = QStringLiteral("-------------------");
const QString kFieldEnd = QStringLiteral("; ");
const QString kTextCaption = QStringLiteral("Chyba pri zpracovani textu");
const QString kDataError = QStringLiteral("Text neodpovida formatu (chyba v datech)");

QString dashRuns(int count) { return kDashRun.repeated(qMax(0, count)); }

bool isBlank(QChar c) { return c.unicode() <= u' '; }

QString trimLeft(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && isBlank(text.at(i))) ++i;
  return text.mid(i);
}

// The keyword of a line: leading blanks gone, lower case, up to the first blank.
QString keywordOf(const QString& line) {
  const QString lowered = trimLeft(line).toLower();
  const qsizetype blank = lowered.indexOf(u' ');
  return blank < 0 ? lowered : lowered.left(blank);
}

// The text after the first ':' (the whole line when there is none), trimmed.
QString valueOf(const QString& line) { return line.mid(line.indexOf(u':') + 1).trimmed(); }

// A plain decimal integer, sign allowed.
bool integerOf(const QString& text, qlonglong* value) {
  if (text.isEmpty()) return false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isDigit() && c.unicode() < 128) continue;
    if (i == 0 && (c == u'+' || c == u'-') && text.size() > 1) continue;
    return false;
  }
  bool ok = false;
  *value = text.toLongLong(&ok, 10);
  return ok;
}

// Where the text being read stands. Several texts may follow one another; one
// begins at its title, at its "sloupcu" line, or at a section after a whole text.
enum class TextState {
  None,    // no text begun
  Title,   // the title line of a text read
  Header,  // the column count read, no section yet
  Names,   // the names section open
  Hands,   // the hands section open: the "suma" line must follow
  Sum,     // the "suma" line read: the sum line must follow
  Whole,   // the sum line read
};

// The fields of a names, hands or sum line for `columns` columns: field j runs
// from where field j - 1 ended to the next ';', leading blanks dropped; with no
// ';' left, the rest of the line is the field of every remaining column (one
// text, shared). *ended: how many fields were ended by a ';'.
QStringList fieldsOf(QStringView line, int columns, int* ended) {
  QStringList fields;
  fields.reserve(columns);
  *ended = 0;
  qsizetype pos = 0;
  while (fields.size() < columns) {
    while (pos < line.size() && isBlank(line.at(pos))) ++pos;
    const qsizetype end = line.indexOf(u';', pos);
    if (end < 0) {
      const QString rest = line.mid(pos).toString();
      while (fields.size() < columns) fields << rest;
      break;
    }
    fields << line.mid(pos, end - pos).toString();
    ++*ended;
    pos = end + 1;
  }
  return fields;
}

// The cents of a money text ("%+4.2f", padded), exactly.
qint64 centsOf(const QString& money) {
  qint64 cents = 0;
  for (const QChar c : money)
    if (c.isDigit()) cents = cents * 10 + c.digitValue();
  return money.contains(u'-') ? -cents : cents;
}

// The lines that the reader would take as hands: each adds a row to the table.
qint64 handLineCount(const QStringList& lines) {
  qint64 count = 0;
  bool hands = false;
  for (const QString& line : lines) {
    if (line.contains(u';')) {
      count += hands ? 1 : 0;
      continue;
    }
    const QString key = keywordOf(line);
    if (key == u"hry") hands = true;
    else if (key == u"jmena" || key == u"suma") hands = false;
  }
  return count;
}

}  // namespace

QStringList writeResults(const ScoreGrid& grid, const WriteInput& input) {
  const int players = qMax(0, input.players);
  const int columns = players + (input.descriptionShown ? 1 : 0);
  const int rows = grid.rowCount();

  auto handLine = [&](int row) {
    QString line;
    line.reserve(columns * 13 + 40);
    for (int c = 0; c < columns; ++c) {
      const QString cell = grid.cell(c, row);
      line += c < players ? resultsMoneyText(lenientNumber(cell)) : cell;
      line += kFieldEnd;
    }
    return line;
  };

  QStringList out;
  out.reserve(rows + 16);
  out << QString(7, u' ') + kTitle << QString(38, u'=');
  if (input.paid) out << QString(9, u' ') + QStringLiteral(" [  jiz ZAPLACENO!  ]");
  out << QStringLiteral("  Datum a cas   : ") + input.stamp;
  out << QStringLiteral("  verze programu: 1.0");
  out << QStringLiteral("  sloupcu       : ") +
             (input.descriptionShown ? QString::number(columns - 1) + QStringLiteral("+1") : QString::number(columns));
  out << QStringLiteral("  her           : ") + QString::number(rows - 1);
  out << QStringLiteral("  bude volit    : ") + QString::number(qMax(-1, input.declarer) + 1);
  out << QStringLiteral("  Jmena hracu   :");
  out << QStringLiteral("  -------") + dashRuns(columns);
  QString names;
  for (int c = 0; c < columns; ++c) names += grid.cell(c, 0).trimmed().rightJustified(10, u' ') + kFieldEnd;
  out << names;
  out << QStringLiteral("  hry  : ") + dashRuns(columns);
  for (int r = 1; r < rows - 1; ++r) out << handLine(r);
  out << QStringLiteral("  suma : ") + dashRuns(columns);
  if (rows >= 2) out << handLine(rows - 1);
  return out;
}

QString disagreeingSumsQuestion() {
  return QStringLiteral(
      "Soucty hracu v textu nesouhlasi s odehranymi hrami\n(text byl upraven nebo je poskozen).\n"
      "Pouzit ho presto ?");
}

ReadResult readResults(const QStringList& lines, ReadMode mode, const ScoreGrid& current, const QString& fileName,
                       int currentPlayers) {
  ReadResult result;
  MemoryGrid& grid = result.table;
  const int appendColumns = current.columnCount();
  // The hands of a replaced evening are never needed: only its first rows.
  grid.setColumnCount(appendColumns);
  grid.setRowCount(mode == ReadMode::Append ? current.rowCount() : qMin(2, current.rowCount()));
  for (int r = 0; r < grid.rowCount(); ++r)
    for (int c = 0; c < appendColumns; ++c) grid.setCell(c, r, current.cell(c, r));
  if (grid.rowCount() < 2) grid.setRowCount(2);
  const int appendPlayers = currentPlayers < 0 ? appendColumns - 1 : currentPlayers;

  int columns = 0;  // 0: no "sloupcu" line yet
  qlonglong bude = 0;
  bool budeRead = false;
  int target = grid.rowCount() - 1;
  bool names = false;
  bool hands = false;
  const QChar decimalMark = systemDecimalSeparator();
  // The hand fields read so far and the cells they made, with their cents.
  constexpr qsizetype kRememberedCells = 4096;
  QHash<QString, std::pair<QString, qint64>> handCells;
  // The balances so far: a hand that would take one beyond what the table
  // keeps exactly is damaged data, as it would be at the table.
  QVector<double> balances;
  auto startBalances = [&] {
    balances.fill(0.0, qMax(0, columns - 1));
    for (int r = 1; r < target; ++r)
      for (int c = 0; c < balances.size(); ++c) balances[c] += lenientNumber(grid.cell(c, r));
  };

  // Each text of the lines must be whole: its hands closed by the "suma"
  // line and that by the sum line, which must hold every player's sum of
  // the text's own hands to the cent (else the person is asked).
  TextState text = TextState::None;
  int textColumns = 0;       // the fields of the text's own lines
  QVector<qint64> textSums;  // cents, per player, of this text's hands
  auto beginText = [&] { textSums.fill(0, qMax(0, columns - 1)); };
  // A section after a whole text begins the next one, without a header.
  auto section = [&](TextState next) {
    if (text == TextState::None || text == TextState::Whole) beginText();
    text = next;
  };

  auto fail = [&](const QString& line, const QString& message) {
    result.log << QStringLiteral("x  > ") + line;
    result.caption = kTextCaption;
    result.message = message;
    result.ok = false;
    result.sumsDisagree = false;
    result.table = MemoryGrid(4, 2);
    return result;
  };

  for (const QString& line : lines) {
    QString mark = QStringLiteral("-");
    if (line.isEmpty()) {
      result.log << QStringLiteral("-  >");
      continue;
    }
    // Keyword lines never hold a ';', names and hands always do: a player
    // named "Hry Novak" or "Bude" stays a name wherever it sits.
    const QString key = line.contains(u';') ? QString() : keywordOf(line);
    if (key == u"vysledky" && line.trimmed().compare(kTitle, Qt::CaseInsensitive) == 0) {
      // The title begins a text as the program writes it: the text
      // before it must be whole, and so must this one.
      if (text != TextState::None && text != TextState::Whole) return fail(line, kDataError);
      beginText();
      text = TextState::Title;
    } else if (key == u"sloupcu") {
      QString value = valueOf(line);
      const qsizetype plus = value.indexOf(QStringLiteral("+1"));
      if (plus >= 0) value.remove(plus, 2);
      qlonglong n = 0;
      if (!integerOf(value.trimmed(), &n)) return fail(line, kDataError);
      // Two players (three columns with the descriptions) are a game too.
      if (n < 2) return fail(line, QStringLiteral("Pocet sloupcu musi byt minimalne 3."));
      if (n >= kMaxColumns) return fail(line, kDataError);
      const int count = int(n + 1);
      if (mode == ReadMode::Append) {
        // The reader always builds the description column: the table
        // must have it, and as many players as the text.
        const bool fits = n == appendPlayers && appendColumns == appendPlayers + 1;
        if (!fits) {
          int table = appendColumns;
          int read = count;
          // A table without its descriptions has as many columns as
          // a text of one player fewer with them: name the player
          // columns then, which do differ.
          if (table == read) {
            table = appendPlayers;
            read = int(n);
          }
          return fail(line, QStringLiteral("Pocet sloupcu v prave hrane hre je %1, soubor ale "
                                           "obsahuje %2 sloupcu\n- koncim konverzi")
                                .arg(table)
                                .arg(read));
        }
      } else if (columns == 0) {
        grid.setColumnCount(count);
      } else if (count != columns) {
        return fail(line, QStringLiteral("Pocet sloupcu byl nastaven na %1, \nsoubor ale obsahuje "
                                         "dalsi sekci pro %2 sloupcu\n - koncim konverzi")
                              .arg(columns)
                              .arg(count));
      }
      if (columns == 0) {
        // Every hand line of the lines becomes a row of this many
        // columns: a table beyond the bound is refused before it is built.
        if (qint64(count) * (grid.rowCount() + handLineCount(lines)) > kMaxCells) return fail(line, kDataError);
        columns = count;
        startBalances();
      }
      if (text == TextState::Names || text == TextState::Hands || text == TextState::Sum)
        return fail(line, kDataError);  // the text before it was cut
      // A text begins here, unless this repeats the count of its header.
      if (text != TextState::Header) beginText();
      textColumns = int(n) + (plus >= 0 ? 1 : 0);
      text = TextState::Header;
      mark = QStringLiteral("+");
    } else if (key == u"jmena") {
      if (text == TextState::Sum) return fail(line, kDataError);
      section(text == TextState::Hands ? TextState::Hands : TextState::Names);
      names = true;
      hands = false;
      mark = QStringLiteral("+");
    } else if (key == u"hry") {
      if (text == TextState::Sum) return fail(line, kDataError);
      section(TextState::Hands);
      hands = true;
      names = false;
      mark = QStringLiteral("+");
    } else if (key == u"suma") {
      section(TextState::Sum);
      names = hands = false;
      mark = QStringLiteral("+");
    } else if (key == u"bude") {
      if (!integerOf(valueOf(line), &bude)) return fail(line, kDataError);
      budeRead = true;
      mark = QStringLiteral("+");
    } else if (text == TextState::Sum && line.contains(u';')) {
      // The sum line: every field of the text's columns ended by its ';'.
      if (columns == 0) return fail(line, kDataError);
      int ended = 0;
      const QStringList fields = fieldsOf(line, columns, &ended);
      if (ended < textColumns) return fail(line, kDataError);
      bool agree = true;
      for (int j = 0; j < columns - 1; ++j) {
        double value = 0;
        if (!strictNumber(normalizeDecimalMark(fields[j], decimalMark), decimalMark, &value))
          return fail(line, kDataError);
        agree = agree && qAbs(value) <= ledger::kMaxBalance && centsOf(signedMoneyText(value)) == textSums[j];
      }
      if (!agree) {
        result.sumsDisagree = true;
        mark = QStringLiteral("?");
      }
      text = TextState::Whole;
    } else if ((names || hands) && line.contains(u';')) {
      // Names or hands before the column count: nothing to lay them out by.
      if (columns == 0) return fail(line, kDataError);
      int ended = 0;
      const QStringList fields = fieldsOf(line, columns, &ended);
      if (names) {
        for (int j = 0; j < columns; ++j) grid.setCell(j, 0, fields[j]);
      } else {
        QString cell;
        double amount = 0;
        qint64 cents = 0;
        for (int j = 0; j < columns - 1; ++j) {
          // Past the last ';' every column has the same field.
          if (j <= ended) {
            // An evening repeats its amounts: a field met before
            // makes the same cell (and shares its text).
            const auto seen = handCells.constFind(fields[j]);
            if (seen != handCells.cend()) {
              cell = seen->first;
              cents = seen->second;
            } else {
              double value = 0;
              if (!strictNumber(normalizeDecimalMark(fields[j], decimalMark), decimalMark, &value))
                return fail(line, kDataError);
              if (!(qAbs(value) <= ledger::kMaxBalance)) return fail(line, kDataError);
              // The cell is the number's general text read back
              // leniently and written as money. That text holds the
              // number's first 15 significant digits, which read back
              // to a double with the same first 15 digits, and money
              // text rounds from exactly those: so the number is
              // written directly, without the round trip.
              cell = signedMoneyText(value);
              cents = centsOf(cell);
              if (handCells.size() < kRememberedCells) handCells.insert(fields[j], {cell, cents});
            }
            amount = double(cents) / 100;
          }
          balances[j] += amount;
          if (!(qAbs(balances[j]) <= ledger::kMaxBalance)) return fail(line, kDataError);
          textSums[j] += cents;
          grid.setCell(j, target, cell);
        }
        grid.setCell(columns - 1, target, fields[columns - 1]);
        mark = QStringLiteral("+");
        ++target;
        grid.setRowCount(grid.rowCount() + 1);
      }
    }
    result.log << mark + QStringLiteral("  > ") + line;
  }

  // Not a results text at all, or one cut short: the last line read is
  // where the text ends.
  if (columns == 0 || text != TextState::Whole) {
    const QString last = result.log.isEmpty() ? QString() : result.log.takeLast().mid(5);
    return fail(last, kDataError);
  }

  const int players = qMax(0, grid.columnCount() - 1);
  for (int j = 0; j < players; ++j) result.players << grid.cell(j, 0);
  qlonglong b = budeRead ? bude : 1;
  b = qBound(qlonglong(0), b, qlonglong(players));
  result.declarer = int(b) - 1;
  result.chooser = result.declarer;
  ledger::recomputeSums(grid, players, true);
  result.ok = true;
  result.caption = QStringLiteral("Oznameni");
  result.message = QStringLiteral("Soubor '") + fileName + QStringLiteral("'\nzpracovan uspesne.");
  return result;
}

}  // namespace kvadus::results
