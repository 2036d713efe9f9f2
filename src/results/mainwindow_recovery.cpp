// The recovery copy of the evening on the main window: written after every
// change of the evening, offered back at the next start, removed at a clean
// end. Writing never asks and never stops the evening: the lines are made
// here, the file is written by the copies' thread (the one thread of the
// program besides the windows'), a failure is told once on standard error and
// the next change tries again. Several programs at once each keep a copy of
// their own (results/recoverycopies.h).

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/messages.h"
#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "players/playerentry.h"
#include "results/recovery.h"
#include "results/recoverycopies.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>

#include <utility>

using namespace kvadus;

namespace {

// Puts the evening into the window's controls as it was when it was written:
// cells, players, declarer, chooser and the description column.
void restoreEvening(TFRMMain* m, const recovery::Evening& e) {
  const int n = int(e.players.size());
  QTableWidget* table = m->STGOutput;
  table->setUpdatesEnabled(false);
  m->grid->setRowCount(0);
  m->grid->setColumnCount(e.table.columnCount());
  m->grid->setRowCount(e.table.rowCount());
  for (int r = 0; r < e.table.rowCount(); ++r)
    for (int c = 0; c < e.table.columnCount(); ++c) m->grid->setCell(c, r, e.table.cell(c, r));
  table->setUpdatesEnabled(true);
  {
    const QSignalBlocker block(m->LIBXHraci);
    m->LIBXHraci->clear();
    m->LIBXHraci->addItems(e.players);
  }
  m->LSTBXOznaceniVolice->clear();
  for (int i = 0; i < n; ++i) m->LSTBXOznaceniVolice->addItem(QString());
  m->selectDeclarer(e.declarer);
  m->LABLIndexVolice->setText(QString::number(e.chooser));
  m->flags.descriptionColumnGuard = 0;
  m->CKBXZobrazovatDruhyHer->setChecked(e.descriptionShown);
  m->flags.descriptionColumnGuard = 1;
  m->fitColumnWidths();
  m->scrollToRow(table->rowCount() - 1);
  m->LABLPocetHerClick();
  m->LABLPocetHracu->setText(ledger::playerCountText(n));
  m->LABLPocetHracu->setVisible(n > 3);
  FORMZadaniHracu->BUTNZamenit->setEnabled(n > 0 && FORMZadaniHracu->LBOXSeznamHracu->count() > 0);
  // Enables "Pridat", draws the markers and prices the hand being entered.
  m->LIBXHraciClick();
}

}  // namespace

QString TFRMMain::recoveryPath() const { return recoveryCopies ? recoveryCopies->ownPath() : QString(); }

void TFRMMain::eveningChanged() {
  // Before the start has offered the evenings left behind, nothing is written.
  if (!recoveryArmed || !recoveryCopies || recoveryDue) return;
  // Once the change is over (one "Pridat" changes the evening twice): a
  // copy per change, not per step of it.
  recoveryDue = true;
  QTimer::singleShot(0, this, &TFRMMain::copyEvening);
}

void TFRMMain::copyEvening() {
  if (!std::exchange(recoveryDue, false) || !recoveryArmed || !recoveryCopies) return;
  const int n = playerCount();
  if (n < 2) return;  // no game yet: nothing to keep
  // The window's thread only copies the texts that changed; the copy's
  // lines, their checksum and the file are made on the writing thread.
  if (!recoveryTable) recoveryTable = new TableCopy(*grid, STGOutput);
  MemoryGrid table = recoveryTable->now();
  Q_ASSERT(table == MemoryGrid::copyOf(*grid));  // no change of the table went unseen
  // The moment of the change is taken here; its local time and text (which
  // ask the system for the time zone) are made on the writing thread.
  recoveryCopies->write([table = std::move(table), players = itemTexts(LIBXHraci), declarer = declarerIndex(),
                         chooser = chooserIndex(), described = ledger::hasDescriptionColumn(*grid, n),
                         when = QDateTime::currentDateTimeUtc()] {
    return recovery::buildRecovery(table, players, declarer, chooser, described, dateTimeStamp(when.toLocalTime()));
  });
}

void TFRMMain::waitForRecoveryCopy() {
  if (recoveryDue) copyEvening();
  if (recoveryCopies) recoveryCopies->drain();
}

void TFRMMain::offerRecovery() {
  // Every copy whose program is gone, newest first, one question each. The
  // copies of programs still running are never seen here.
  recoveryCopies = std::make_unique<recovery::Copies>(dataFolder());
  const QStringList left = recoveryCopies->claimLeftCopies(earlierDataFolder());
  bool restored = false;
  for (const QString& path : left) {
    if (restored) {  // the others stay for the next start
      recoveryCopies->giveBack(path);
      continue;
    }
    const TextFileRead file = readTextFile(path);
    recovery::ReadBack back;
    if (file.status == TextFileRead::Ok) back = recovery::readRecovery(file.lines);
    else back.error = file.error;
    if (!back.ok) {
      qWarning("zuzereru: the recovery copy %s is damaged (%s); it is moved aside and not offered",
               qPrintable(QDir::toNativeSeparators(path)), qPrintable(back.error));
      recoveryCopies->setAside(path);
    } else if (back.evening.hands() == 0) {
      recoveryCopies->remove(path);  // an evening without hands holds nothing worth a question
    } else if (askYesNo(this, recovery::question(back.evening))) {
      restoreEvening(this, back.evening);
      recoveryCopies->adopt(path);  // its copy goes on as this program's own
      restored = true;
    } else {
      recoveryCopies->setAside(path);
    }
  }
  recoveryArmed = true;
  if (restored) eveningChanged();
}

void TFRMMain::letGoOfRecovery() {
  waitForRecoveryCopy();
  recoveryCopies.reset();  // joins the writer and releases this program's lock
}

void TFRMMain::endRecovery() {
  if (!recoveryArmed) return;
  recoveryArmed = false;  // the evening is over: nothing is written after it
  if (recoveryCopies) recoveryCopies->end();
}
