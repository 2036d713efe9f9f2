// The season window: opened from the disk operations and the main window, it
// reads the saved evenings' folder in the background and shows the evenings,
// the players and the chart of their running totals.

#include "common/appfolders.h"
#include "csvread.h"
#include "dialogperson.h"
#include "filesizelimit.h"
#include "results/diskoperations.h"
#include "seasonfolder.h"
#include "stats/chartview.h"
#include "stats/resultschart.h"
#include "stats/season.h"
#include "stats/seasonwindow.h"
#include "common/keyboard.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QChartView>
#include <QLayout>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTabWidget>

using namespace kvadus;
using testsupport::SeasonFolder;
using namespace testsupport;

namespace {

bool waitForSeason() {
  if (!FRMSezona) return false;
  QSignalSpy shown(FRMSezona, &TFRMSezona::seasonShown);
  return FRMSezona->reading() ? shown.wait(10000) : true;
}

}  // namespace

class TestSeasonWindow : public QObject {
  Q_OBJECT
  testsupport::ScriptedPerson person;

 private slots:
  void init() {
    person.reset();
    testsupport::freshWindows();
  }
  void cleanup() { destroyWindows(); }

  void seasonOfTheSavedEvenings() {
    testsupport::WorkingFolder folder;
    const SeasonFolder saved(folder.path("hry"));
    testsupport::startGame({"Ja", "Ty", "On"});
    testsupport::appendHand({"+0.20", "-0.10", "-0.10"});
    const QStringList tonight = testsupport::tableRow(1);

    FORMDiskoveOperace->BUTNSezona->click();
    QVERIFY(FRMSezona);
    QCOMPARE(FRMSezona->windowTitle(), QStringLiteral("Sezona"));
    QCOMPARE(FRMSezona->EDITSlozka->text(), QDir::toNativeSeparators(gamesFolder()));
    // The chart view is made for the first reading shown, or with its page,
    // on top of the page.
    QVERIFY(!FRMSezona->CHARTSezona.made() && !FRMSezona->findChild<QChartView*>());
    FRMSezona->PGCTRLSezona->setCurrentWidget(FRMSezona->PGPrubeh);
    QCOMPARE(FRMSezona->PGPrubeh->layout()->itemAt(0)->widget(), FRMSezona->CHARTSezona.get());
    QCOMPARE(FRMSezona->CHARTSezona->objectName(), QStringLiteral("CHARTSezona"));
    QVERIFY(!kvadus::accessibleName(FRMSezona->CHARTSezona).isEmpty());
    QWidget* next = FRMSezona->CHARTSezona->nextInFocusChain();  // Tab: from the chart to the box under it
    while (FRMSezona->CHARTSezona->isAncestorOf(next) || next->focusPolicy() == Qt::NoFocus)
      next = next->nextInFocusChain();
    QCOMPARE(next, FRMSezona->CHBXZobrazitMinMax);
    FRMSezona->PGCTRLSezona->setCurrentWidget(FRMSezona->PGVecery);
    QVERIFY(waitForSeason());

    // The tables are the season's rows; unreadable files listed with their reason.
    const season::Season read = season::readSeason(gamesFolder());
    const QList<QStringList> rows = TFRMSezona::tableRows(FRMSezona->STRGRSezona);
    QCOMPARE(rows, season::seasonRows(read));
    QCOMPARE(TFRMSezona::tableRows(FRMSezona->STRGRHraci), season::playerRows(read));
    QCOMPARE(FRMSezona->PRGBRCteni->value(), 5);
    QCOMPARE(FRMSezona->LABLStav->text(), QStringLiteral("4 vecery, her: 9, hracu: 4; vynechane soubory: 1"));
    QCOMPARE(testsupport::items(FRMSezona->LSTBXVynechane),
             QStringList({"poskozeny.kvd: Text neodpovida formatu (chyba v datech) (radek 12)"}));
    QCOMPARE(FRMSezona->PGCTRLSezona->tabText(3), QStringLiteral("vynechane soubory (1)"));

    // The chart's points are the running totals, in the players' colours.
    QCOMPARE(FRMSezona->seriesTitles(),
             QStringList({"  (0) - Pepa", "  (1) - Jana", "  (2) - Karel", "  (3) - Jan Novak"}));
    for (int p = 0; p < saved.persons.size(); ++p) {
      QList<qint64> cents;
      for (double v : FRMSezona->seriesPoints(p)) cents << qRound64(v * 100);
      QCOMPARE(cents, saved.running(saved.persons[p]));
      QCOMPARE(FRMSezona->seriesColors().value(p), paletteQColor(stats::playerPaletteEntry(p)));
    }
    QVERIFY(FRMSezona->chart()->marks().contains(QStringLiteral("3.03  (3)")));

    // The evening at the table and the seven windows are untouched.
    QCOMPARE(testsupport::tableRow(1), tonight);
    QVERIFY(creationOrder().size() <= 7);
    QVERIFY(!creationOrder().contains(QStringLiteral("FRMSezona")));

    // The main window's button opens the same window and reads again.
    TFRMSezona* window = FRMSezona;
    FRMMain->BUTNSezona->click();
    QCOMPARE(FRMSezona, window);
    QVERIFY(FRMSezona->reading());
    QVERIFY(waitForSeason());
    QCOMPARE(TFRMSezona::tableRows(FRMSezona->STRGRSezona), rows);
  }

  void buttonsFitWhereTheyAre() {
    // In the strip under the score table, inside its group and clear of the others.
    QPushButton* b = FRMMain->BUTNSezona;
    QCOMPARE(b->text(), QStringLiteral("sezona >>"));
    QCOMPARE(b->toolTip(), QStringLiteral("souhrn ulozenych veceru (Alt+G)"));
    QVERIFY(FRMMain->GRPBXTabulka->rect().contains(b->geometry()));
    for (QWidget* other : FRMMain->GRPBXTabulka->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (other != b && !other->isHidden())
        QVERIFY2(!other->geometry().intersects(b->geometry()), qPrintable(other->objectName()));
    QCOMPARE(FORMDiskoveOperace->BUTNSezona->toolTip(), QStringLiteral("souhrn ulozenych veceru (Alt+O)"));
    FORMDiskoveOperace->show();
    QVERIFY(FORMDiskoveOperace->BUTNSezona->width() >= FORMDiskoveOperace->BUTNSezona->sizeHint().width());
  }

  void marksFolderChoiceAndClosing() {
    testsupport::WorkingFolder folder;
    QDir().mkpath(folder.path("jinde"));
    const SeasonFolder saved(folder.path("jinde"));
    testsupport::DialogPerson dialogs;
    dialogs.file = folder.path("jinde");
    FRMMain->BUTNSezonaClick();
    QVERIFY(waitForSeason());
    QCOMPARE(FRMSezona->LABLStav->text(), QStringLiteral("0 veceru, her: 0, hracu: 0"));
    FRMSezona->BUTNVyberSlozky->click();
    QCOMPARE(dialogs.shown, QStringList({"DLGVyberSlozky"}));
    QCOMPARE(FRMSezona->EDITSlozka->text(), QDir::toNativeSeparators(folder.path("jinde")));
    QVERIFY(waitForSeason());
    QCOMPARE(FRMSezona->seriesTitles().size(), 4);

    // Marks go and come with the switch; the points stay.
    const QList<double> points = FRMSezona->seriesPoints(2);
    FRMSezona->CHBXZobrazitMinMax->setChecked(false);
    QVERIFY(FRMSezona->chart()->marks().isEmpty());
    QCOMPARE(FRMSezona->seriesPoints(2), points);
    FRMSezona->CHBXZobrazitMinMax->setChecked(true);
    QCOMPARE(FRMSezona->chart()->marks().size(), 9);

    // A folder that is not there says so; closing stops a reading under way.
    FRMSezona->EDITSlozka->setText(QStringLiteral("neni"));
    FRMSezona->BUTNNacistClick();
    QVERIFY(waitForSeason());
    QCOMPARE(FRMSezona->LABLStav->text(), QStringLiteral("Slozka neexistuje"));
    QCOMPARE(FRMSezona->STRGRSezona->rowCount(), 1);  // the total row alone
    FRMSezona->EDITSlozka->setText(folder.path("jinde"));
    FRMSezona->BUTNNacistClick();
    QVERIFY(FRMSezona->reading());
    FRMSezona->close();
    QVERIFY(!FRMSezona->reading());
    QCOMPARE(FRMSezona->LABLStav->text(), QStringLiteral("cteni preruseno"));
    FRMSezona->BUTNNacistClick();  // and a reading left running ends with the windows
  }

  // The season on paper, as PDF and for spreadsheets: an evening with a ';'
  // in its file name and Czech letters, a quote and a comma in its names.
  void paperPdfAndSpreadsheet_data() { localeRows(); }
  void paperPdfAndSpreadsheet() {
    useRowLocale();
    WorkingFolder folder;
    const SeasonFolder saved(folder.path("hry"));
    saveLines(folder.path("hry/jaro;\"U lipy\".kvd"),
              eveningText({"Čeněk,", "Ž\"ofie", "pepa"}, {{125, -75, -50}, {-1240, 620, 620}},
                          QDateTime(QDate(2026, 4, 30), QTime(22, 0))));
    DialogPerson dialogs;
    FRMMain->BUTNSezonaClick();
    QVERIFY(FRMSezona->reading());
    QVERIFY(!FRMSezona->BUTNTisk->isEnabled() && !FRMSezona->BUTNPdf->isEnabled());
    QVERIFY(waitForSeason());
    for (QPushButton* b : {FRMSezona->BUTNTisk, FRMSezona->BUTNPdf, FRMSezona->BUTNUlozitTabulku})
      QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    const QList<QStringList> rows = TFRMSezona::tableRows(FRMSezona->STRGRSezona);
    QCOMPARE(rows.last().mid(0, 3), QStringList({"celkem", "5 veceru", "11"}));
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    const QStringList before = QDir(folder.path("hry")).entryList(QDir::Files);

    // The table for spreadsheets: the table's cells, numbers plain, so the
    // totals are the table's to the cent.
    dialogs.file = folder.path("sezona.csv");
    FRMSezona->BUTNUlozitTabulku->click();
    QCOMPARE(dialogs.shown, QStringList({"DLGSaveTable"}));
    QCOMPARE(QFileInfo(dialogs.offered.value(0)).fileName(), "sezona-" + today + ".csv");
    QCOMPARE(QFileInfo(dialogs.offered.value(0)).dir().dirName(), QStringLiteral("hry"));
    QCOMPARE(person.texts(), QStringList({"Data uspesne ulozena"}));
    const QChar mark = QLocale().decimalPoint().at(0);
    const QList<QStringList> read = pythonCsv(dialogs.file, mark == u',' ? ";" : ",");
    QCOMPARE(read.size(), rows.size());
    QCOMPARE(read[0], rows[0]);  // "Čeněk," and "Ž\"ofie" among them
    for (int r = 1; r < rows.size(); ++r) {
      QCOMPARE(read[r].mid(0, 3), rows[r].mid(0, 3));
      for (int c = 3; c < rows[r].size(); ++c)
        QCOMPARE(QString(read[r][c]).replace(mark, u'.'), rows[r][c].trimmed().remove(u'+'));
    }
    QCOMPARE(read[5].mid(3), QStringList({local("5#70"), "", "", "", local("-11#15"), local("5#45")}));

    // Every page as PDF: what printing gives, with the season's figures.
    const struct {
      QWidget* page;
      QStringList figures;
    } pages[] = {{FRMSezona->PGVecery, rows.last() + QStringList{"Sezona - vecery", "jaro;\"U lipy\".kvd"}},
                 {FRMSezona->PGHraci, {"Sezona - hraci", "Ž\"ofie", "+998.93", "-996.57", "-11.15"}},
                 {FRMSezona->PGPrubeh, {"Prubeh sezony", "(4) - Čeněk,", local("-11#15  (4)")}},
                 {FRMSezona->PGVynechane, {"Sezona - vynechane soubory", "poskozeny.kvd: Text neodpovida"}}};
    for (const auto& [page, figures] : pages) {
      FRMSezona->PGCTRLSezona->setCurrentWidget(page);
      dialogs.reset();
      dialogs.file = folder.path(page->objectName() + ".pdf");
      dialogs.pdf = folder.path(page->objectName() + "-tisk.pdf");
      FRMSezona->BUTNPdf->click();
      FRMSezona->BUTNTisk->click();
      QCOMPARE(dialogs.shown, QStringList({"DLGSavePdf", "DLGPrint"}));
      QCOMPARE(QFileInfo(dialogs.offered.value(0)).fileName(), "sezona-" + today + ".pdf");
      QVERIFY(bytesOf(dialogs.file).startsWith("%PDF-"));
      const int printed = printedPages(FRMSezona->pagePrintout(), folder.path("papir.pdf"));
      QVERIFY(printed >= 1);
      QCOMPARE(pdfPages(dialogs.file), printed);
      QCOMPARE(pdfPages(dialogs.pdf), printed);
      const QString text = pdfText(dialogs.file).simplified();  // the chart's marks come back with single blanks
      for (const QString& figure : figures)
        QVERIFY2(text.contains(figure.simplified()), qPrintable(page->objectName() + ": " + figure));
    }
    QCOMPARE(QDir(folder.path("hry")).entryList(QDir::Files), before);

    // A write beyond a file-size limit fails with its reason and leaves no file.
    person.reset();
    dialogs.reset();
    dialogs.file = folder.path("hry/maly.pdf");
    FRMSezona->PGCTRLSezona->setCurrentWidget(FRMSezona->PGVecery);
    {
      const FileSizeLimit limit(200);
      FRMSezona->BUTNPdf->click();
      dialogs.file = folder.path("hry/maly.csv");
      FRMSezona->BUTNUlozitTabulku->click();
    }
    QCOMPARE(person.shown.size(), 2);
    for (const Shown& box : person.shown) {
      QCOMPARE(box.caption, QStringLiteral("Chyba pri ukladani souboru"));
      QVERIFY2(box.text.contains("Soubor ") && !box.text.section(u'\n', 1).trimmed().isEmpty(), qPrintable(box.text));
    }
    QCOMPARE(QDir(folder.path("hry")).entryList(QDir::Files), before);

    // Nothing to print on an empty page, no table of no evenings.
    person.reset();
    FRMSezona->EDITSlozka->setText(folder.path("neni"));
    FRMSezona->BUTNNacistClick();
    QVERIFY(waitForSeason());
    QVERIFY(!FRMSezona->BUTNUlozitTabulku->isEnabled());
    FRMSezona->PGCTRLSezona->setCurrentWidget(FRMSezona->PGVynechane);
    FRMSezona->BUTNTisk->click();
    QCOMPARE(person.texts(), QStringList({"Neni co tisknout ..."}));
  }
};

QTEST_MAIN(TestSeasonWindow)
#include "test_season_window.moc"
