// The results window driven through its controls: the recompute on
// activation, the records with their finders, the settlement page, both
// charts, the paid flag and printing a chart.

#include "common/textforms.h"
#include "stats/chartdata.h"
#include "stats/chartview.h"
#include "stats/records.h"
#include "stats/resultschart.h"
#include "stats/resultswindow.h"
#include "testsupport.h"

#include <QAbstractAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDialog>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QValueAxis>

using kvadus::MsgAnswer;
using namespace testsupport;
namespace stats = kvadus::stats;

namespace {
QString cell(const QTableWidget* grid, int column, int row) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}
QStringList gridRow(const QTableWidget* grid, int row) {
  QStringList out;
  for (int c = 0; c < grid->columnCount(); ++c) out << cell(grid, c, row);
  return out;
}
// The selected ranges as "top,left-bottom,right".
QStringList marked(const QTableWidget* grid) {
  QStringList out;
  for (const QTableWidgetSelectionRange& r : grid->selectedRanges())
    out << QStringLiteral("%1,%2-%3,%4").arg(r.topRow()).arg(r.leftColumn()).arg(r.bottomRow()).arg(r.rightColumn());
  return out;
}
const QString kPaid = " [  jiz ZAPLACENO!  ]";
}  // namespace

class TestResultsWindow : public QObject {
  Q_OBJECT

  TFRMGrafika* g = nullptr;
  ScriptedPerson person;

  // A game of these players with the hands (cells of the players, then the
  // description), and the results window activated over it.
  void evening(const QStringList& names, const QList<QStringList>& hands) {
    startGame(names);
    for (const QStringList& h : hands) appendHand(h);
    g->FormActivate();
  }
  // The window on screen and active, as after "vysledky, tisk >>".
  void showActive() {
    FRMMain->flags.firstShowing = 0;
    FRMMain->show();
    FRMMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FRMMain));
    FRMMain->BUTNGrafika->setEnabled(true);
    FRMMain->BUTNGrafika->click();
    QVERIFY(QTest::qWaitForWindowActive(g));
  }

 private slots:
  void init() {
    person.reset();
    freshWindows();
    g = FRMGrafika;
  }
  void cleanup() { destroyWindows(); }

  void pagesAndControls() {
    QCOMPARE(g->windowTitle(), QString("Vysledky"));
    QCOMPARE(g->toolTip(), QString("vysledky partie"));
    QStringList pages;
    for (int i = 0; i < g->PGCTRLOutPut->count(); ++i)
      pages << g->PGCTRLOutPut->widget(i)->objectName() + ":" + g->PGCTRLOutPut->tabText(i) + ":" +
                   g->PGCTRLOutPut->tabToolTip(i);
    QCOMPARE(pages,
             QStringList({"PGGraf:prubeh partie:prubehy partie", "PGCelkem:stav po posledni hre:konecny vysledek",
                          "PGStatistika:rekordy v prubehu partie:rekordy v prubehu partie",
                          "PGUctenka:ucet po posledni hre:ucet po posledni hre",
                          "PGCenik:aktualni cenik:aktualni cenik", "PGTisk:tisk textu:tisk textu"}));
    for (const char* name : {"EDITPocetHer", "EDITPocetHracu", "CHBXZaplaceno", "BUTNClose", "STRGRMinMax",
                             "BUTNSmolar", "bBUTNPrekresliGraf", "CHBXSchody", "STGRUctenka", "LSTBXNaNuleIndex",
                             "EDITPlusMinus", "BUTNOznacZaplati", "CHBXUctenka"})
      QVERIFY2(g->findChild<QWidget*>(name), name);
    QVERIFY(!g->CHBXSchody->isChecked() && g->CHBXZobrazitMinMax->isChecked() && g->CHBXUctenka->isChecked());
    for (QWidget* hidden : {g->BUTNPrepocti, g->BUTNSirkySloupcu, g->BUTNPrekresliCelkem, g->BUTNPrepoctiPlatby})
      QVERIFY(hidden->isHidden());
    QVERIFY(g->LSTBXPlatiIndex->isHidden());
    QCOMPARE(gridRow(g->STRGRMinMax, 0), stats::recordHeaders());
    QCOMPARE(g->LABLPopisCislaHry->text(), QString(" * - cislo hry, ve ktere byla hodnota dosazena"));
  }

  // Every activation rebuilds the records from the score table and unchecks
  // the paid flag; twice in a row gives the same table.
  void recordsOnEveryActivation() {
    evening({"A", "B", "C"}, {{"      +2.00", "      -1.00", "      -1.00"},
                              {"      -5.00", "      +5.00", "      +0.00"},
                              {"      +1.00", "      -0.50", "      -0.50"}});
    QCOMPARE(gridRow(g->STRGRMinMax, 1), QStringList({"A", "      -3.00", " 2", "      +2.00", " 1", "      -5.00",
                                                      " 2", "      +2.00", " 1", "      -2.00"}));
    QCOMPARE(gridRow(g->STRGRMinMax, 3).mid(5, 5),
             QStringList({"      -1.00", " 1", "      +0.00", " 2", "      -1.50"}));
    QCOMPARE(g->EDITPocetHer->text(), QString("3"));
    QCOMPARE(g->EDITPocetHracu->text(), QString("3"));

    g->CHBXZaplaceno->setChecked(true);
    g->BUTNMaxStav->click();
    const QStringList before = gridRow(g->STRGRMinMax, 2);
    g->FormActivate();
    QVERIFY(!g->CHBXZaplaceno->isChecked());
    QCOMPARE(gridRow(g->STRGRMinMax, 2), before);
    QVERIFY(g->STRGRMinMax->selectedRanges().isEmpty());
    QCOMPARE(gridRow(g->STRGRMinMax, 4), QStringList(10));  // no fourth player

    // A hand more, and the next activation shows it.
    appendHand({"      +4.00", "      -2.00", "      -2.00"});
    g->FormActivate();
    QCOMPARE(cell(g->STRGRMinMax, 3, 1), QString("      +2.00"));
    QCOMPARE(cell(g->STRGRMinMax, 7, 1), QString("      +4.00"));
    QCOMPARE(cell(g->STRGRMinMax, 8, 1), QString(" 4"));
    QCOMPARE(g->EDITPocetHer->text(), QString("4"));
  }

  void noHandPlayed() {
    evening({"A", "B", "C"}, {});
    QCOMPARE(gridRow(g->STRGRMinMax, 2), QStringList({"B", "      +0.00", "", "      +0.00", "", "      +0.00", "",
                                                      "      +0.00", "", "      +0.00"}));
    QCOMPARE(g->EDITPocetHer->text(), QString("0"));
    for (int s = 0; s < 3; ++s) QCOMPARE(g->coursePoints(s), QList<double>({0}));
    QCOMPARE(g->finalBarValues(), QList<double>({0, 0, 0}));
    QCOMPARE(items(g->LSTBXNaNule), QStringList({"A", "B", "C"}));
    QCOMPARE(items(g->LSTBXNaNuleIndex), QStringList({"1", "2", "3"}));
    QCOMPARE(g->EDITPlusMinus->text(), QString("       0.00"));
    QVERIFY(g->STGRUctenka->selectedRanges().isEmpty());
    QCOMPARE(gridRow(g->STGRUctenka, 1), QStringList({"A", "      X", "", "", ""}));
    QCOMPARE(gridRow(g->STGRUctenka, 4), QStringList({"DOSTANE", "", "", "", "      X"}));
  }

  // Ties go to the player higher in the table; the last player can win.
  void recordFinders() {
    evening({"A", "B", "C"}, {{"      +1.00", "      +1.00", "      -2.00"},
                              {"      -1.00", "      -1.00", "      +2.00"},
                              {"      +1.00", "      +1.00", "      -2.00"}});
    g->BUTNVitez->click();
    QCOMPARE(marked(g->STRGRMinMax), QStringList({"1,9-1,9"}));
    g->BUTNSmolar->click();
    QCOMPARE(marked(g->STRGRMinMax), QStringList({"3,9-3,9"}));
    g->BUTNMaxStav->click();
    QCOMPARE(marked(g->STRGRMinMax), QStringList({"1,3-1,4"}));
    g->BUTNMinStav->click();
    QCOMPARE(marked(g->STRGRMinMax), QStringList({"3,1-3,2"}));
    g->BUTNMaxVyhra->click();
    QCOMPARE(marked(g->STRGRMinMax), QStringList({"3,7-3,8"}));
    g->BUTNMaxProhra->click();
    QCOMPARE(marked(g->STRGRMinMax), QStringList({"3,5-3,6"}));

    appendHand({"      -5.00", "      +0.00", "      +5.00"});
    g->FormActivate();
    g->BUTNVitez->click();
    QCOMPARE(marked(g->STRGRMinMax), QStringList({"3,9-3,9"}));
  }

  // Nine players are shown; the rows of further players are kept, hidden.
  void moreThanNinePlayers() {
    const QStringList eleven = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"};
    QStringList hand(11, "      +0.00");
    hand[0] = "      -1.00";
    hand[10] = "      +1.00";
    evening(eleven, {hand});
    QCOMPARE(g->STRGRMinMax->rowCount(), 12);
    QVERIFY(!g->STRGRMinMax->isRowHidden(9) && g->STRGRMinMax->isRowHidden(10) && g->STRGRMinMax->isRowHidden(11));
    QCOMPARE(cell(g->STRGRMinMax, 9, 11), QString("      +1.00"));
    g->BUTNVitez->click();
    QCOMPARE(marked(g->STRGRMinMax), QStringList({"11,9-11,9"}));
    // The separators end with the grid.
    QCOMPARE(g->separators.first()->height(), stats::kRecordRowsShown * stats::kRecordRowHeight);
    evening({"A", "B"}, {});
    QCOMPARE(g->STRGRMinMax->rowCount(), stats::kRecordRowsShown);
    QCOMPARE(g->separators.first()->height(), 3 * stats::kRecordRowHeight);
  }

  void settlementPage() {
    evening({"A", "B", "C"}, {{"     -30.00", "     +10.00", "     +20.00"}});
    QCOMPARE(gridRow(g->STGRUctenka, 0), QStringList({"bere \\ plati", "A", "B", "C", "ZAPLATI"}));
    QCOMPARE(gridRow(g->STGRUctenka, 1), QStringList({"A", "      X", "      10.00", "      20.00", "      30.00"}));
    QCOMPARE(gridRow(g->STGRUctenka, 4), QStringList({"DOSTANE", "", "      10.00", "      20.00", "      X"}));
    QCOMPARE(g->STGRUctenka->horizontalHeaderItem(4)->text(), QString("ZAPLATI"));  // fixed in view
    QCOMPARE(g->STGRUctenka->verticalHeaderItem(4)->text(), QString("DOSTANE"));
    QCOMPARE(g->EDITPlusMinus->text(), QString("      30.00"));
    QCOMPARE(g->LABLNadpisSumaUctu->text(), QString("Celkem se presune:"));
    QCOMPARE(items(g->LISTBXPlati), QStringList({"A"}));
    QCOMPARE(items(g->LSTBXPlatiIndex), QStringList({"1"}));
    QCOMPARE(items(g->LISTBXDostava), QStringList({"B", "C"}));
    QCOMPARE(items(g->LSTBXDostavaIndex), QStringList({"2", "3"}));
    QVERIFY(g->CHBXUctenka->isEnabled() && g->CHBXUctenka->isChecked());
    QVERIFY(person.shown.isEmpty());
    QCOMPARE(marked(g->STGRUctenka), QStringList({"4,1-4,4"}));  // the receipts

    g->LISTBXDostava->setCurrentRow(1);  // C receives
    QCOMPARE(marked(g->STGRUctenka), QStringList({"1,3-4,3"}));
    g->LISTBXPlati->setCurrentRow(0);  // A pays
    QCOMPARE(marked(g->STGRUctenka), QStringList({"1,1-1,4"}));
    QVERIFY(g->LISTBXDostava->selectedItems().isEmpty());
    g->BUTNOznacZaplati->click();
    QCOMPARE(marked(g->STGRUctenka), QStringList({"1,4-4,4"}));
    QVERIFY(g->LISTBXPlati->selectedItems().isEmpty());
    g->BUTNOznacDostane->click();
    QCOMPARE(marked(g->STGRUctenka), QStringList({"4,1-4,4"}));
    g->LSTBXNaNuleClick();  // nothing chosen: nothing changes
    QCOMPARE(marked(g->STGRUctenka), QStringList({"4,1-4,4"}));
  }

  // A real click on a list, with the window on screen.
  void listClickMarksTheColumn() {
    evening({"A", "B", "C", "D"}, {{"      +0.00", "      +0.00", "      +0.00", "      +0.00"},
                                   {"     -25.00", "     +10.00", "      -5.00", "     +20.00"}});
    showActive();
    g->PGCTRLOutPut->setCurrentWidget(g->PGUctenka);
    QCoreApplication::processEvents();
    QCOMPARE(gridRow(g->STGRUctenka, 1).mid(1),
             QStringList({"      X", "      10.00", "", "      15.00", "      25.00"}));
    QCOMPARE(gridRow(g->STGRUctenka, 3).mid(1), QStringList({"", "", "      X", "       5.00", "       5.00"}));
    clickRow(g->LISTBXDostava, 1);  // D
    QCOMPARE(marked(g->STGRUctenka), QStringList({"1,4-5,4"}));
    clickRow(g->LISTBXPlati, 1);  // C
    QCOMPARE(marked(g->STGRUctenka), QStringList({"3,1-3,5"}));
  }

  void invalidSettlement_data() {
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("difference");
    QTest::newRow("+0.01") << "      +0.01"
                           << "0.01";
    QTest::newRow("-0.01") << "      -0.01"
                           << "-0.01";
  }
  void invalidSettlement() {
    QFETCH(QString, balance);
    QFETCH(QString, difference);
    startGame({"A", "B", "C"});
    appendHand({"      +0.00", "      +0.00", "      +0.00"});
    FRMMain->grid->setCell(0, 2, balance);  // a balance set by hand
    g->FormActivate();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Chyba"));
    QCOMPARE(person.shown[0].text, "Celkova suma je  " + difference + " !\nCely ucet nelze zpracovat.");
    QCOMPARE(g->EDITPlusMinus->text(), balance);
    QCOMPARE(g->LABLNadpisSumaUctu->text(), QString("Chyba! - Suma penez za vsechny hrace ="));
    QCOMPARE(gridRow(g->STGRUctenka, 2), QStringList({"B", "      -", "      X", "      -", ""}));
    QVERIFY(!g->CHBXUctenka->isEnabled() && !g->CHBXUctenka->isChecked());
    QCOMPARE(items(g->LSTBXNaNule), QStringList({"B", "C"}));  // the lists are filled
    QVERIFY(g->STGRUctenka->selectedRanges().isEmpty());

    // Valid again: the box can be used again, but stays as the user left it.
    FRMMain->BUTNSpoctiSumuClick();
    g->FormActivate();
    QCOMPARE(person.shown.size(), 1);
    QVERIFY(g->CHBXUctenka->isEnabled() && !g->CHBXUctenka->isChecked());
  }

  // On a desktop the window's own error box takes the activation and gives
  // it back when it closes: that return is no new visit, or the box would
  // come back for ever. Another window in between is a new visit.
  void errorBoxShownOncePerVisit() {
    startGame({"A", "B"});
    appendHand({"      +1.00", "      -1.00"});
    FRMMain->grid->setCell(0, 2, "      +2.00");
    int boxes = 0;
    const kvadus::MessageResponder scripted =
        kvadus::setMessageResponder([&](const QString& caption, const QString&, kvadus::MsgButtons) {
          ++boxes;
          if (caption != "Chyba" || boxes > 3) return MsgAnswer::Ok;  // a failure, not an endless loop
          // The box as a desktop shows it: over the window, active, closed,
          // and the activation back to the window.
          QDialog box(g);
          box.show();
          box.activateWindow();
          [&] { QVERIFY(QTest::qWaitForWindowActive(&box)); }();
          box.hide();
          g->activateWindow();
          [&] { QVERIFY(QTest::qWaitForWindowActive(g)); }();
          return MsgAnswer::Ok;
        });
    FRMMain->flags.firstShowing = 0;
    FRMMain->show();
    QVERIFY(QTest::qWaitForWindowActive(FRMMain));
    g->show();
    g->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(g));
    QTRY_COMPARE(boxes, 1);
    QTest::qWait(50);
    QCOMPARE(boxes, 1);

    // To the main window and back: a new visit, one box more.
    FRMMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FRMMain));
    g->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(g));
    QTRY_COMPARE(boxes, 2);
    QTest::qWait(50);
    QCOMPARE(boxes, 2);
    kvadus::setMessageResponder(scripted);
  }

  // The paid flag checked, the window hidden and shown again: a new visit.
  void showingAgainIsANewVisit() {
    startGame({"A", "B"});
    appendHand({"      +1.00", "      -1.00"});
    showActive();
    QCOMPARE(g->EDITPocetHer->text(), QString("1"));
    g->CHBXZaplaceno->setChecked(true);
    g->BUTNClose->click();
    QVERIFY(g->isHidden());
    appendHand({"      +1.00", "      -1.00"});
    FRMMain->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FRMMain));
    FRMMain->BUTNGrafika->click();
    QVERIFY(QTest::qWaitForWindowActive(g));
    QCOMPARE(g->EDITPocetHer->text(), QString("2"));
    QVERIFY(!g->CHBXZaplaceno->isChecked());
  }

  void conversionErrorStopsTheRecompute() {
    startGame({"A", "B"});
    appendHand({"      +1.00", "      -1.00"});
    FRMMain->grid->setCell(1, 2, "abc");
    QVERIFY_THROWS_EXCEPTION(stats::ConversionError, g->BUTNPrepoctiClick());
    QCOMPARE(cell(g->STRGRMinMax, 9, 2), QString("abc"));
    QCOMPARE(g->EDITPocetHer->text(), QString("1"));
  }

  // ---- charts -------------------------------------------------------------------

  void courseChartBalances() {
    evening({"A", "B", "C"}, {{"      -2.50", "      +5.00", "      -2.50", "A : betl"},
                              {"      -2.50", "      +2.50", "      +0.00", "B : durch"}});
    QCOMPARE(g->grafChart()->title(), QString("Prubeh penez celkem"));
    QCOMPARE(g->courseSeriesTitles(), QStringList({"  (0) - A", "  (1) - B", "  (2) - C"}));
    QCOMPARE(g->coursePoints(0), QList<double>({0, -2.5, -5}));
    QCOMPARE(g->coursePoints(1), QList<double>({0, 5, 7.5}));
    QCOMPARE(g->courseSeriesColor(0), QColor(128, 0, 0));
    QCOMPARE(g->courseSeriesColor(2), QColor(128, 128, 0));
    QCOMPARE(g->grafChart()->marks(true),
             QStringList({"  (0) - A: -2.5", "  (0) - A: -5  (0)", "  (1) - B: 5", "  (1) - B: 7.5  (1)",
                          "  (2) - C: -2.5", "  (2) - C: -2.5  (2)"}));
    QVERIFY(g->CHBXSchody->isEnabled());

    g->CHBXZobrazitMinMax->click();  // redraws without marks
    QVERIFY(g->grafChart()->marks().isEmpty());
    g->CHBXZobrazitMinMax->click();
    QCOMPARE(g->grafChart()->marks().size(), 6);

    g->CHBXSchody->click();
    QVERIFY(g->courseStairs(0) && g->courseStairs(2));
    QCOMPARE(g->coursePoints(1), QList<double>({0, 5, 7.5}));
    g->CHBXSchody->click();
    QVERIFY(!g->courseStairs(1));

    // A point clicked: its value, the hand that led to it, and the series on top.
    g->CHARTGrafClickSeries(0, 1);
    QCOMPARE(g->LABLHodnotaGrafu->text(), QString("      -2.50"));
    QCOMPARE(g->LABLNazevHry->text(), QString("A : betl"));
    QCOMPARE(g->courseSeriesTitles(), QStringList({"  (1) - B", "  (2) - C", "  (0) - A"}));
    QCOMPARE(g->courseSeriesColor(2), QColor(128, 0, 0));  // keeps its colour
    QCOMPARE(g->grafChart()->marks().size(), 6);
    g->CHARTGrafClickSeries(2, 2);  // A again, now last: the order stays
    QCOMPARE(g->courseSeriesTitles(), QStringList({"  (1) - B", "  (2) - C", "  (0) - A"}));
    QCOMPARE(g->LABLHodnotaGrafu->text(), QString("      -5.00"));
  }

  void courseChartWins() {
    evening({"A", "B", "C"}, {{"      -2.50", "      +5.00", "      -2.50", "A : betl"},
                              {"      -2.50", "      +2.50", "      +0.00", "B : durch"}});
    g->CHBXSchody->setChecked(true);
    g->BUTNPrekresliGrafVyhry->click();
    QCOMPARE(g->grafChart()->title(), QString("Jednotlive vyhry"));
    QCOMPARE(g->courseSeriesTitles(), QStringList({"  (0) - A", "  (1) - B", "  (2) - C"}));
    QCOMPARE(g->coursePoints(1), QList<double>({0, 5, 2.5}));
    QCOMPARE(g->courseSeriesColor(1), QColor(0, 0, 128));
    QVERIFY(!g->CHBXSchody->isEnabled());
    // The first reach of the biggest loss and win, no last-point marks: A
    // loses 2.5 twice, his first result the loss, his second the "win".
    QCOMPARE(g->grafChart()->marks(), QStringList({"-2.5", "-2.5", "5", "2.5", "-2.5", "0"}));
    auto* x = qobject_cast<QValueAxis*>(g->grafChart()->axes(Qt::Horizontal).first());
    QVERIFY(x->min() > 0 && x->min() < 1);  // the first point is not shown

    g->CHARTGrafClickSeries(1, 2);
    QCOMPARE(g->LABLHodnotaGrafu->text(), QString("      +2.50"));
    QCOMPARE(g->LABLNazevHry->text(), QString("B : durch"));
    QCOMPARE(g->courseSeriesTitles(), QStringList({"  (0) - A", "  (1) - B", "  (2) - C"}));

    g->CHBXZobrazitMinMax->click();  // redraws the kind on view
    QCOMPARE(g->grafChart()->title(), QString("Jednotlive vyhry"));
    QVERIFY(g->LABLNazevHry->text().isEmpty());
    g->bBUTNPrekresliGrafClick();
    QVERIFY(g->CHBXSchody->isEnabled() && g->courseStairs(0));  // stairs as the box says

    // Without the description column the hand's name is not shown.
    FRMMain->CKBXZobrazovatDruhyHer->click();  // answered Yes: the column goes
    g->FormActivate();
    g->CHARTGrafClickSeries(0, 1);
    QCOMPARE(g->LABLHodnotaGrafu->text(), QString("      -2.50"));
    QVERIFY(g->LABLNazevHry->text().isEmpty());
  }

  // Clicks on the chart itself name the nearest point of the line, or the bar.
  void clickedPointReadout() {
    evening({"A", "B"}, {{"      +1.00", "      -1.00", "x"},
                         {"      +3.00", "      -3.00", "y"},
                         {"      -2.00", "      +2.00", "z"}});
    showActive();
    QCoreApplication::processEvents();
    auto* line = qobject_cast<QLineSeries*>(g->grafChart()->series().at(0));
    QVERIFY(line);
    emit line->clicked(QPointF(1.1, 1.3));
    QCOMPARE(g->LABLHodnotaGrafu->text(), QString("      +1.00"));
    QCOMPARE(g->LABLNazevHry->text(), QString("x"));
    emit line->clicked(QPointF(0.1, 0.1));  // the start: no hand yet
    QVERIFY(g->LABLNazevHry->text().isEmpty());
    QCOMPARE(g->courseSeriesTitles().last(), QString("  (0) - A"));
    g->CHBXSchody->click();
    emit line->clicked(QPointF(1.9, 1.0));  // on the step that holds the value of hand 1
    QCOMPARE(g->LABLHodnotaGrafu->text(), QString("      +1.00"));

    g->BUTNPrekresliGrafVyhryClick();
    auto* bars = qobject_cast<QBarSeries*>(g->grafChart()->series().at(0));
    QVERIFY(bars);
    emit bars->barSets().at(1)->clicked(3);
    QCOMPARE(g->LABLHodnotaGrafu->text(), QString("      +2.00"));
    QCOMPARE(g->LABLNazevHry->text(), QString("z"));
  }

  void finalBalanceChart() {
    evening({"A", "B", "C"}, {{"      -2.50", "      +5.00", "      -2.50"}});
    QCOMPARE(g->finalBarValues(), QList<double>({-2.5, 5, -2.5}));
    QCOMPARE(g->finalBarLabels(), QStringList({"A", "B", "C"}));
    QCOMPARE(g->finalBarColors(), QList<QColor>({QColor(128, 0, 0), QColor(0, 0, 128), QColor(128, 128, 0)}));
    QCOMPARE(g->celkemChart()->marks(), QStringList({"-2.5", "5", "-2.5"}));
    QCOMPARE(g->celkemChart()->series().size(), 2);
    QCOMPARE(g->celkemChart()->series().first()->name(), QString("Skore"));
    QVERIFY(!g->celkemChart()->legend()->isVisible());

    // The title and footer follow the page on view and the paid flag.
    QVERIFY(g->celkemChart()->title().isEmpty());
    g->PGCTRLOutPut->setCurrentWidget(g->PGCelkem);
    QCOMPARE(g->celkemChart()->title(), QString("Stav po 1 hre"));
    QVERIFY(!g->celkemChart()->footer().isEmpty() && !g->celkemChart()->footer().endsWith(kPaid));
    g->CHBXZaplaceno->click();
    QCOMPARE(g->celkemChart()->title(), QString("Konecny stav po 1 hre"));
    QVERIFY(g->celkemChart()->footer().endsWith(kPaid));
    QVERIFY(!g->grafChart()->footer().endsWith(kPaid));  // not on view
    g->PGCTRLOutPut->setCurrentWidget(g->PGGraf);
    QVERIFY(g->grafChart()->footer().endsWith(kPaid));
    g->FormActivate();  // unchecks the flag
    QVERIFY(!g->grafChart()->footer().endsWith(kPaid));

    appendHand({"      +1.00", "      -1.00", "      +0.00"});
    g->PGCTRLOutPut->setCurrentWidget(g->PGCelkem);
    g->FormActivate();
    QCOMPARE(g->celkemChart()->title(), QString("Stav po 2 hrach"));
  }

  void tenthPlayersColor() {
    const QStringList ten = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
    evening(ten, {QStringList(10, "      +0.00")});
    const QColor aqua(0, 255, 255);
    QCOMPARE(g->courseSeriesColor(9), aqua);
    QCOMPARE(g->finalBarColors().at(9), aqua);
    g->BUTNPrekresliGrafVyhryClick();
    QCOMPARE(g->courseSeriesColor(9), aqua);
  }

  // Every player's course stands out on the plot area, the light colours of
  // the palette (white for the eighth player, yellow for the ninth) too.
  void everyLineStandsOut_data() {
    QTest::addColumn<int>("players");
    for (int n : {8, 12, 18}) QTest::newRow(qPrintable(QString::number(n))) << n;
  }
  void everyLineStandsOut() {
    QFETCH(int, players);
    QStringList names;
    for (int k = 1; k <= players; ++k) names << QString("Hrac%1").arg(k);
    // Player k wins 2k - (n + 1) crowns a hand: the lines fan out from zero,
    // evenly apart.
    QList<QStringList> hands;
    for (int h = 0; h < 6; ++h) {
      QStringList hand;
      for (int k = 1; k <= players; ++k) hand << kvadus::signedMoneyText(2 * k - (players + 1));
      hands << hand;
    }
    evening(names, hands);
    g->CHBXZobrazitMinMax->setChecked(false);  // no marks over the lines
    g->resize(900, 650);
    g->PGCTRLOutPut->setCurrentWidget(g->PGGraf);
    g->show();
    QVERIFY(QTest::qWaitForWindowExposed(g));
    QCoreApplication::processEvents();
    const QImage shot = g->CHARTGraf->grab().toImage();
    // Halfway between hands 3 and 4 each line must show a pixel that stands
    // out on the plot area (its own colour, or its outline) within two
    // pixels of where it runs; the lines run ten pixels or more apart.
    const kvadus::stats::Rgb plot = kvadus::stats::plotAreaColor();
    const QList<QAbstractSeries*> lines = g->grafChart()->series();
    QCOMPARE(lines.size(), players);
    for (int p = 0; p < players; ++p) {
      const QList<double> v = g->coursePoints(p);
      const QPointF inChart = g->grafChart()->mapToPosition(QPointF(3.5, (v[3] + v[4]) / 2), lines[p]);
      const QPoint at = g->CHARTGraf->mapFromScene(g->grafChart()->mapToScene(inChart));
      double best = 1;
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
          const QColor c = shot.pixelColor(at + QPoint(dx, dy));
          best = std::max(best, kvadus::stats::contrastRatio({c.red(), c.green(), c.blue()}, plot));
        }
      QVERIFY2(best >= 3, qPrintable(QString("%1 (%2): contrast %3")
                                         .arg(g->courseSeriesTitles()[p], g->courseSeriesColor(p).name())
                                         .arg(best)));
    }
  }

  // Balances near the limit of the table: the axes keep to about ten ticks
  // (a tick for every unit would never finish).
  void hugeBalancesKeepTheAxesLight() {
    evening({"A", "B"}, {{"      +0.10", "      -0.10"}});
    showActive();
    evening({"A", "B"}, {{"+4000000000000.00", "-4000000000000.00"}, {"+4000000000000.00", "-4000000000000.00"}});
    QCoreApplication::processEvents();
    for (kvadus::ResultsChart* chart : {g->grafChart(), g->celkemChart()}) {
      auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
      QVERIFY((y->max() - y->min()) / y->tickInterval() <= 12);
      QVERIFY(y->max() >= 8e12 && y->min() <= -8e12);
    }
    QCOMPARE(g->grafChart()->marks().last(), QString("-8000000000000  (1)"));
  }

  void printingChartsInLandscape() {
    evening({"A", "B"}, {{"      +1.00", "      -1.00"}});
    showActive();
    QTemporaryDir dir;
    for (QChartView* chart : {g->CHARTGraf.get(), g->CHARTCelkem.get()}) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      const QString file = dir.filePath(chart->objectName() + ".pdf");
      printer.setOutputFileName(file);
      printer.setPageOrientation(QPageLayout::Portrait);
      const QRectF onScreen = chart->chart()->geometry();
      QVERIFY(kvadus::printChart(chart, printer));
      QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);  // as it was
      QCOMPARE(chart->chart()->geometry(), onScreen);
      QFile pdf(file);
      QVERIFY(pdf.open(QIODevice::ReadOnly));
      const QByteArray bytes = pdf.readAll();
      QVERIFY(bytes.startsWith("%PDF"));
      const QRegularExpressionMatch box =
          QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(QString::fromLatin1(bytes));
      QVERIFY(box.hasMatch());
      QVERIFY2(box.captured(1).toDouble() > box.captured(2).toDouble(), qPrintable(box.captured(0)));
      int pages = 0;
      for (auto it = QRegularExpression(R"(/Type\s*/Page(?!s))").globalMatch(QString::fromLatin1(bytes)); it.hasNext();
           it.next())
        ++pages;
      QCOMPARE(pages, 1);
    }
  }
};

QTEST_MAIN(TestResultsWindow)
#include "test_results_window.moc"
