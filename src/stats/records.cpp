#include "stats/records.h"

#include "common/textforms.h"

#include <algorithm>
#include <limits>

namespace kvadus::stats {

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(
          (QLatin1Char('\'') + text + QStringLiteral("' neni platne cislo")).toLocal8Bit().toStdString()) {}

double strictValue(const QString& text) {
  double value = 0;
  if (!strictNumber(normalizeDecimalMark(text), &value)) throw ConversionError(text);
  return value;
}

QStringList recordHeaders() {
  const QString hand = QStringLiteral(" *");
  return {QStringLiteral("Jmeno"),
          QStringLiteral("min. stav"),
          hand,
          QStringLiteral("max. stav"),
          hand,
          QStringLiteral("max. prohra"),
          hand,
          QStringLiteral("max. vyhra"),
          hand,
          QStringLiteral("   Celkem")};
}

bool isHandNumberColumn(int column) { return column >= 2 && column % 2 == 0; }

int recordColumnWidth(int column) {
  if (column == kNameColumn) return 100;
  return isHandNumberColumn(column) ? 22 : 80;
}

QString handNumberNote() {
  return QStringLiteral(" *") + QStringLiteral(" - cislo hry, ve ktere byla hodnota dosazena");
}

QString handNumberText(int hand) { return generalNumberText(hand).rightJustified(2, u' '); }

namespace {
// One player's records over the hands, as the hands come.
struct Tracker {
  double running = 0;
  double lowestRunning = std::numeric_limits<double>::max();
  double highestRunning = -std::numeric_limits<double>::max();
  double lowestHand = std::numeric_limits<double>::max();
  double highestHand = -std::numeric_limits<double>::max();
  int lowestRunningAt = 0, highestRunningAt = 0, lowestHandAt = 0, highestHandAt = 0;

  // Strict comparisons: the earliest hand keeps a record that is reached again.
  void hand(int h, double v) {
    running += v;
    if (lowestRunning > running) lowestRunning = running, lowestRunningAt = h;
    if (highestRunning < running) highestRunning = running, highestRunningAt = h;
    if (lowestHand > v) lowestHand = v, lowestHandAt = h;
    if (highestHand < v) highestHand = v, highestHandAt = h;
  }
};
}  // namespace

QList<QStringList> recordRows(const ScoreGrid& scores, int players) {
  const int rows = scores.rowCount();
  const int sumRow = rows - 1;
  QList<QStringList> out;
  out.reserve(std::max(players, 0));
  for (int p = 0; p < players; ++p) {
    QStringList row(kRecordColumns);
    row[kNameColumn] = scores.cell(p, 0);
    if (rows > 2) {
      Tracker t;
      for (int h = 1; h <= rows - 2; ++h) t.hand(h, lenientNumber(normalizeDecimalMark(scores.cell(p, h))));
      row[1] = signedMoneyText(t.lowestRunning);
      row[2] = handNumberText(t.lowestRunningAt);
      row[3] = signedMoneyText(t.highestRunning);
      row[4] = handNumberText(t.highestRunningAt);
      row[5] = signedMoneyText(t.lowestHand);
      row[6] = handNumberText(t.lowestHandAt);
      row[7] = signedMoneyText(t.highestHand);
      row[8] = handNumberText(t.highestHandAt);
      row[kFinalColumn] = scores.cell(p, sumRow);
    } else {
      for (int c : {1, 3, 5, 7, 9}) row[c] = signedMoneyText(0);
    }
    out << row;
  }
  return out;
}

int separatorHeight(int gridHeight, int rowHeight, int gridLineWidth, int players) {
  return std::min(gridHeight, (rowHeight + gridLineWidth) * (players + 1));
}

RecordFinder recordFinder(Record record) {
  switch (record) {
    case Record::HighestBalance:
      return {kHighestBalanceColumn, true, 2};
    case Record::LowestBalance:
      return {kLowestBalanceColumn, false, 2};
    case Record::BiggestWin:
      return {kBiggestWinColumn, true, 2};
    case Record::BiggestLoss:
      return {kBiggestLossColumn, false, 2};
    case Record::Winner:
      return {kFinalColumn, true, 1};
    case Record::Loser:
      return {kFinalColumn, false, 1};
  }
  return {kFinalColumn, true, 1};
}

int findRecord(const QStringList& texts, bool highest) {
  int best = -1;
  double bestValue = 0;
  for (int i = 0; i < texts.size(); ++i) {
    const double v = strictValue(texts[i]);
    if (best < 0 || (highest ? v > bestValue : v < bestValue)) {
      best = i;
      bestValue = v;
    }
  }
  return best;
}

}  // namespace kvadus::stats
