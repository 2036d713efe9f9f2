#pragma once
// What the window tests share: a scripted stand-in for the person who answers
// message boxes, a recorder for opened documents, a working folder of their
// own with a copy of the shipped help folder, and short ways to drive and read
// the main window.

#include "common/messages.h"
#include "common/radiogroup.h"
#include "common/shellopen.h"
#include "common/updown.h"
#include "ledger/tablegrid.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace testsupport {

// Every test process keeps the program's data (the recovery copy of the
// evening) in a temporary folder of its own, never in the user's: the data
// folder follows XDG_DATA_HOME, set here before the application starts. A
// child process started by a test finds ZUZ_TEST_DATA_HOME and shares its
// parent's folder.
inline const QString& privateDataHome() {
  static QTemporaryDir own;
  static const QString home = [] {
    if (qEnvironmentVariableIsSet("ZUZ_TEST_DATA_HOME")) return qEnvironmentVariable("ZUZ_TEST_DATA_HOME");
    const QString path = own.path();
    qputenv("ZUZ_TEST_DATA_HOME", path.toLocal8Bit());
    return path;
  }();
  qputenv("XDG_DATA_HOME", home.toLocal8Bit());
  return home;
}
inline const bool privateDataHomeSet = !privateDataHome().isEmpty();

struct Shown {
  QString caption;
  QString text;
  kvadus::MsgButtons buttons;
};

// Answers message boxes from a queue (Yes / OK when it runs dry) and keeps
// every box that was shown. A window test keeps one for all its cases and
// resets it in init().
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
  // Forgets the answers, boxes and documents of the last test.
  void reset() {
    answers.clear();
    shown.clear();
    opened.clear();
    openerSucceeds = true;
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
    for (const char* sub : {"help", "nastaveni", "hry"}) root.mkdir(sub);
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

// Makes the seven windows afresh under a '.' locale; with the first check of
// the tariff, as the first showing does, when asked.
inline void freshWindows(bool firstCheck = false) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  createWindows();
  if (firstCheck) FRMMain->BUTNKontrolaCislaClick();
}

// The two locales every locale-bound test runs under, as rows of a "locale" column.
inline void localeRows() {
  QTest::addColumn<QString>("locale");
  QTest::newRow("dot") << "en_US";
  QTest::newRow("comma") << "cs_CZ";
}
inline void useRowLocale() {
  QFETCH(QString, locale);
  QLocale::setDefault(QLocale(locale));
}
// '#' in an expected text stands for the default locale's decimal mark.
inline QString local(QString text) { return text.replace(u'#', QLocale().decimalPoint()); }

inline QStringList items(const QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}
inline void clickRow(QListWidget* list, int row, Qt::KeyboardModifiers keys = {}) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualItemRect(list->item(row)).center());
}
inline QStringList markers() { return items(FRMMain->LSTBXOznaceniVolice); }

// The texts of a row of the score table.
inline QStringList tableRow(int r) {
  QStringList out;
  for (int c = 0; c < FRMMain->STGOutput->columnCount(); ++c) {
    const auto* item = FRMMain->STGOutput->item(r, c);
    out << (item ? item->text() : QString());
  }
  return out;
}
// The players' sums in the last row.
inline QStringList sums() { return tableRow(FRMMain->STGOutput->rowCount() - 1).mid(0, FRMMain->playerCount()); }

// Starts a new game of these players from the roster, the given one declaring.
inline void startGame(const QStringList& names, int declarer = 0) {
  QListWidget* roster = FORMZadaniHracu->LBOXSeznamHracu;
  roster->clear();
  roster->addItems(names);
  if (declarer >= 0) roster->setCurrentRow(declarer);
  FRMMain->BUTNNOvaHraClick();
}
// Writes a hand row before the sum row and recomputes, as booking a hand does.
inline void appendHand(const QStringList& cells = {}) {
  kvadus::ScoreGrid& g = *FRMMain->grid;
  const int p = g.rowCount() - 1;
  g.setRowCount(p + 2);
  for (int c = 0; c < cells.size(); ++c) g.setCell(c, p, cells[c]);
  FRMMain->BUTNSpoctiSumuClick();
}
// The declarer's and the defenders' points, in tens.
inline void points(int declarer, int defenders) {
  FRMMain->RAGRUhrano->setItemIndex(declarer);
  FRMMain->RAGRProti->setItemIndex(defenders);
}

}  // namespace testsupport
