#include "stats/reports.h"

#include "common/textforms.h"
#include "ledger/quickselection.h"
#include "stats/records.h"

#include <algorithm>

namespace kvadus::stats {

namespace {

QString repeated(QChar c, int count) { return QString(count, c); }

QString cellOf(const QList<QStringList>& rows, int column, int row) {
  return row < rows.size() ? rows[row].value(column) : QString();
}

// The turned table's column widths, the headers' first.
QList<int> turnedColumnWidths(const QList<QStringList>& records) {
  const int n = static_cast<int>(records.size()) - 1;  // row 0 is the header
  const int least = (78 - n) / (n + 1);
  QList<int> widths;
  for (int r = 0; r <= n; ++r) {
    qsizetype width = std::max(least, 0);
    for (int c = 0; c < kRecordColumns; ++c) width = std::max(width, cellOf(records, c, r).size());
    widths << static_cast<int>(width);
  }
  return widths;
}

}  // namespace

QString paidMark() { return QStringLiteral(" [  jiz ZAPLACENO!  ]"); }

QString stampLine(const QString& stamp) { return QStringLiteral("Datum a cas  ") + QStringLiteral(" : ") + stamp; }

// ---- statistics report -------------------------------------------------------

QStringList turnedRecords(const QList<QStringList>& records) {
  const int n = static_cast<int>(records.size()) - 1;  // row 0 is the header
  const QList<int> widths = turnedColumnWidths(records);
  QStringList lines;
  for (int c = 0; c < kRecordColumns; ++c) {
    QString line = QStringLiteral(" ");
    for (int r = 0; r <= n; ++r) {
      line += cellOf(records, c, r).rightJustified(widths[r]) + QLatin1Char(' ');
      if (r == 0) line += QLatin1Char(' ');
    }
    lines << line;
  }
  return lines;
}

QStringList statisticsReport(const StatisticsInput& in) {
  const QString dashes = repeated(u'-', 79);
  const int n = static_cast<int>(in.records.size()) - 1;

  QStringList out;
  out << QStringLiteral("                       Vytisk statistiky partie") << QString() << dashes;
  QString counts = in.handsLabel + QStringLiteral(" : ") + in.hands + QStringLiteral(", ") + in.playersLabel +
                   QStringLiteral(" : ") + in.players + QStringLiteral(", ") + stampLine(in.stamp);
  if (in.paid) counts += QStringLiteral(", ") + paidMark();
  out << counts << dashes << QString() << QString();

  const QStringList turned = turnedRecords(in.records);
  for (int i = 0; i < turned.size(); ++i) {
    out << turned[i];
    if (i == 0) out << dashes;
  }
  out << dashes << QString() << QStringLiteral("Nejvetsi vyhry a prohry") << dashes;

  struct Line {
    const char* label;
    Record record;
    int handColumn;  // -1: none
  };
  static const Line lines[] = {
      {"Stav penez v prubehu hry - maximalni", Record::HighestBalance, 4},
      {"                         - minimalni", Record::LowestBalance, 2},
      {"Nejvetsi                 - vyhra    ", Record::BiggestWin, 8},
      {"                         - prohra   ", Record::BiggestLoss, 6},
      {"Celkovy vitez                       ", Record::Winner, -1},
      {"nejvetsi smolar                     ", Record::Loser, -1},
  };
  for (const Line& l : lines) {
    const RecordFinder f = recordFinder(l.record);
    QStringList values;
    for (int r = 1; r <= n; ++r) values << cellOf(in.records, f.column, r);
    const int row = findRecord(values, f.highest) + 1;  // 0 when nobody plays
    QString line = QLatin1String(l.label) + QStringLiteral(" : ") +
                   cellOf(in.records, kNameColumn, row).rightJustified(10) + QStringLiteral(" - ") +
                   cellOf(in.records, f.column, row);
    if (l.handColumn >= 0)
      line += QStringLiteral("  (") + QStringLiteral(" *") + QStringLiteral(" ") +
              cellOf(in.records, l.handColumn, row) + QStringLiteral(")");
    out << line;
  }
  out << dashes << QString() << in.handNote;
  return out;
}

// ---- receipt -----------------------------------------------------------------

QStringList receipt(const ReceiptInput& in) {
  const QString dashes = repeated(u'-', 43);
  const QString equals = repeated(u'=', 43);
  const QString indent = QStringLiteral("    ");
  const QString box = QStringLiteral("  [ ]");
  const int n = static_cast<int>(in.names.size());

  QStringList out;
  out << QStringLiteral("       Ucet          ") + in.stamp.rightJustified(22);
  out << (in.paid ? QStringLiteral("--------------------  ") + paidMark() : dashes);
  qsizetype longest = 0;
  for (const QString& name : in.names) longest = std::max(longest, name.size());
  for (int k = 0; k < n; ++k) out << in.names[k].leftJustified(longest) + QStringLiteral(" : ") + in.balances.value(k);
  out << equals;
  if (!in.withPayments || !in.settlement) return out;

  const ScoreGrid& grid = *in.settlement;
  const int pays = n + 1;  // the "ZAPLATI" column
  out << QString();
  out << QStringLiteral("           Kdo co komu ") + (in.paid ? QStringLiteral("zaplatil") : QStringLiteral("plati"));
  out << equals;
  out << QStringLiteral("Celkem zmeni") + (in.paid ? QStringLiteral("lo") : QString()) + QStringLiteral(" majitele ") +
             in.moved.trimmed() + QStringLiteral(" penez:");
  const QString mark = in.paid ? QString() : box;
  for (int s = 1; s <= n; ++s) {
    const QString total = grid.cell(pays, s);
    if (total.isEmpty()) continue;
    out << QString();
    out << in.names[s - 1] + (in.paid ? QStringLiteral("  - zaplatil hracum :") : QStringLiteral("  - plati hracum :"));
    out << dashes;
    for (int r = 1; r <= n; ++r) {
      if (r == s) continue;
      const QString amount = grid.cell(r, s);
      if (amount.isEmpty()) continue;
      out << indent + in.names[r - 1].leftJustified(20) + QStringLiteral(" : ") + moneyText(strictValue(amount)) + mark;
    }
    out << indent + QStringLiteral("                       ----------------");
    out << indent + QStringLiteral("celkem").rightJustified(20) + QStringLiteral(" : ") +
               moneyText(strictValue(total)) + mark;
  }
  out << QString() << dashes;
  return out;
}

// ---- price list ----------------------------------------------------------------

PriceRow priceListHeader(const QString& stamp, const QString& redCaption) {
  return {QStringLiteral("Cenik (") + stamp + QStringLiteral(")"), QStringLiteral(" normalni"), redCaption};
}

PriceRow separatorRow(QChar fill) {
  const QString cell = repeated(fill, 100);
  return {cell, cell, cell};
}

QString priceCell(const QString& priceFieldText) {
  if (priceFieldText.isEmpty()) return QString();
  return signedMoneyText(lenientNumber(priceFieldText)).trimmed().rightJustified(10);
}

QList<PriceRow> freshPriceList(const QString& stamp, const QString& redCaption) {
  return {priceListHeader(stamp, redCaption), separatorRow(u'*'), PriceRow{{}, {}, {}}};
}

QList<PriceRow> computedPriceList(const QString& stamp, const QString& redCaption, const PriceSource& source) {
  QList<PriceRow> rows = {priceListHeader(stamp, redCaption), separatorRow(u'*')};
  auto heading = [&rows](const QString& title) { rows << PriceRow{title, QString(), QString()}; };
  auto group = [&](const QString& title, quick::Group g, bool red, bool blankAfter) {
    heading(title);
    rows << separatorRow(u'-');
    const QStringList items = source.items(g);
    for (int i = 0; i < items.size(); ++i) {
      const auto [normal, redPrice] = source.price(g, i, red);
      rows << PriceRow{items[i].trimmed(), priceCell(normal), red ? priceCell(redPrice) : QString()};
    }
    if (blankAfter) rows << separatorRow(u' ');
  };

  heading(QStringLiteral("Vyhrane hry"));
  rows << separatorRow(u'=');
  group(QStringLiteral("Obycejne hry"), quick::ObycHra, true, true);
  group(QStringLiteral("Sedmy"), quick::Sedma, true, true);
  group(QStringLiteral("Stovka"), quick::Stovka, true, true);
  group(QStringLiteral("Sto a sedma"), quick::StoASedm, true, true);
  group(QStringLiteral("Specialni"), quick::BetlDurch, false, false);
  if (source.twoSevens) {
    const auto [normal, red] = source.twoSevensPrice();
    rows << PriceRow{source.twoSevensCaption.trimmed(), priceCell(normal), priceCell(red)};
    rows << separatorRow(u' ');
  }
  rows << separatorRow(u' ');
  heading(QStringLiteral("Prohrane hry"));
  rows << separatorRow(u'=');
  group(QStringLiteral("Stovka  - prohrana o X bodu"), quick::StoNeuhranych, true, true);
  group(QStringLiteral("Sedmy   - prohrane"), quick::SedmaProhrana, true, true);
  rows << PriceRow{QString(), QString(), QString()};
  return rows;
}

QStringList priceListText(const QList<PriceRow>& rows) {
  static const int widths[] = {30, 10, 10};
  QStringList out;
  for (int r = 0; r < rows.size(); ++r) {
    QString line;
    for (int c = 0; c < 3; ++c) {
      const QString cell = rows[r].value(c);
      line += r == 0 ? cell.rightJustified(widths[c]) : cell.leftJustified(widths[c]);
    }
    const QChar first = line.isEmpty() ? QChar() : line.front();
    if (first == u'=' || first == u'-' || first == u'*') line = repeated(first, 50);
    out << line;
  }
  const QChar last = out.isEmpty() || out.last().isEmpty() ? QChar(u' ') : out.last().front();
  out << repeated(last, 50);
  return out;
}

}  // namespace kvadus::stats
