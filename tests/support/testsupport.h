#pragma once
// What the window tests share: a scripted stand-in for the person who answers
// message boxes, a recorder for opened documents, and a working folder of
// their own with a copy of the shipped help folder.

#include "common/messages.h"
#include "common/shellopen.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QList>
#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

namespace testsupport {

struct Shown {
  QString caption;
  QString text;
  kvadus::MsgButtons buttons;
};

// Answers message boxes from a queue (Yes / OK when it runs dry) and keeps
// every box that was shown.
class ScriptedPerson {
 public:
  ScriptedPerson() {
    kvadus::setMessageResponder([this](const QString& c, const QString& t, kvadus::MsgButtons b) {
      shown.append({c, t, b});
      if (!answers.isEmpty()) return answers.takeFirst();
      return b == kvadus::MsgButtons::YesNo ? kvadus::MsgAnswer::Yes : kvadus::MsgAnswer::Ok;
    });
    kvadus::setDocumentOpener([this](const QString& path) {
      opened << path;
      return openerSucceeds;
    });
  }
  ~ScriptedPerson() {
    kvadus::setMessageResponder({});
    kvadus::setDocumentOpener({});
  }
  QStringList texts() const {
    QStringList t;
    for (const auto& s : shown) t << s.text;
    return t;
  }

  QList<kvadus::MsgAnswer> answers;
  QList<Shown> shown;
  QStringList opened;
  bool openerSucceeds = true;
};

// A fresh working folder holding a copy of the shipped help folder and empty
// "nastaveni" and "hry"; the process works in it while the object lives.
class WorkingFolder {
 public:
  WorkingFolder() : previous_(QDir::currentPath()) {
    const QString source = QStringLiteral(ZUZ_SOURCE_ROOT "/help");
    QDir root(dir_.path());
    root.mkdir(QStringLiteral("help"));
    root.mkdir(QStringLiteral("nastaveni"));
    root.mkdir(QStringLiteral("hry"));
    QDirIterator it(source, QDir::Files);
    while (it.hasNext()) {
      it.next();
      QFile::copy(it.filePath(), root.filePath(QStringLiteral("help/") + it.fileName()));
    }
    QDir::setCurrent(dir_.path());
  }
  ~WorkingFolder() { QDir::setCurrent(previous_); }
  QString path(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

// Starts a new game of these players from the roster, the given one declaring.
inline void startGame(const QStringList& names, int declarer = 0) {
  QListWidget* roster = FORMZadaniHracu->LBOXSeznamHracu;
  roster->clear();
  roster->addItems(names);
  if (declarer >= 0) roster->setCurrentRow(declarer);
  FRMMain->BUTNNOvaHraClick();
}

}  // namespace testsupport
