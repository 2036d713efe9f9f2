#include "results/recoverycopies.h"

#include "common/appfolders.h"
#include "common/textfile.h"
#include "results/recovery.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <set>
#include <system_error>
#include <utility>

namespace kvadus::recovery {

namespace {

const QString kStem = QStringLiteral("rozehrano");
const QString kExtension = QStringLiteral(".kvd");
const QString kLock = QStringLiteral(".lock");
constexpr int kMostPlaces = 10000;

std::unique_ptr<QLockFile> lockOf(const QString& copyPath) {
  auto lock = std::make_unique<QLockFile>(copyPath + kLock);
  // Stale only when the process that holds it is gone, never by its age:
  // an evening may last all night without a change.
  lock->setStaleLockTime(0);
  return lock;
}

bool isAsciiLetterOrDigit(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9');
}

// The place of a temporary file QSaveFile left beside a copy ("<copy>.XXXXXX"), or 0.
int leftoverPlace(const QString& name) {
  if (name.size() < 8 || name.at(name.size() - 7) != u'.') return 0;
  for (qsizetype i = name.size() - 6; i < name.size(); ++i)
    if (!isAsciiLetterOrDigit(name.at(i))) return 0;
  return placeOf(name.left(name.size() - 7));
}

// The place a file of the folder belongs to: a copy, its lock or a leftover.
int placeOfAny(const QString& name) {
  if (const int place = placeOf(name)) return place;
  if (name.endsWith(kLock)) return placeOf(name.chopped(kLock.size()));
  return leftoverPlace(name);
}

bool isLeftoverOf(const QString& name, const QString& copy) {
  return name.size() == copy.size() + 7 && name.startsWith(copy) && leftoverPlace(name) > 0;
}

QDateTime modified(const QString& path) { return QFileInfo(path).lastModified(); }

bool isSealedCopy(const QString& path) {
  const TextFileRead file = readTextFile(path);
  return file.status == TextFileRead::Ok && readRecovery(file.lines).ok;
}

std::filesystem::path fsPath(const QString& path) {
#if defined(Q_OS_WIN)
  return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// The leftover temporaries of a copy nobody holds: the newest one that is a
// complete, sealed copy newer than the copy itself takes the copy's place (it
// is what the killed program was saving); the others go.
void settleLeftovers(const QString& folder, const QString& copy, const QStringList& names) {
  const QString copyPath = inFolder(folder, copy);
  QDateTime newest = QFileInfo::exists(copyPath) ? modified(copyPath) : QDateTime();
  QString best;
  for (const QString& name : names) {
    if (!isLeftoverOf(name, copy)) continue;
    const QString path = inFolder(folder, name);
    const QDateTime when = modified(path);
    if ((!newest.isValid() || when > newest) && isSealedCopy(path)) {
      if (!best.isEmpty()) QFile::remove(best);
      best = path;
      newest = when;
    } else {
      QFile::remove(path);
    }
  }
  if (best.isEmpty()) return;
  std::error_code error;
  std::filesystem::rename(fsPath(best), fsPath(copyPath), error);  // replaces the copy in one step
  if (error)
    qWarning("zuzereru: cannot put the recovery copy %s in the place of %s: %s",
             qPrintable(QDir::toNativeSeparators(best)), qPrintable(QDir::toNativeSeparators(copyPath)),
             error.message().c_str());
}

}  // namespace

QString copyName(int place) { return place <= 1 ? kStem + kExtension : kStem + QString::number(place) + kExtension; }

int placeOf(const QString& fileName) {
  if (!fileName.startsWith(kStem) || !fileName.endsWith(kExtension)) return 0;
  const QStringView number =
      QStringView(fileName).mid(kStem.size(), fileName.size() - kStem.size() - kExtension.size());
  if (number.isEmpty()) return 1;
  if (number.size() > 5 || number.at(0) == u'0') return 0;
  for (const QChar c : number)
    if (c < u'0' || c > u'9') return 0;
  const int place = number.toInt();
  return place >= 2 && place <= kMostPlaces ? place : 0;
}

Copies::Copies(const QString& folder) : folder_(folder) {}

Copies::~Copies() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();  // the lines waiting are written first
}

QString Copies::asideTarget() const {
  QDateTime when = QDateTime::currentDateTime();
  QString target = inFolder(folder_, asideName(when));
  for (int i = 0; QFileInfo::exists(target) && i < 3600; ++i) {
    when = when.addSecs(1);
    target = inFolder(folder_, asideName(when));
  }
  return target;
}

// Earlier versions kept one copy, and the copies set aside, in a folder of
// their own. The copy moves into a free place here, held while it moves, so
// that it is offered like any copy left behind; the others keep their names
// where they are free.
void Copies::moveEarlierCopies(const QString& earlierFolder) {
  if (earlierFolder.isEmpty() || !QFileInfo(earlierFolder).isDir() || QFileInfo(earlierFolder) == QFileInfo(folder_))
    return;
  settleLeftovers(earlierFolder, copyName(1), QDir(earlierFolder).entryList(QDir::Files | QDir::Hidden));
  const QStringList names = QDir(earlierFolder).entryList({kStem + QStringLiteral("*") + kExtension}, QDir::Files);
  for (const QString& name : names) {
    const QString from = inFolder(earlierFolder, name);
    QString target;
    std::unique_ptr<QLockFile> held;
    if (placeOf(name) == 0) {
      target = inFolder(folder_, name);
      if (QFileInfo::exists(target)) target = asideTarget();
    } else {
      for (int place = 1; place <= kMostPlaces && !held; ++place) {
        target = inFolder(folder_, copyName(place));
        if (QFileInfo::exists(target) || claimed_.count(target) || target == ownPath_) continue;
        held = lockOf(target);
        if (!held->tryLock(0) || QFileInfo::exists(target)) held.reset();
      }
      if (!held) continue;
    }
    if (!QFile::rename(from, target)) {
      qWarning("zuzereru: cannot move the recovery copy %s to %s", qPrintable(QDir::toNativeSeparators(from)),
               qPrintable(QDir::toNativeSeparators(target)));
      continue;
    }
    if (held) claimed_[target] = std::move(held);
  }
  QDir().rmdir(earlierFolder);  // only once it is empty
}

QStringList Copies::claimLeftCopies(const QString& earlierFolder) {
  const std::lock_guard lock(mutex_);
  if (!QDir().mkpath(folder_)) return {};
  moveEarlierCopies(earlierFolder);

  const QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden);
  std::set<int> places;
  for (const QString& name : names)
    if (const int place = placeOfAny(name)) places.insert(place);
  for (const int place : places) {
    const QString path = inFolder(folder_, copyName(place));
    if (path == ownPath_ || claimed_.count(path)) continue;
    std::unique_ptr<QLockFile> held = lockOf(path);
    if (!held->tryLock(0)) continue;  // its program runs: not ours to touch
    settleLeftovers(folder_, copyName(place), names);
    if (QFileInfo::exists(path)) claimed_[path] = std::move(held);
    // else: a stale lock without a copy, now gone with `held`
  }

  QStringList found;
  for (const auto& [path, held] : claimed_) found << path;
  std::stable_sort(found.begin(), found.end(),
                   [](const QString& a, const QString& b) { return modified(a) > modified(b); });
  return found;
}

void Copies::adopt(const QString& path) {
  const std::lock_guard lock(mutex_);
  const auto it = claimed_.find(path);
  if (it == claimed_.end()) return;
  if (own_) {  // the copy of an evening this one replaces
    QFile::remove(ownPath_);
    own_.reset();
  }
  own_ = std::move(it->second);
  ownPath_ = path;
  claimed_.erase(it);
}

void Copies::giveBack(const QString& path) {
  const std::lock_guard lock(mutex_);
  claimed_.erase(path);
}

bool Copies::setAside(const QString& path) {
  const std::lock_guard lock(mutex_);
  const QString target = asideTarget();
  const bool moved = QFile::rename(path, target);
  if (!moved)
    qWarning("zuzereru: cannot move the recovery copy %s aside to %s; it stays for the next start",
             qPrintable(QDir::toNativeSeparators(path)), qPrintable(QDir::toNativeSeparators(target)));
  claimed_.erase(path);
  return moved;
}

void Copies::remove(const QString& path) {
  const std::lock_guard lock(mutex_);
  QFile::remove(path);
  claimed_.erase(path);
}

QString Copies::ownPath() const {
  const std::lock_guard lock(mutex_);
  return ownPath_;
}

bool Copies::takePlace(QString* why) {
  if (!QDir().mkpath(folder_)) {
    *why = QStringLiteral("the folder cannot be made");
    return false;
  }
  const QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden);
  std::set<int> used;  // a copy or a leftover of one: a place for the next start to settle
  for (const QString& name : names)
    if (const int place = name.endsWith(kLock) ? 0 : placeOfAny(name)) used.insert(place);
  for (int place = 1; place <= kMostPlaces; ++place) {
    if (used.count(place)) continue;
    const QString path = inFolder(folder_, copyName(place));
    if (claimed_.count(path)) continue;
    std::unique_ptr<QLockFile> held = lockOf(path);
    if (!held->tryLock(0)) {
      if (held->error() == QLockFile::LockFailedError) continue;  // another program's place
      *why = QStringLiteral("no lock file can be made there");
      return false;
    }
    if (QFileInfo::exists(path)) continue;  // left just now by a program that ended
    own_ = std::move(held);
    ownPath_ = path;
    return true;
  }
  *why = QStringLiteral("no free place");
  return false;
}

void Copies::write(const QStringList& lines) {
  write([lines] { return lines; });
}

void Copies::write(std::function<QStringList()> make) {
  {
    const std::lock_guard lock(mutex_);
    if (stopping_) return;
    make_ = std::move(make);
    pending_ = true;
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
  }
  wake_.notify_all();
}

void Copies::drain() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return !pending_ && !busy_; });
}

void Copies::end() {
  drain();
  const std::lock_guard lock(mutex_);
  stopping_ = true;  // nothing is written after the end
  if (!own_) return;
  if (QFileInfo::exists(ownPath_) && !QFile::remove(ownPath_))
    qWarning("zuzereru: cannot remove the recovery copy %s", qPrintable(QDir::toNativeSeparators(ownPath_)));
  own_.reset();
  ownPath_.clear();
}

void Copies::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || stopping_; });
    if (!pending_) return;
    const std::function<QStringList()> make = std::exchange(make_, nullptr);
    pending_ = false;
    busy_ = true;
    QString why;
    if (ownPath_.isEmpty()) takePlace(&why);
    const QString path = ownPath_;
    lock.unlock();
    if (!path.isEmpty()) {
      QStringList lines;
      try {
        lines = make();
      } catch (const std::exception& e) {  // no memory for the lines: the next change tries again
        why = QString::fromLocal8Bit(e.what());
      }
      if (why.isEmpty()) {
        const TextFileWrite written = writeTextFile(path, lines, SaveMode::Overwrite);
        if (!written.ok) why = written.error;
      }
    }
    if (why.isEmpty()) {
      failing_ = false;
    } else if (!failing_) {
      failing_ = true;
      const QString where = path.isEmpty() ? inFolder(folder_, copyName(1)) : path;
      qWarning("zuzereru: cannot write the recovery copy %s: %s (trying again at the next change)",
               qPrintable(QDir::toNativeSeparators(where)), qPrintable(why));
    }
    lock.lock();
    busy_ = false;
    if (!pending_) idle_.notify_all();
  }
}

}  // namespace kvadus::recovery
