// A results file named on the command line: opened at start through the disk
// operations, as "Nahrat" and "Pouzit -->" would, after the settings file
// selection of the first showing.

#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "results/diskoperations.h"
#include "results/resultstext.h"
#include "settings/fileselect.h"
#include "shell/commandline.h"
#include "testsupport.h"

#include <QPlainTextEdit>
#include <QTimer>

using kvadus::MsgAnswer;
using namespace testsupport;

namespace {

// The results text of an evening of three players with two hands.
QStringList eveningText() {
  kvadus::MemoryGrid g;
  const QStringList names{"Franta", "Pepa", "Lojza"};
  kvadus::ledger::freshTable(g, names);
  const QList<QList<double>> hands{{2.0, -1.0, -1.0}, {-4.0, 2.0, 2.0}};
  for (const auto& hand : hands) {
    const int row = g.rowCount() - 1;
    g.setRowCount(row + 2);
    for (int c = 0; c < 3; ++c) g.setCell(c, row, kvadus::signedMoneyText(hand[c]));
  }
  kvadus::ledger::recomputeSums(g, 3, false);
  return kvadus::results::writeResults(g, {3, false, 0, false, QStringLiteral("1.1.2026 - 20:00:00")});
}

}  // namespace

class TestStartFile : public QObject {
  Q_OBJECT

  ScriptedPerson person;

 private slots:
  void init() {
    person.reset();
    freshWindows(true);
  }
  void cleanup() {
    destroyWindows();
    kvadus::setStartFile({});
  }

  void aResultsFileBecomesTheEvening() {
    WorkingFolder folder;
    const QString file = folder.path("vecer.kvd");
    QVERIFY(kvadus::writeTextFile(file, eveningText(), kvadus::SaveMode::Overwrite).ok);
    FRMMain->openStartFile(file);
    QCOMPARE(FRMMain->STGOutput->rowCount(), 4);  // names, two hands, sums
    QCOMPARE(tableRow(0).mid(0, 3), QStringList({"Franta", "Pepa", "Lojza"}));
    QCOMPARE(sums(),
             QStringList({kvadus::signedMoneyText(-2.0), kvadus::signedMoneyText(1.0), kvadus::signedMoneyText(1.0)}));
    QCOMPARE(items(FRMMain->LIBXHraci), QStringList({"Franta", "Pepa", "Lojza"}));
    // The text is in the disk operations, under the file's name, for saving back.
    QCOMPARE(FORMDiskoveOperace->outputLines(), eveningText());
    QCOMPARE(QDir::fromNativeSeparators(FORMDiskoveOperace->EDITFileName->text()), QFileInfo(file).absoluteFilePath());
    // Only the reader's notice, as after "Pouzit -->".
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QStringLiteral("Oznameni"));
  }

  void aRelativeNameIsTakenFromTheWorkingFolder() {
    WorkingFolder folder;
    QVERIFY(kvadus::writeTextFile(folder.path("hry/a.kvd"), eveningText(), kvadus::SaveMode::Overwrite).ok);
    FRMMain->openStartFile(QStringLiteral("hry/a.kvd"));
    QCOMPARE(FRMMain->STGOutput->rowCount(), 4);
  }

  void aMissingFileLeavesAnEmptyEvening() {
    WorkingFolder folder;
    FRMMain->openStartFile(folder.path("nic.kvd"));
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QStringLiteral("Chyba"));
    QCOMPARE(person.shown[0].text, QStringLiteral("Soubor neexistuje"));
    QCOMPARE(FRMMain->STGOutput->rowCount(), 2);
    QCOMPARE(FORMDiskoveOperace->EDITFileName->text(), TFORMDiskoveOperace::defaultFileName());
  }

  void aFolderOrDamagedTextLeavesAnEmptyEvening() {
    WorkingFolder folder;
    FRMMain->openStartFile(folder.path("hry"));  // a folder is no file to read
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(FRMMain->STGOutput->rowCount(), 2);

    person.reset();
    QStringList damaged = eveningText();
    for (QString& line : damaged)  // a column count that is no number
      if (line.contains(QStringLiteral("sloupcu")))
        line.replace(QRegularExpression(QStringLiteral("\\d")), QStringLiteral("x"));
    QVERIFY(kvadus::writeTextFile(folder.path("zla.kvd"), damaged, kvadus::SaveMode::Overwrite).ok);
    FRMMain->openStartFile(folder.path("zla.kvd"));
    QCOMPARE(person.shown.size(), 1);  // the reader's own message
    QCOMPARE(person.shown[0].caption, QStringLiteral("Chyba pri zpracovani textu"));
    QCOMPARE(FRMMain->STGOutput->rowCount(), 2);
  }

  // A file cut short is damaged data; one whose sums disagree with its hands
  // is used only when the person says so.
  void aCutOrEditedFileIsAskedAboutOrRefused() {
    WorkingFolder folder;
    const QStringList whole = eveningText();
    const qsizetype hry = whole.indexOf(QStringLiteral("  hry  : ") + QStringLiteral("-").repeated(19 * 3));
    QVERIFY(hry > 0);
    QVERIFY(kvadus::writeTextFile(folder.path("cut.kvd"), whole.mid(0, hry + 2), kvadus::SaveMode::Overwrite).ok);
    FRMMain->openStartFile(folder.path("cut.kvd"));
    QCOMPARE(person.texts(), QStringList({"Text neodpovida formatu (chyba v datech)"}));
    QCOMPARE(FRMMain->STGOutput->rowCount(), 2);

    QStringList edited = whole;
    edited[hry + 1].replace(QStringLiteral("+2.00"), QStringLiteral("+3.00"));
    QVERIFY(kvadus::writeTextFile(folder.path("edited.kvd"), edited, kvadus::SaveMode::Overwrite).ok);
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
      person.reset();
      person.answers << answer;
      FORMDiskoveOperace->REDTOutput->clear();  // as at start
      FRMMain->openStartFile(folder.path("edited.kvd"));
      QCOMPARE(person.texts().first(), kvadus::results::disagreeingSumsQuestion());
      QCOMPARE(FRMMain->STGOutput->rowCount(), answer == MsgAnswer::Yes ? 4 : 2);
    }
    QCOMPARE(sums().first(), kvadus::signedMoneyText(-1.0));
  }

  void nothingNamedNothingOpened() {
    FRMMain->openStartFile(QString());
    QVERIFY(person.shown.isEmpty());
    QVERIFY(FORMDiskoveOperace->outputLines().isEmpty());
  }

  // The whole first showing: the selection, the help, then the file.
  void theFirstShowingOpensTheStartFile() {
    WorkingFolder folder;
    QVERIFY(kvadus::writeTextFile(folder.path("vecer.kvd"), eveningText(), kvadus::SaveMode::Overwrite).ok);
    kvadus::setStartFile(folder.path("vecer.kvd"));
    QTimer::singleShot(0, FRMFileSelect->BUTNOk, &QPushButton::click);
    FRMMain->show();
    FRMMain->FormShow();
    QVERIFY(FRMMain->isVisible());
    QCOMPARE(FRMMain->STGOutput->rowCount(), 4);
    QCOMPARE(person.texts().filter(QStringLiteral("zpracovan uspesne")).size(), 1);
    QCOMPARE(person.shown.size(), 1);
  }

  void leavingAtTheSelectionOpensNothing() {
    WorkingFolder folder;
    QVERIFY(kvadus::writeTextFile(folder.path("vecer.kvd"), eveningText(), kvadus::SaveMode::Overwrite).ok);
    kvadus::setStartFile(folder.path("vecer.kvd"));
    QTimer::singleShot(0, FRMFileSelect->BUTNExit, &QPushButton::click);
    FRMMain->show();
    FRMMain->FormShow();
    QCOMPARE(FRMMain->STGOutput->rowCount(), 2);
    QVERIFY(FORMDiskoveOperace->outputLines().isEmpty());
  }
};

QTEST_MAIN(TestStartFile)
#include "test_start_file.moc"
