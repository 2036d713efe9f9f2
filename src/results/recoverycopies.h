#pragma once
// The recovery copies in the data folder when several programs run at once
// (two windows of the program, a second session of the same user). Each
// running program owns a copy of its own, held by a lock file beside it
// (QLockFile) for as long as it runs, and never writes, moves or removes a
// copy another running program holds. A copy whose owner is gone (no lock,
// or the lock of a process that no longer runs) is offered at the next start.
//
// The copies are "rozehrano.kvd", "rozehrano2.kvd", "rozehrano3.kvd" ...,
// each with its lock "<copy>.lock". A program killed between writing the
// temporary file of its copy and the rename leaves "<copy>.XXXXXX" beside
// it; the next start settles such leftovers of copies nobody holds.
//
// The copy is written by a thread of its own, so that the disk's sync never
// holds up the evening; a failure is told once on standard error, until a
// write succeeds again.

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

class QLockFile;

namespace kvadus::recovery {

// The name of the copy in place k (1, 2, ...), and the place of a name (0
// when it is no copy's name).
QString copyName(int place);
int placeOf(const QString& fileName);

class Copies {
 public:
  explicit Copies(const QString& folder);
  // Waits for the copy being written and gives every lock back; the program's
  // own copy stays (only a clean end removes it).
  ~Copies();
  Copies(const Copies&) = delete;
  Copies& operator=(const Copies&) = delete;

  // At start: takes every copy whose owner is gone, after moving in the
  // copies an earlier version left in earlierFolder (may be empty) and
  // settling the leftover temporaries of copies nobody holds (the newest
  // complete, sealed one newer than its copy takes the copy's place, the
  // others go). Returns the copies now held, newest first.
  QStringList claimLeftCopies(const QString& earlierFolder);

  // What becomes of a copy claimed at start: it becomes this program's own
  // (its evening was restored), it is given back for the next start, it is
  // moved aside under a dated name (false when that failed; it then stays
  // for the next start), or it is removed.
  void adopt(const QString& path);
  void giveBack(const QString& path);
  bool setAside(const QString& path);
  void remove(const QString& path);

  // This program's own copy; empty until it has taken a place.
  QString ownPath() const;
  // Writes the lines as this program's copy, on the writing thread; a place
  // is taken first when there is none yet. Only the newest lines matter: lines
  // waiting to be written are replaced by newer ones.
  void write(const QStringList& lines);
  // The same with lines that the writing thread makes first: make() must
  // read nothing that another thread may change (a copy of the evening).
  void write(std::function<QStringList()> make);
  // Returns once nothing waits and nothing is being written.
  void drain();
  // A clean end: the own copy goes and its place is given back.
  void end();

 private:
  void run();
  bool takePlace(QString* why);  // under mutex_
  QString asideTarget() const;
  void moveEarlierCopies(const QString& earlierFolder);

  const QString folder_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::thread thread_;
  std::unique_ptr<QLockFile> own_;
  QString ownPath_;
  std::map<QString, std::unique_ptr<QLockFile>> claimed_;  // copies left by others, held while offered
  std::function<QStringList()> make_;                      // the newest lines, made on the writing thread
  bool pending_ = false;
  bool busy_ = false;
  bool stopping_ = false;
  bool failing_ = false;  // only the writing thread reads and sets it
};

}  // namespace kvadus::recovery
