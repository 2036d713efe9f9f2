// The disk operations window: the evening as text, saved, appended, loaded,
// read back into the table and printed, driven through its buttons with the
// file and print dialogs answered as a person would.

#include "common/dialogs.h"
#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "results/diskoperations.h"
#include "correction/balancecorrection.h"
#include "results/resultstext.h"
#include "csvread.h"
#include "dialogperson.h"
#include "filesizelimit.h"
#include "testsupport.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringEncoder>
#include <QTabWidget>

#include <sys/stat.h>

using kvadus::MsgAnswer;
using kvadus::MsgButtons;
using namespace testsupport;

class TestDiskWindow : public QObject {
  Q_OBJECT

  TFRMMain* m = nullptr;
  TFORMDiskoveOperace* d = nullptr;
  ScriptedPerson person;
  DialogPerson dialogs;
  WorkingFolder* folder = nullptr;

  // Three players and two hands, the descriptions shown.
  void playEvening() {
    startGame({"Ada", "Bara", "Cyril"}, 1);
    appendHand({"      +1.00", "      -0.50", "      -0.50", "Ada : obycejna"});
    appendHand({"      -0.40", "      +0.80", "      -0.40", "Bara : betl"});
    visit();
  }
  // The person comes back to the window, which refreshes its buttons.
  void visit() {
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(d, &activate);
  }
  void click(QPushButton* b) {
    QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    QTest::mouseClick(b, Qt::LeftButton);
  }
  QString output() const { return d->REDTOutput->toPlainText(); }
  QStringList evening() const {
    QStringList rows;
    for (int r = 0; r < m->STGOutput->rowCount(); ++r) rows << tableRow(r).join(u'|');
    return rows + items(m->LIBXHraci) + QStringList{QString::number(m->declarerIndex()), m->LABLIndexVolice->text()};
  }

 private slots:
  void init() {
    person.reset();
    dialogs.reset();
    folder = new WorkingFolder;
    freshWindows(true);
    m = FRMMain;
    d = FORMDiskoveOperace;
    d->BUTNDefaultFilenameClick();
    d->show();
  }
  void cleanup() {
    destroyWindows();
    delete folder;
  }

  void buttonStatesFollowTableTextAndName();
  void knownEveningSavedByteForByte();
  void appendTwiceThenLoadAndUse();
  void loadAndAppendSkipsBlankLines();
  void emptyNameAsksForAFile();
  void overwriteAsksAndAFailedWriteKeepsTheOldFile();
  void failedReadsKeepTheEvening();
  void badFilesAreRefused();
  void legacyCodePageFile();
  void printsTheTextAndTheLog();
  void cutTextsAreRefusedAndTheEveningKept();
  void sumsThatDisagreeAreAskedAbout();
  void savedEveningsReadBackWithoutAQuestion();
  void appendingNeedsTheSamePlayers();
  void runningOutOfMemoryKeepsTheEvening();
  void pdfFilesHoldWhatPrintingPrints();
  void tableForSpreadsheets_data() { localeRows(); }
  void tableForSpreadsheets();
};

void TestDiskWindow::buttonStatesFollowTableTextAndName() {
  QCOMPARE(d->EDITFileName->text(), QDir::toNativeSeparators("hry/vysledky.kvd"));
  QCOMPARE(d->windowTitle(), QStringLiteral("diskove operace"));
  // No game, no text, no log.
  for (QPushButton* b : {d->BUTNVytvorVystup, d->BUTNPridatVystup, d->BUTNPouzit, d->BUTNSave, d->BUTNUlozitPridat,
                         d->BUTNSmazatVystup, d->BUTNTisk, d->BUTNSmazVysledky, d->BUTNTiskVysledku})
    QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
  QVERIFY(d->BUTNNahrat->isEnabled() && d->BUTNNahratAPridat->isEnabled());

  // A game without hands allows appending but nothing to create.
  startGame({"Ada", "Bara", "Cyril"});
  d->FormActivate();
  QVERIFY(d->BUTNPridatVystup->isEnabled());
  QVERIFY(!d->BUTNVytvorVystup->isEnabled());
  appendHand({"+1", "-0.5", "-0.5"});
  QVERIFY(!d->BUTNVytvorVystup->isEnabled());
  visit();
  QVERIFY(d->BUTNVytvorVystup->isEnabled());

  click(d->BUTNVytvorVystup);
  for (QPushButton* b : {d->BUTNPouzit, d->BUTNSave, d->BUTNUlozitPridat, d->BUTNSmazatVystup, d->BUTNTisk})
    QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));

  // Without a name nothing loads or saves; a typed name brings loading back,
  // saving only with the next change of the text.
  click(d->BUTNSmazNazev);
  QVERIFY(d->EDITFileName->text().isEmpty());
  for (QPushButton* b : {d->BUTNNahrat, d->BUTNNahratAPridat, d->BUTNSave, d->BUTNUlozitPridat})
    QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
  QTest::keyClicks(d->EDITFileName, "x.kvd");
  QVERIFY(d->BUTNNahrat->isEnabled() && d->BUTNNahratAPridat->isEnabled());
  QVERIFY(!d->BUTNSave->isEnabled());
  d->REDTOutput->appendPlainText("!");
  QVERIFY(d->BUTNSave->isEnabled() && d->BUTNUlozitPridat->isEnabled());
  click(d->BUTNDefaultFilename);
  QCOMPARE(d->EDITFileName->text(), QDir::toNativeSeparators("hry/vysledky.kvd"));

  // Clearing asks nothing; the log buttons follow the log.
  click(d->BUTNSmazatVystup);
  QVERIFY(output().isEmpty() && !d->BUTNSave->isEnabled() && !d->BUTNPouzit->isEnabled());
  d->RICHEDITVysledky->setPlainText("-  > x");
  QVERIFY(d->BUTNSmazVysledky->isEnabled() && d->BUTNTiskVysledku->isEnabled());
  click(d->BUTNSmazVysledky);
  QVERIFY(!d->BUTNSmazVysledky->isEnabled());
  QVERIFY(person.shown.isEmpty());

  // Editing is off until allowed, for both texts.
  QVERIFY(d->REDTOutput->isReadOnly() && d->RICHEDITVysledky->isReadOnly());
  d->CKBXEditace->click();
  QVERIFY(!d->REDTOutput->isReadOnly() && !d->RICHEDITVysledky->isReadOnly());
  d->CKBXEditace->click();
  QVERIFY(d->REDTOutput->isReadOnly());
}

void TestDiskWindow::knownEveningSavedByteForByte() {
  playEvening();
  click(d->BUTNVytvorVystup);
  const QStringList lines = d->outputLines();
  QVERIFY(lines.size() > 4 && lines[2].startsWith("  Datum a cas   : "));
  const QString dash = QStringLiteral("-------------------").repeated(4);
  const QStringList expected{
      "       Vysledky kvadusove bitvy",
      "======================================",
      lines[2],
      "  verze programu: 1.0",
      "  sloupcu       : 3+1",
      "  her           : 3",
      "  bude volit    : 2",
      "  Jmena hracu   :",
      "  -------" + dash,
      "       Ada;       Bara;      Cyril; vynasel hrac : typ,fleky [uhrano bodu, sedma]; ",
      "  hry  : " + dash,
      "     +1.00;      -0.50;      -0.50; Ada : obycejna; ",
      "     -0.40;      +0.80;      -0.40; Bara : betl; ",
      "  suma : " + dash,
      "     +0.60;      +0.30;      -0.90;  << sumy za kazdeho hrace (suma celkem: 0 penez); ",
  };
  QCOMPARE(lines, expected);

  click(d->BUTNSave);
  QCOMPARE(person.shown.last().caption, QStringLiteral("Oznameni"));
  QCOMPARE(person.shown.last().text, QStringLiteral("Data uspesne ulozena"));
  QByteArray bytes;
  for (const QString& l : expected) bytes += l.toUtf8() + "\r\n";
  QCOMPARE(bytesOf("hry/vysledky.kvd"), bytes);
}

void TestDiskWindow::appendTwiceThenLoadAndUse() {
  playEvening();
  click(d->BUTNVytvorVystup);
  const QString path = folder->path("hry/dva.kvd");
  d->EDITFileName->setText(path);
  click(d->BUTNUlozitPridat);
  click(d->BUTNUlozitPridat);
  QCOMPARE(person.texts(), QStringList({"Data uspesne ulozena", "Data uspesne ulozena"}));
  const QByteArray once = kvadus::encodeTextLines(d->outputLines());
  QCOMPARE(bytesOf(path), once + once);

  // Loading asks before it replaces the text; using it asks before it
  // replaces the evening.
  person.reset();
  click(d->BUTNNahrat);
  QCOMPARE(person.texts(), QStringList({"Opravdu premazat vystup?"}));
  QCOMPARE(d->outputLines().size(), 2 * 15);
  click(d->BUTNPouzit);
  QCOMPARE(person.texts(),
           QStringList({"Opravdu premazat vystup?", "Mate rozehranou hru.\nChcete ji zrusit a nahrat z vystupu ?",
                        "Soubor '" + path + "'\nzpracovan uspesne."}));
  QCOMPARE(person.shown.last().caption, QStringLiteral("Oznameni"));
  QCOMPARE(m->STGOutput->rowCount(), 6);
  QCOMPARE(tableRow(3), QStringList({"      +1.00", "      -0.50", "      -0.50", "Ada : obycejna"}));
  QCOMPARE(sums(), QStringList({"      +1.20", "      +0.60", "      -1.80"}));
  QCOMPARE(items(m->LIBXHraci), QStringList({"Ada", "Bara", "Cyril"}));
  QCOMPARE(m->declarerIndex(), 1);
  QCOMPARE(m->LABLIndexVolice->text(), QStringLiteral("1"));
  QCOMPARE(markers(), kvadus::ledger::roleMarkers(3, 1, 1));
  QVERIFY(m->CKBXZobrazovatDruhyHer->isChecked());
  QCOMPARE(m->STGOutput->columnWidth(3), 400);
  QCOMPARE(m->LABLPocetHer->text(), QStringLiteral("Pocet her: 4"));
  QVERIFY(m->BUTNPridejSkore->isEnabled());
  QCOMPARE(d->focusWidget(), d->BUTNZavrit);
  QCOMPARE(d->PGCTRLDisk->currentWidget(), d->TABVystup);

  // Declining the question keeps the evening.
  person.reset();
  person.answers << MsgAnswer::No;
  const QStringList before = evening();
  click(d->BUTNPouzit);
  QCOMPARE(evening(), before);
  QCOMPARE(person.shown.size(), 1);
}

void TestDiskWindow::loadAndAppendSkipsBlankLines() {
  writeBytes("hry/a.txt", "jedna\r\n\r\ndva\n\ntri");
  d->EDITFileName->setText("hry/a.txt");
  d->REDTOutput->setPlainText("prvni\n");  // a text ending in a line end
  click(d->BUTNNahratAPridat);
  QCOMPARE(d->outputLines(), QStringList({"prvni", "jedna", "dva", "tri"}));
  click(d->BUTNNahratAPridat);
  QCOMPARE(d->outputLines(), QStringList({"prvni", "jedna", "dva", "tri", "jedna", "dva", "tri"}));
  QVERIFY(person.shown.isEmpty());

  d->EDITFileName->setText("hry/nic.txt");
  click(d->BUTNNahratAPridat);
  QCOMPARE(person.shown.last().caption, QStringLiteral("Chyba"));
  QCOMPARE(person.shown.last().text, QStringLiteral("Soubor nelze otevrit."));
  QCOMPARE(d->outputLines().size(), 7);
}

void TestDiskWindow::emptyNameAsksForAFile() {
  playEvening();
  click(d->BUTNSmazNazev);
  click(d->BUTNVytvorVystup);
  // Cancelled: the default name stays in the field, nothing is written.
  click(d->BUTNSave);
  QCOMPARE(dialogs.titles, QStringList({"Ulozeni do souboru"}));
  QCOMPARE(QFileInfo(dialogs.offered.value(0)).fileName(), QStringLiteral("vysledky.kvd"));
  QCOMPARE(d->EDITFileName->text(), QDir::toNativeSeparators("hry/vysledky.kvd"));
  QVERIFY(!QFile::exists("hry/vysledky.kvd"));
  QVERIFY(person.shown.isEmpty());

  click(d->BUTNSmazNazev);
  dialogs.file = folder->path("hry/vyber.kvd");
  d->REDTOutput->appendPlainText("");  // saving comes back with a change of the text
  click(d->BUTNSave);
  QCOMPARE(d->EDITFileName->text(), QDir::toNativeSeparators(dialogs.file));
  QCOMPARE(person.texts(), QStringList({"Data uspesne ulozena"}));
  QVERIFY(QFile::exists(dialogs.file));

  // "Vyber >>" only names the file, with its own filters.
  dialogs.reset();
  dialogs.file = folder->path("hry/jiny.kvd");
  click(d->BUTNVyber);
  QCOMPARE(dialogs.titles, QStringList({"Vyber souboru"}));
  QCOMPARE(d->DLGOpenFile->nameFilters().first(), QStringLiteral("Kvadusove partie (*.kvd)"));
  QCOMPARE(d->EDITFileName->text(), QDir::toNativeSeparators(dialogs.file));
  QVERIFY(!QFile::exists(dialogs.file));
}

void TestDiskWindow::overwriteAsksAndAFailedWriteKeepsTheOldFile() {
  playEvening();
  click(d->BUTNVytvorVystup);
  const QByteArray old = QByteArray("stary obsah\r\n").repeated(4);
  writeBytes("hry/vysledky.kvd", old);

  person.answers << MsgAnswer::No;
  click(d->BUTNSave);
  QCOMPARE(person.texts(), QStringList({"Soubor s danym jmenem jiz existuje.\nOpravdu ho chcete prepsat ?"}));
  QCOMPARE(bytesOf("hry/vysledky.kvd"), old);

  // The disk fills up half way through the new text: the old file stays.
  for (auto mode : {kvadus::SaveMode::Overwrite, kvadus::SaveMode::Append}) {
    person.reset();
    int result = 0;
    {
      FileSizeLimit full(100);
      result = d->saveToFile(d->EDITFileName->text(), mode, d->outputLines());
    }
    QCOMPARE(result, -1);
    QCOMPARE(person.shown.last().caption, QStringLiteral("Chyba pri ukladani souboru"));
    // Overwriting names the system's reason; appending keeps its own message.
    QCOMPARE(person.shown.last().text, mode == kvadus::SaveMode::Append
                                           ? QStringLiteral("Chyba pri zapisu (plny disk ?)")
                                           : QStringLiteral("File too large"));
    QCOMPARE(bytesOf("hry/vysledky.kvd"), old);
    QCOMPARE(QDir("hry").entryList(QDir::Files), QStringList({"vysledky.kvd"}));  // no temporary left
  }

  // A folder in the file's place: the error, nothing else.
  QDir().mkpath("hry/slozka.kvd");
  person.reset();
  QCOMPARE(d->saveToFile("hry/slozka.kvd", kvadus::SaveMode::Overwrite, {"x"}), -1);
  QCOMPARE(person.shown.size(), 1);
  QCOMPARE(person.shown.last().caption, QStringLiteral("Chyba pri ukladani souboru"));
  QCOMPARE(d->saveToFile("hry/slozka.kvd", kvadus::SaveMode::Append, {"x"}), -1);
  QCOMPARE(person.shown.last().text, QStringLiteral("Soubor nelze otevrit pro pridani"));

  // Yes overwrites; an append to a file whose last line has no end starts a new line.
  person.reset();
  QCOMPARE(d->saveToFile("hry/vysledky.kvd", kvadus::SaveMode::Overwrite, {"a"}), 1);
  QCOMPARE(bytesOf("hry/vysledky.kvd"), QByteArray("a\r\n"));
  writeBytes("hry/konec.kvd", "bez konce");
  QCOMPARE(d->saveToFile("hry/konec.kvd", kvadus::SaveMode::Append, {"b"}), 1);
  QCOMPARE(bytesOf("hry/konec.kvd"), QByteArray("bez konce\r\nb\r\n"));
}

void TestDiskWindow::failedReadsKeepTheEvening() {
  playEvening();
  const QStringList before = evening();
  const QString bad =
      "  sloupcu       : 3+1\n  Jmena hracu   :\n  X; Y; Z; popis; \n  hry  : ---\n"
      "  +1.00; abc; -1.00; x; ";

  // Replace mode.
  d->REDTOutput->setPlainText(bad);
  click(d->BUTNPouzit);
  QCOMPARE(person.shown.last().caption, QStringLiteral("Chyba pri zpracovani textu"));
  QCOMPARE(person.shown.last().text, QStringLiteral("Text neodpovida formatu (chyba v datech)"));
  QCOMPARE(evening(), before);
  QCOMPARE(d->PGCTRLDisk->currentWidget(), d->TABVysledky);
  QCOMPARE(d->logLines().last(), QStringLiteral("x  >   +1.00; abc; -1.00; x; "));
  QCOMPARE(d->logLines().first(), QStringLiteral("+  >   sloupcu       : 3+1"));
  QCOMPARE(d->focusWidget(), d->BUTNZavrit);

  // Append mode, with a text of another column count (no question is asked).
  person.reset();
  d->REDTOutput->setPlainText("sloupcu : 4+1\njmena\nA; B; C; D; e; \nhry\n1; 1; 1; -3; x; ");
  click(d->BUTNPridatVystup);
  QCOMPARE(person.texts(), QStringList({"Pocet sloupcu v prave hrane hre je 4, soubor ale obsahuje 5 sloupcu\n"
                                        "- koncim konverzi"}));
  QCOMPARE(evening(), before);

  // A good text appends: the new hands follow the old ones.
  person.reset();
  d->REDTOutput->setPlainText("sloupcu : 3+1\nhry\n-3; 1,5; 1.5; dalsi; \nsuma\n-3; 1.5; 1.5; ; ");
  click(d->BUTNPridatVystup);
  QCOMPARE(person.shown.last().caption, QStringLiteral("Oznameni"));
  QCOMPARE(m->STGOutput->rowCount(), 5);
  QCOMPARE(tableRow(3), QStringList({"      -3.00", "      +1.50", "      +1.50", "dalsi"}));
  QCOMPARE(sums(), QStringList({"      -2.40", "      +1.80", "      +0.60"}));
}

void TestDiskWindow::badFilesAreRefused() {
  playEvening();
  const QStringList before = evening();
  click(d->BUTNVytvorVystup);

  // Missing: the text output was emptied after Yes.
  d->EDITFileName->setText("hry/neni.kvd");
  click(d->BUTNNahrat);
  QCOMPARE(person.shown.last().caption, QStringLiteral("Chyba"));
  QCOMPARE(person.shown.last().text, QStringLiteral("Soubor neexistuje"));
  QVERIFY(output().isEmpty());

  // A folder, a pipe and a file too large to be ours.
  QDir().mkpath("hry/slozka");
  QCOMPARE(mkfifo("hry/roura", 0600), 0);
  for (const char* name : {"hry/slozka", "hry/roura"}) {
    person.reset();
    d->EDITFileName->setText(name);
    click(d->BUTNNahrat);
    QCOMPARE(person.shown.last().caption, QStringLiteral("Chyba pri cteni ze souboru"));
    QVERIFY(!person.shown.last().text.isEmpty());
  }

  // Binary junk loads as text, and reading it fails without harm.
  QByteArray junk;
  for (int i = 0; i < 4096; ++i) junk += char((i * 7919) % 256);
  writeBytes("hry/smeti.kvd", "sloupcu : 3+1\r\nhry\r\n" + junk);
  person.reset();
  d->EDITFileName->setText("hry/smeti.kvd");
  click(d->BUTNNahrat);
  QVERIFY(person.shown.isEmpty());
  click(d->BUTNPouzit);
  QCOMPARE(person.shown.last().caption, QStringLiteral("Chyba pri zpracovani textu"));
  QCOMPARE(evening(), before);
}

void TestDiskWindow::legacyCodePageFile() {
  const QString text = QStringLiteral(
      "sloupcu : 3\r\nbude : 3\r\njmena\r\nŠárka; Žofie; Čeněk; \r\nhry\r\n"
      "1; -0,5; -0,5; \r\nsuma\r\n1; -0,5; -0,5; \r\n");
  QStringEncoder cp1250("windows-1250");
  writeBytes("hry/stary.kvd", cp1250.encode(text));
  d->EDITFileName->setText("hry/stary.kvd");
  click(d->BUTNNahrat);
  QVERIFY(output().contains(QStringLiteral("Šárka; Žofie; Čeněk;")));
  click(d->BUTNPouzit);
  QCOMPARE(items(m->LIBXHraci), QStringList({"Šárka", "Žofie", "Čeněk"}));
  QCOMPARE(m->declarerIndex(), 2);
  QCOMPARE(tableRow(1), QStringList({"      +1.00", "      -0.50", "      -0.50", ""}));

  // Appending a letter the code page lacks: asked first; No writes nothing.
  const QByteArray kept = bytesOf("hry/stary.kvd");
  const QString question = QStringLiteral(
      "Soubor je v kodovani Windows-1250 a pridavany text obsahuje znaky, "
      "ktere v nem nejsou.\nPrevest cely soubor do UTF-8 ?");
  person.reset();
  person.answers << MsgAnswer::No;
  QCOMPARE(d->saveToFile("hry/stary.kvd", kvadus::SaveMode::Append, {"Łódź ☺"}), 0);
  QCOMPARE(person.texts(), QStringList{question});
  QCOMPARE(person.shown[0].buttons, MsgButtons::YesNo);
  QCOMPARE(bytesOf("hry/stary.kvd"), kept);

  // Yes turns the whole file into UTF-8, the new lines after it.
  person.reset();
  QCOMPARE(d->saveToFile("hry/stary.kvd", kvadus::SaveMode::Append, {"Łódź ☺"}), 1);
  QCOMPARE(person.texts(), QStringList({question, "Data uspesne ulozena"}));
  QCOMPARE(QString::fromUtf8(bytesOf("hry/stary.kvd")), text + QStringLiteral("Łódź ☺\r\n"));
}

void TestDiskWindow::printsTheTextAndTheLog() {
  playEvening();
  click(d->BUTNVytvorVystup);
  dialogs.pdf = folder->path("vystup.pdf");
  click(d->BUTNTisk);
  QCOMPARE(dialogs.titles.size(), 1);
  QCOMPARE(pdfPages(dialogs.pdf), 1);

  // The log, several pages long, printed to a file through the print
  // dialog, which offers that, and saved as a PDF: the printer's pages both times.
  QStringList log;
  for (int i = 0; i < 300; ++i) log << QStringLiteral("+  > radek %1").arg(i);
  d->RICHEDITVysledky->setPlainText(log.join(u'\n'));
  dialogs.pdf = folder->path("log.pdf");
  dialogs.file = folder->path("log-pdf.pdf");
  click(d->BUTNTiskVysledku);
  click(d->BUTNPdfVysledku);
  const int pages = printedPages([&](QPagedPaintDevice& dev) { return kvadus::paintPlainText(dev, log.join(u'\n')); },
                                 folder->path("papir.pdf"));
  QVERIFY(pages >= 3 && pdfPages(dialogs.pdf) == pages && pdfPages(dialogs.file) == pages);
  QCOMPARE(dialogs.printToFile, QList<bool>({true, true}));
  QVERIFY(pdfText(dialogs.file).contains("radek 299"));

  // Cancelled: nothing printed.
  dialogs.pdf.clear();
  click(d->BUTNTisk);
  QCOMPARE(dialogs.titles.size(), 4);
}

void TestDiskWindow::cutTextsAreRefusedAndTheEveningKept() {
  playEvening();
  click(d->BUTNVytvorVystup);
  const QByteArray whole = kvadus::encodeTextLines(d->outputLines());
  appendHand({"      +0.20", "      -0.10", "      -0.10", "dalsi"});
  const QStringList before = evening();
  // Cut at every line end and in the middle of every line; read in place of
  // the evening and appended to it.
  QList<qsizetype> cuts;
  for (qsizetype at = whole.indexOf('\n'), from = 0; at >= 0; from = at + 1, at = whole.indexOf('\n', from))
    cuts << (from + at) / 2 << at + 1;
  cuts.removeLast();  // the whole file
  for (qsizetype cut : cuts) {
    writeBytes("hry/cut.kvd", whole.left(cut));
    d->EDITFileName->setText("hry/cut.kvd");
    click(d->BUTNNahrat);
    const QStringList lines = d->outputLines();
    for (QPushButton* b : {d->BUTNPouzit, d->BUTNPridatVystup}) {
      person.reset();
      click(b);
      const QString where = QStringLiteral("cut at %1 by %2").arg(cut).arg(b->objectName());
      QVERIFY2(person.shown.last().text == QStringLiteral("Text neodpovida formatu (chyba v datech)"),
               qPrintable(where));
      QVERIFY2(evening() == before, qPrintable(where));
      // The log ends with the last line read, marked.
      QCOMPARE(d->logLines().last(), QStringLiteral("x  > ") + lines.last());
    }
  }
}

void TestDiskWindow::sumsThatDisagreeAreAskedAbout() {
  playEvening();
  click(d->BUTNVytvorVystup);
  QStringList edited = d->outputLines();
  QCOMPARE(edited[11], QStringLiteral("     +1.00;      -0.50;      -0.50; Ada : obycejna; "));
  edited[11] = QStringLiteral("     +1.00;      -0.60;      -0.50; Ada : obycejna; ");
  d->REDTOutput->setPlainText(edited.join(u'\n'));
  const QStringList before = evening();
  const QString question =
      "Soucty hracu v textu nesouhlasi s odehranymi hrami\n(text byl upraven nebo je poskozen).\n"
      "Pouzit ho presto ?";

  // No: the evening stays, the log shows the sum line that disagrees.
  person.answers << MsgAnswer::Yes << MsgAnswer::No;
  click(d->BUTNPouzit);
  QCOMPARE(person.texts().last(), question);
  QCOMPARE(person.shown.last().caption, QStringLiteral("Dotaz"));
  QCOMPARE(person.shown.last().buttons, MsgButtons::YesNo);
  QCOMPARE(evening(), before);
  QCOMPARE(d->PGCTRLDisk->currentWidget(), d->TABVysledky);
  QCOMPARE(d->logLines().last(), "?  > " + edited.last());
  QCOMPARE(d->logLines().size(), edited.size());

  // Yes: the text's hands, the sums from them.
  person.reset();
  click(d->BUTNPouzit);
  QCOMPARE(person.texts().mid(1), QStringList({question, "Soubor 'hry/vysledky.kvd'\nzpracovan uspesne."}));
  QCOMPARE(tableRow(1).mid(0, 3), QStringList({"      +1.00", "      -0.60", "      -0.50"}));
  QCOMPARE(sums(), QStringList({"      +0.60", "      +0.20", "      -0.90"}));

  // Appending asks too, and Enter in the real box answers No.
  const QStringList now = evening();
  const kvadus::MessageResponder scripted = kvadus::setMessageResponder({});
  bool defaultNo = false;
  QTimer::singleShot(0, this, [&defaultNo] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    defaultNo = box->defaultButton() == box->button(QMessageBox::No) && box->text().startsWith("Soucty");
    QTest::keyClick(box, Qt::Key_Return);
  });
  d->BUTNPridatVystupClick();
  kvadus::setMessageResponder(scripted);
  QVERIFY(defaultNo);
  QCOMPARE(evening(), now);
}

// Evenings played, folded, corrected and appended as a person does, by forty
// players under a comma locale, are written and read back without a question.
void TestDiskWindow::savedEveningsReadBackWithoutAQuestion() {
  QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
  QStringList names;
  for (int i = 0; i < 40; ++i) names << QStringLiteral("Hrac %1").arg(i);
  m->CKBXHraniPauzirovaneho->setChecked(true);
  startGame(names, 3);
  auto playHands = [&](int count) {
    for (int i = 0; i < count; ++i) {
      m->RAGRPocitaniPauziraku->setItemIndex(i % 4);
      points(i % 6 + 3, 6 - i % 6);
      m->CKBXCervene->setChecked(i % 3 == 0);
      QVERIFY(!m->BUTNPridejSkore->isHidden());
      QTest::mouseClick(m->BUTNPridejSkore, Qt::LeftButton);
    }
  };
  // The hands and the players' sums (the sum row's description is made anew).
  auto money = [&] {
    const QStringList all = evening();
    return all.mid(1, m->STGOutput->rowCount() - 2) + sums() + all.mid(m->STGOutput->rowCount());
  };
  auto readBack = [&](QPushButton* by, const QString& what, bool same = true) {
    person.reset();
    const QStringList before = money();
    click(by);
    QVERIFY2(!person.texts().contains(kvadus::results::disagreeingSumsQuestion()), qPrintable(what));
    QVERIFY2(person.shown.last().caption == QStringLiteral("Oznameni"), qPrintable(what + person.texts().join(" | ")));
    QVERIFY2(!same || money() == before, qPrintable(what));
  };
  auto textOfTheEvening = [&] {
    d->REDTOutput->clear();
    visit();
    click(d->BUTNVytvorVystup);
  };
  playHands(25);
  textOfTheEvening();
  readBack(d->BUTNPouzit, "played");
  m->POPUPSmazHry->trigger();  // folded into one row
  playHands(7);
  textOfTheEvening();
  readBack(d->BUTNPouzit, "folded");

  FRMUpravaStavu->show();
  FRMUpravaStavu->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(FRMUpravaStavu));
  FRMUpravaStavu->STRGRNoveClick(5);
  FRMUpravaStavu->EDITNovePenize->setText("12,37");
  FRMUpravaStavu->EDITNovePenizeExit(nullptr, false);
  FRMUpravaStavu->BUTNPouzitClick();
  FRMUpravaStavu->hide();
  QCOMPARE(tableRow(1).last(), QStringLiteral("uprava stavu penez"));
  playHands(4);
  textOfTheEvening();
  readBack(d->BUTNPouzit, "corrected");

  readBack(d->BUTNPridatVystup, "appended to itself", false);
  textOfTheEvening();
  readBack(d->BUTNPouzit, "appended");
  d->EDITFileName->setText("hry/dvakrat.kvd");
  click(d->BUTNUlozitPridat);
  click(d->BUTNUlozitPridat);
  click(d->BUTNNahrat);
  readBack(d->BUTNPouzit, "saved twice to one file", false);
  QCOMPARE(d->logLines().filter(QRegularExpression("^[x?]")), QStringList());
}

void TestDiskWindow::appendingNeedsTheSamePlayers() {
  startGame({"Ada", "Bara", "Cyril", "Dan"});
  appendHand({"      +1.50", "      -0.50", "      -0.50", "      -0.50", "Ada : obycejna"});
  const QString three = "sloupcu : 3+1\njmena\nA; B; C; popis; \nhry\n1; -0,5; -0,5; hra; \nsuma\n1; -0,5; -0,5; s; ";
  m->CKBXZobrazovatDruhyHer->setChecked(false);  // Yes to the question: four columns, four players
  QCOMPARE(m->STGOutput->columnCount(), 4);
  const QStringList before = evening();
  // Three players and descriptions make four columns too, but not four players.
  person.reset();
  d->REDTOutput->setPlainText(three);
  visit();
  click(d->BUTNPridatVystup);
  QCOMPARE(person.texts(),
           QStringList{"Pocet sloupcu v prave hrane hre je 4, soubor ale obsahuje 3 sloupcu\n- koncim konverzi"});
  QCOMPARE(evening(), before);
  QCOMPARE(d->logLines().last(), QStringLiteral("x  > sloupcu : 3+1"));
  // With the descriptions shown, four players' text appends.
  m->CKBXZobrazovatDruhyHer->setChecked(true);
  person.reset();
  d->REDTOutput->setPlainText(
      "sloupcu : 4+1\njmena\nA; B; C; D; popis; \nhry\n1; -1; 0; 0; hra; \nsuma\n1; -1; 0; 0; s; ");
  click(d->BUTNPridatVystup);
  QCOMPARE(person.shown.last().caption, QStringLiteral("Oznameni"));
  QCOMPARE(sums(), QStringList({"      +2.50", "      -1.50", "      -0.50", "      -0.50"}));
}

// A text within the bound that the memory cannot hold (100 MB of address
// space left, where a thousand by a thousand cells need about 270 MB): told,
// and the evening stays, whether the reading or the showing runs out.
void TestDiskWindow::runningOutOfMemoryKeepsTheEvening() {
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZUZ_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ZUZ_ADDRESS_SANITIZER)
  QSKIP("the address sanitizer reserves more address space than any limit leaves");
#else
  playEvening();
  const QStringList before = evening();
  QStringList text{"sloupcu : 999+1", "hry"};
  for (int i = 0; i < 998; ++i) text << QStringLiteral("0;0");
  text << QStringLiteral("suma") << QStringLiteral("0; ").repeated(1000);
  d->REDTOutput->setPlainText(text.join(u'\n'));
  QFile status("/proc/self/status");
  QVERIFY(status.open(QIODevice::ReadOnly));
  const QString vm = QString::fromLatin1(status.readAll()).section(QStringLiteral("VmSize:"), 1).section(u'k', 0, 0);
  rlimit old{};
  getrlimit(RLIMIT_AS, &old);
  rlimit small = old;
  small.rlim_cur = (vm.trimmed().toULongLong() + 100 * 1024) * 1024;
  setrlimit(RLIMIT_AS, &small);
  d->BUTNPouzitClick();
  setrlimit(RLIMIT_AS, &old);
  QCOMPARE(person.texts().last(), QStringLiteral("Nedostatek pameti - text nelze zpracovat"));
  QCOMPARE(person.shown.last().caption, QStringLiteral("Chyba pri zpracovani textu"));
  QCOMPARE(evening(), before);
#endif
}

void TestDiskWindow::pdfFilesHoldWhatPrintingPrints() {
  playEvening();
  click(d->BUTNVytvorVystup);
  QCOMPARE(d->BUTNPdf->toolTip(), QStringLiteral("ulozit jako soubor PDF (Alt+F)"));
  const QString today = QDate::currentDate().toString(Qt::ISODate);

  // The text output: the evening's file offered in the saved evenings' folder.
  dialogs.file = folder->path("hry/text.pdf");
  click(d->BUTNPdf);
  QCOMPARE(dialogs.shown, QStringList({"DLGSavePdf"}));
  QCOMPARE(QFileInfo(dialogs.offered.value(0)).fileName(), "vecer-" + today + ".pdf");
  QCOMPARE(QFileInfo(dialogs.offered.value(0)).dir().dirName(), QStringLiteral("hry"));
  QCOMPARE(person.texts(), QStringList({"Data uspesne ulozena"}));
  QVERIFY(bytesOf(dialogs.file).startsWith("%PDF-"));
  const QString text = d->REDTOutput->toPlainText();
  const auto paintText = [&](QPagedPaintDevice& dev) { return kvadus::paintPlainText(dev, text); };
  QCOMPARE(pdfPages(dialogs.file), printedPages(paintText, folder->path("papir.pdf")));
  const QString read = pdfText(dialogs.file);
  for (const char* figure : {"Vysledky kvadusove bitvy", "Ada;", "Cyril;", "+1.00;", "-0.40;", "Bara : betl", "+0.60;"})
    QVERIFY2(read.contains(QLatin1String(figure)), figure);

  // A taken name: the next one is offered; replacing a file is asked first.
  writeBytes(folder->path("hry/vecer-" + today + ".pdf"), "old");
  dialogs.reset();
  person.reset();
  person.answers = {MsgAnswer::No};
  dialogs.file = folder->path("hry/text.pdf");
  click(d->BUTNPdf);
  QCOMPARE(QFileInfo(dialogs.offered.value(0)).fileName(), "vecer-" + today + "-2.pdf");
  QCOMPARE(person.texts(), QStringList({"Soubor s danym jmenem jiz existuje.\nOpravdu ho chcete prepsat ?"}));
  QCOMPARE(pdfPages(dialogs.file), pdfPages(folder->path("hry/text.pdf")));  // still there, unchanged
  dialogs.file.clear();  // a cancelled dialog writes nothing, says nothing
  click(d->BUTNPdf);
  QCOMPARE(person.shown.size(), 1);

  // Under a size limit a PDF, saved or printed to a file, fails whole: the
  // file and the system's reason are told, nothing is left.
  person.reset();
  dialogs.file = folder->path("maly/maly.pdf");
  dialogs.pdf = folder->path("maly/tisk.pdf");
  QVERIFY(QDir().mkpath(folder->path("maly")));
  {
    const FileSizeLimit limit(1000);
    click(d->BUTNPdf);
    click(d->BUTNTisk);
  }
  QCOMPARE(person.shown.size(), 2);
  for (const Shown& box : person.shown) {
    QCOMPARE(box.caption, QStringLiteral("Chyba pri ukladani souboru"));
    QVERIFY2(box.text.contains("Soubor ") && !box.text.section(u'\n', 1).trimmed().isEmpty(), qPrintable(box.text));
  }
  QCOMPARE(QDir(folder->path("maly")).entryList(QDir::Files), QStringList());
}

// Names with the separator, a quote and Czech letters and a two-line
// description come back cell for cell through Python's csv reader.
void TestDiskWindow::tableForSpreadsheets() {
  useRowLocale();
  startGame({"Šá;rka", "Ž\"ofie", "Čeněk,"}, 0);
  appendHand({"      +1.25", "      -0.75", "      -0.50", "Šá;rka : obycejna\n[60,30]"});
  appendHand({"     -12.40", "      +6.20", "      +6.20", "Ž\"ofie : betl"});
  visit();
  dialogs.file = folder->path("hry/tabulka.csv");
  click(d->BUTNUlozitTabulku);
  QCOMPARE(dialogs.shown, QStringList({"DLGSaveTable"}));
  QCOMPARE(QFileInfo(dialogs.offered.value(0)).suffix(), QStringLiteral("csv"));
  QVERIFY(bytesOf(dialogs.file).startsWith("\xEF\xBB\xBF"));

  const QString separator = QLocale().decimalPoint() == "," ? ";" : ",";
  const QList<QStringList> rows = pythonCsv(dialogs.file, separator);
  QCOMPARE(rows.size(), 4);
  QStringList cells;
  for (const QStringList& row : rows) cells << row.join(u'|');
  const QString table = local(
      "hra|Šá;rka|Ž\"ofie|Čeněk,|popis\n"
      "1|1#25|-0#75|-0#50|Šá;rka : obycejna\n[60,30]\n"
      "2|-12#40|6#20|6#20|Ž\"ofie : betl\n"
      "celkem|-11#15|5#45|5#70|");
  QCOMPARE(cells.join(u'\n'), table + tableRow(3).value(3));
}

QTEST_MAIN(TestDiskWindow)
#include "test_disk_window.moc"
