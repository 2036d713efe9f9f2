#include "results/recovery.h"

#include "common/textforms.h"
#include "ledger/ledger.h"
#include "results/resultstext.h"

#include <QCryptographicHash>

#include <optional>

namespace kvadus::recovery {

namespace {

const QString kEndLine = QStringLiteral("  obnova konec");
constexpr int kFormat = 1;

QString prefix(const char* key) {
  return QStringLiteral("  obnova ") + QString::fromLatin1(key).leftJustified(9, u' ') + QStringLiteral(": ");
}

QString escaped(const QString& text) {
  if (!text.contains(u'\\') && !text.contains(u'\r') && !text.contains(u'\n')) return text;
  QString out;
  out.reserve(text.size() + 8);
  for (const QChar c : text) {
    if (c == u'\\') out += QStringLiteral("\\\\");
    else if (c == u'\r') out += QStringLiteral("\\r");
    else if (c == u'\n') out += QStringLiteral("\\n");
    else out += c;
  }
  return out;
}

bool unescaped(const QString& text, QString* out) {
  out->clear();
  out->reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != u'\\') {
      *out += c;
      continue;
    }
    if (++i >= text.size()) return false;
    const QChar e = text.at(i);
    if (e == u'\\') *out += u'\\';
    else if (e == u'r') *out += u'\r';
    else if (e == u'n') *out += u'\n';
    else return false;
  }
  return true;
}

// A plain decimal integer: an optional '-' and ASCII digits, nothing else.
bool integerOf(QStringView text, int* value) {
  if (text.isEmpty() || text.size() > 10) return false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.unicode() >= u'0' && c.unicode() <= u'9') continue;
    if (i == 0 && c == u'-' && text.size() > 1) continue;
    return false;
  }
  bool ok = false;
  *value = text.toInt(&ok);
  return ok;
}

QByteArray checksum(const QStringList& lines, qsizetype count) {
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (qsizetype i = 0; i < count; ++i) {
    hash.addData(lines.at(i).toUtf8());
    hash.addData(QByteArrayView("\n", 1));
  }
  return hash.result().toHex();
}

bool breaksLine(const QString& text) { return text.contains(u'\n') || text.contains(u'\r'); }

// The table as the results writer sees it: a line end inside a cell would
// split a line of the text, so it becomes a blank there (the section keeps
// the cell as it was).
class OneLineCells : public ScoreGrid {
 public:
  explicit OneLineCells(const ScoreGrid& grid) : grid_(grid) {}
  int rowCount() const override { return grid_.rowCount(); }
  int columnCount() const override { return grid_.columnCount(); }
  void setRowCount(int) override {}
  void setColumnCount(int) override {}
  QString cell(int column, int row) const override {
    QString text = grid_.cell(column, row);
    if (breaksLine(text)) text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text;
  }
  void setCell(int, int, const QString&) override {}

 private:
  const ScoreGrid& grid_;
};

// A signed money text as the table writes it: blanks up to 11 characters,
// a sign, the whole part without leading zeros, '.', two decimals. The
// results text brings such a cell back as it is. (Checked by its letters:
// formatting every amount once more would double the cost of a copy.)
bool looksLikeMoneyCell(const QString& cell) {
  const qsizetype size = cell.size();
  qsizetype i = 0;
  while (i < size && cell.at(i) == u' ') ++i;
  const qsizetype core = size - i;
  if (core < 5 || size != qMax<qsizetype>(11, core)) return false;
  const QChar sign = cell.at(i);
  if (sign != u'+' && sign != u'-') return false;
  auto digit = [&](qsizetype k) { return cell.at(k).unicode() >= u'0' && cell.at(k).unicode() <= u'9'; };
  if (cell.at(size - 3) != u'.' || !digit(size - 2) || !digit(size - 1)) return false;
  const qsizetype whole = i + 1;
  if (whole >= size - 3) return false;
  for (qsizetype k = whole; k < size - 3; ++k)
    if (!digit(k)) return false;
  if (cell.at(whole) == u'0' && whole + 1 != size - 3) return false;  // a leading zero
  // A negative zero is written as the table's own form decides.
  if (sign == u'-' && cell.at(whole) == u'0' && cell.at(size - 2) == u'0' && cell.at(size - 1) == u'0') return false;
  return true;
}

// Whether the results reader brings a hand row's cell back as it stands.
bool readsBackAsIs(const QString& cell, bool playerCell) {
  if (playerCell) return looksLikeMoneyCell(cell) || cell == signedMoneyText(lenientNumber(cell));
  // The description: the reader drops leading blanks (anything up to ' ')
  // and ends the field at the first ';'.
  if (!cell.isEmpty() && cell.at(0).unicode() <= u' ') return false;
  return !cell.contains(u';') && !breaksLine(cell);
}

// Walks the section's lines in order.
class SectionReader {
 public:
  SectionReader(const QStringList& lines, qsizetype from, qsizetype to) : lines_(lines), at_(from), to_(to) {}
  bool atKey(const char* key) const { return at_ < to_ && lines_.at(at_).startsWith(prefix(key)); }
  // The value of the next line, which must carry the key.
  bool value(const char* key, QString* out) {
    if (!atKey(key)) return false;
    *out = lines_.at(at_++).mid(prefix(key).size());
    return true;
  }
  bool integer(const char* key, int* out) {
    QString text;
    return value(key, &text) && integerOf(text, out);
  }
  bool done() const { return at_ == to_; }

 private:
  const QStringList& lines_;
  qsizetype at_;
  qsizetype to_;
};

// The cents of a money cell as the table writes it, or nothing; never more
// than a balance may hold.
std::optional<qint64> moneyCents(const QString& cell) {
  if (!looksLikeMoneyCell(cell)) return std::nullopt;
  const QString text = cell.trimmed();
  const QStringView whole = QStringView(text).mid(1, text.size() - 4);
  if (whole.size() > 14) return std::nullopt;  // beyond any balance
  qint64 cents = 0;
  for (const QChar c : whole) cents = cents * 10 + (c.unicode() - u'0');
  cents = cents * 100 + qint64(text.at(text.size() - 2).unicode() - u'0') * 10 +
          (text.at(text.size() - 1).unicode() - u'0');
  if (cents > qint64(ledger::kMaxBalance * 100)) return std::nullopt;
  return text.at(0) == u'-' ? -cents : cents;
}

// The evening's money as the table holds it after any change of the
// program: every player's cell of a hand a money text within the balance
// limit, every running balance within it, and the sum row the sums of the
// hands (to the cent, or as the sums are recomputed from the texts). An empty
// text when it is, else what is wrong.
QString moneyFault(const ScoreGrid& table, int players) {
  const int sumRow = table.rowCount() - 1;
  const qint64 limit = qint64(ledger::kMaxBalance * 100);
  for (int c = 0; c < players; ++c) {
    qint64 exact = 0;
    double recomputed = 0;
    for (int r = 1; r < sumRow; ++r) {
      const std::optional<qint64> cents = moneyCents(table.cell(c, r));
      if (!cents) return QStringLiteral("a player's cell is not money (column %1, row %2)").arg(c).arg(r);
      exact += *cents;
      if (exact > limit || exact < -limit) return QStringLiteral("a balance is beyond the limit");
      recomputed += lenientNumber(table.cell(c, r));
    }
    double sum = 0;
    const QString sumCell = table.cell(c, sumRow).trimmed();
    if (!strictNumber(sumCell, u'.', &sum)) return QStringLiteral("a sum is not a number (column %1)").arg(c);
    const std::optional<qint64> asWritten = moneyCents(signedMoneyText(sum));
    if (!asWritten || (*asWritten != exact && *asWritten != moneyCents(signedMoneyText(recomputed))))
      return QStringLiteral("the sum row is not the sum of the hands (column %1)").arg(c);
  }
  return {};
}

ReadBack refused(const QString& why) {
  ReadBack r;
  r.error = why;
  return r;
}

}  // namespace

QString fileName() { return QStringLiteral("rozehrano.kvd"); }

QString asideName(const QDateTime& when) {
  return QStringLiteral("rozehrano-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QStringLiteral(".kvd");
}

QStringList buildRecovery(const ScoreGrid& table, const QStringList& players, int declarer, int chooser,
                          bool descriptionShown, const QString& stamp) {
  const int n = int(players.size());
  const int rows = table.rowCount();
  const int columns = table.columnCount();

  results::WriteInput input;
  input.players = n;
  input.descriptionShown = descriptionShown;
  input.declarer = declarer;
  input.stamp = stamp;
  QStringList out = results::writeResults(OneLineCells(table), input);
  out.reserve(out.size() + n + qsizetype(2) * columns + 12);

  out << prefix("vecera") + QString::number(kFormat);
  out << prefix("volic") + QString::number(declarer);
  // A chooser left from a larger game (a new game keeps the index) marks
  // nobody and passes the turn to the first player, as "none" does: it is
  // kept as "none", so that a chooser beyond the players is damage.
  out << prefix("voli") + QString::number(chooser >= 0 && chooser < n ? chooser : -1);
  out << prefix("popisy") + (descriptionShown ? QStringLiteral("ano") : QStringLiteral("ne"));
  out << prefix("radku") + QString::number(rows);
  out << prefix("sloupcu") + QString::number(columns);
  for (const QString& name : players) out << prefix("hrac") + escaped(name);

  auto cellLine = [&](int c, int r, const QString& text) {
    return prefix("bunka") + QString::number(c) + u' ' + QString::number(r) + u' ' + escaped(text);
  };
  // The names row and the sum row whole: the reader trims the names and
  // recomputes the sums with a text of its own.
  for (int r : {0, rows - 1}) {
    if (r < 0 || (r == rows - 1 && r == 0)) continue;
    for (int c = 0; c < columns; ++c) out << cellLine(c, r, table.cell(c, r));
  }
  for (int r = 1; r < rows - 1; ++r)
    for (int c = 0; c < columns; ++c) {
      const QString cell = table.cell(c, r);
      if (!readsBackAsIs(cell, c < n)) out << cellLine(c, r, cell);
    }

  const qsizetype count = out.size();
  out << prefix("kontrola") + QString::number(count) + u' ' + QString::fromLatin1(checksum(out, count));
  out << kEndLine;
  return out;
}

ReadBack readRecovery(const QStringList& lines) {
  // The end, the count and the checksum first: a cut or damaged file
  // stops here.
  if (lines.size() < 2 || lines.last() != kEndLine) return refused(QStringLiteral("the end line is missing"));
  const qsizetype checkAt = lines.size() - 2;
  const QString& check = lines.at(checkAt);
  if (!check.startsWith(prefix("kontrola"))) return refused(QStringLiteral("the check line is missing"));
  const QStringList parts = check.mid(prefix("kontrola").size()).split(u' ');
  int count = -1;
  if (parts.size() != 2 || !integerOf(parts[0], &count) || count != checkAt)
    return refused(QStringLiteral("the line count does not match"));
  if (parts[1].toLatin1() != checksum(lines, checkAt)) return refused(QStringLiteral("the checksum does not match"));

  const qsizetype sectionAt = lines.indexOf(prefix("vecera") + QString::number(kFormat));
  if (sectionAt < 0) return refused(QStringLiteral("the recovery section is missing"));

  SectionReader section(lines, sectionAt + 1, checkAt);
  ReadBack back;
  Evening& e = back.evening;
  QString shown;
  int rows = 0;
  int columns = 0;
  if (!section.integer("volic", &e.declarer) || !section.integer("voli", &e.chooser) ||
      !section.value("popisy", &shown) || !section.integer("radku", &rows) || !section.integer("sloupcu", &columns))
    return refused(QStringLiteral("the recovery section is damaged"));
  if (shown != u"ano" && shown != u"ne") return refused(QStringLiteral("the recovery section is damaged"));
  e.descriptionShown = shown == u"ano";
  while (section.atKey("hrac")) {
    QString raw, name;
    section.value("hrac", &raw);
    if (!unescaped(raw, &name)) return refused(QStringLiteral("a player's name is damaged"));
    e.players << name;
  }
  const int n = int(e.players.size());
  if (n < 2) return refused(QStringLiteral("fewer than two players"));
  if (columns != n + (e.descriptionShown ? 1 : 0) || rows < 2)
    return refused(QStringLiteral("the table's size does not fit its players"));
  if (e.declarer < -1 || e.declarer >= n) return refused(QStringLiteral("the declarer is out of range"));
  if (e.chooser < -1 || e.chooser >= n) return refused(QStringLiteral("the chooser is out of range"));

  const results::ReadResult read =
      results::readResults(lines.mid(0, sectionAt), results::ReadMode::Replace, MemoryGrid(), QString());
  if (!read.ok) return refused(QStringLiteral("the results text does not read: ") + read.message);
  if (read.table.rowCount() != rows || read.table.columnCount() != n + 1)
    return refused(QStringLiteral("the results text does not fit the recovery section"));
  e.table = read.table;
  e.table.setColumnCount(columns);

  while (section.atKey("bunka")) {
    QString raw;
    section.value("bunka", &raw);
    const QStringList f = raw.split(u' ');
    int c = -1, r = -1;
    QString text;
    if (f.size() < 3 || !integerOf(f[0], &c) || !integerOf(f[1], &r) || c < 0 || c >= columns || r < 0 || r >= rows ||
        !unescaped(raw.section(u' ', 2), &text))
      return refused(QStringLiteral("a cell is damaged"));
    e.table.setCell(c, r, text);
  }
  if (!section.done()) return refused(QStringLiteral("the recovery section is damaged"));
  // The checksum says the file is whole, not that its lines were written
  // by the program: what comes back is checked as strictly as a results text.
  if (const QString fault = moneyFault(e.table, n); !fault.isEmpty()) return refused(fault);
  back.ok = true;
  return back;
}

QString question(const Evening& evening) {
  return QStringLiteral("Posledni vecer nebyl radne ukoncen (") + QString::number(evening.hands()) +
         QStringLiteral(" her, hraci: ") + evening.players.join(QStringLiteral(", ")) +
         QStringLiteral(").\nObnovit ho?");
}

}  // namespace kvadus::recovery
