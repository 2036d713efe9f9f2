// The recovery copy of the evening on the main window: written after every
// change of the evening, offered back at the next start, removed at a clean
// end. Writing never asks and never stops the evening: the lines are made
// here, the file is written by a thread of its own (the one thread of the
// program besides the windows'), a failure is told once on standard error and
// the next change tries again.

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/messages.h"
#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "players/playerentry.h"
#include "results/recovery.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

using namespace kvadus;

namespace {

// Puts the evening into the window's controls as it was when it was written:
// cells, players, declarer, chooser and the description column.
void restoreEvening(TFRMMain* m, const recovery::Evening& e)
{
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

// Writes the copies on a thread of its own, so that the disk's sync never
// holds up the evening. Only the newest copy matters: one waiting to be
// written is replaced by a newer one. A failure is told once on standard
// error, until a write succeeds again.
class CopyWriter {
 public:
    ~CopyWriter()
    {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable()) thread_.join();
    }

    void write(const QString& path, const QStringList& lines)
    {
        {
            const std::lock_guard lock(mutex_);
            path_ = path;
            lines_ = lines;
            pending_ = true;
            if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
        }
        wake_.notify_all();
    }

    // Returns once nothing waits and nothing is being written.
    void drain()
    {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return !pending_ && !busy_; });
    }

 private:
    void run()
    {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return pending_ || stopping_; });
            if (!pending_) return;
            const QString path = std::exchange(path_, QString());
            const QStringList lines = std::exchange(lines_, QStringList());
            pending_ = false;
            busy_ = true;
            lock.unlock();
            const TextFileWrite written = writeTextFile(path, lines, SaveMode::Overwrite);
            if (written.ok) {
                failing_ = false;
            } else if (!failing_) {
                failing_ = true;
                qWarning("zuzereru: cannot write the recovery copy %s: %s (trying again at the next change)",
                         qPrintable(QDir::toNativeSeparators(path)), qPrintable(written.error));
            }
            lock.lock();
            busy_ = false;
            if (!pending_) idle_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::thread thread_;
    QString path_;
    QStringList lines_;
    bool pending_ = false;
    bool busy_ = false;
    bool stopping_ = false;
    bool failing_ = false;  // only the writing thread reads and sets it
};

CopyWriter& copyWriter()
{
    static CopyWriter writer;
    return writer;
}

// A dated name for a copy set aside that is not taken yet.
QString asideTarget()
{
    QDateTime when = QDateTime::currentDateTime();
    QString target = inFolder(dataFolder(), recovery::asideName(when));
    for (int i = 0; QFileInfo::exists(target) && i < 3600; ++i) {
        when = when.addSecs(1);
        target = inFolder(dataFolder(), recovery::asideName(when));
    }
    return target;
}

// Moves the recovery file aside under a dated name that is not taken yet.
bool moveAside(const QString& path)
{
    const QString target = asideTarget();
    if (QFile::rename(path, target)) return true;
    qWarning("zuzereru: cannot move the recovery copy %s aside to %s; it stays and no new copy is written",
             qPrintable(QDir::toNativeSeparators(path)), qPrintable(QDir::toNativeSeparators(target)));
    return false;
}

// Earlier versions kept the copy, and the copies set aside, in a folder of
// their own: they move into the data folder, where the start finds them. A
// copy whose name is taken there is set aside, so nothing is overwritten.
void moveEarlierCopies()
{
    const QString from = earlierDataFolder();
    const QString to = dataFolder();
    if (from.isEmpty() || to.isEmpty() || !QFileInfo(from).isDir() || QFileInfo(from) == QFileInfo(to)) return;
    QDir().mkpath(to);
    const QStringList names = QDir(from).entryList({QStringLiteral("rozehrano*.kvd")}, QDir::Files);
    for (const QString& name : names) {
        QString target = inFolder(to, name);
        if (QFileInfo::exists(target)) target = asideTarget();
        if (!QFile::rename(inFolder(from, name), target))
            qWarning("zuzereru: cannot move the recovery copy %s to %s",
                     qPrintable(QDir::toNativeSeparators(inFolder(from, name))),
                     qPrintable(QDir::toNativeSeparators(target)));
    }
    QDir().rmdir(from);  // only once it is empty
}

}  // namespace

QString TFRMMain::recoveryPath() const { return inFolder(dataFolder(), recovery::fileName()); }

void TFRMMain::eveningChanged()
{
    // Before the start has offered the last evening, its copy must stay.
    if (!recoveryArmed) return;
    const int n = playerCount();
    if (n < 2) return;  // no game yet: nothing to keep
    const QStringList lines = recovery::buildRecovery(*grid, itemTexts(LIBXHraci), declarerIndex(), chooserIndex(),
                                                      ledger::hasDescriptionColumn(*grid, n), dateTimeStamp());
    copyWriter().write(recoveryPath(), lines);
}

void TFRMMain::waitForRecoveryCopy() { copyWriter().drain(); }

void TFRMMain::offerRecovery()
{
    moveEarlierCopies();
    const QString path = recoveryPath();
    if (!QFileInfo::exists(path)) {
        recoveryArmed = true;
        return;
    }
    const TextFileRead file = readTextFile(path);
    if (file.status == TextFileRead::Missing) {
        recoveryArmed = true;
        return;
    }
    recovery::ReadBack back;
    if (file.status == TextFileRead::Ok)
        back = recovery::readRecovery(file.lines);
    else
        back.error = file.error;
    if (!back.ok) {
        qWarning("zuzereru: the recovery copy %s is damaged (%s); it is moved aside and not offered",
                 qPrintable(QDir::toNativeSeparators(path)), qPrintable(back.error));
        recoveryArmed = moveAside(path);
        return;
    }
    // An evening without hands holds nothing worth a question.
    if (back.evening.hands() == 0) {
        recoveryArmed = QFile::remove(path) || !QFileInfo::exists(path);
        return;
    }
    if (askYesNo(this, recovery::question(back.evening))) {
        restoreEvening(this, back.evening);
        recoveryArmed = true;
        eveningChanged();
    } else {
        recoveryArmed = moveAside(path);
    }
}

void TFRMMain::endRecovery()
{
    if (!recoveryArmed) return;
    recoveryArmed = false;  // the evening is over: nothing is written after it
    copyWriter().drain();
    const QString path = recoveryPath();
    if (QFileInfo::exists(path) && !QFile::remove(path))
        qWarning("zuzereru: cannot remove the recovery copy %s", qPrintable(QDir::toNativeSeparators(path)));
}
