#pragma once
// A season to measure: 500 saved evenings of 100 hands, four of six friends
// at the table each time, written as the program saves them.

#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "results/resultstext.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

struct SeasonBenchFolder {
  static constexpr int kEvenings = 500;
  static constexpr int kHands = 100;
  QTemporaryDir dir;

  SeasonBenchFolder() {
    const QStringList friends{"Pepa", "jana", "Karel", "Jirka", "HONZA", "Eva"};
    for (int e = 0; e < kEvenings; ++e) {
      QStringList names;
      for (int k = 0; k < 4; ++k) names << friends[(e + k) % friends.size()];
      kvadus::MemoryGrid g;
      kvadus::ledger::freshTable(g, names);
      kvadus::ledger::addDescriptionColumn(g, 4);
      g.setRowCount(kHands + 2);
      for (int r = 1; r <= kHands; ++r) {
        const double a = 0.1 * ((r * 7 + e) % 13 - 6);
        for (int c = 0; c < 4; ++c)
          g.setCell(c, r, kvadus::signedMoneyText(c == r % 4 ? 2 * a : c == (r + 1) % 4 ? 0 : -a));
        g.setCell(4, r, QStringLiteral("%1 : obycejna,flek [70,20]").arg(names[r % 4]));
      }
      kvadus::ledger::recomputeSums(g, 4, true);
      const QDateTime when(QDate(2020, 1, 3).addDays(7 * e), QTime(23, 15));
      kvadus::writeTextFile(QDir(dir.path()).filePath(QStringLiteral("vecer%1.kvd").arg(e, 3, 10, QLatin1Char('0'))),
                            kvadus::results::writeResults(g, {4, true, 1, false, kvadus::dateTimeStamp(when)}),
                            kvadus::SaveMode::Overwrite);
    }
  }
  QString path() const { return dir.path(); }
};
