// The results window's text page, price list and printing, driven through
// their controls: the makers and their confirmation, saving, the price list
// computed by the main window's own pricing (and the hand entry left as the
// person had it), and "Vytisknout >>" for the page on view.

#include "common/dialogs.h"
#include "common/printout.h"
#include "common/radiogroup.h"
#include "common/textforms.h"
#include "stats/chartview.h"
#include "stats/records.h"
#include "stats/reports.h"
#include "stats/resultswindow.h"
#include "dialogperson.h"
#include "testsupport.h"

#include <QChartView>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

using kvadus::MsgAnswer;
using namespace testsupport;
namespace stats = kvadus::stats;

namespace {

// Everything a person sees of the main window's controls (the score table
// aside), and the flags: what computing the price list must leave alone.
QStringList entryState() {
  QStringList out;
  for (QWidget* w : FRMMain->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || qobject_cast<QRadioButton*>(w)) continue;
    QString s = w->objectName() + (w->isHidden() ? " hidden" : "") + (w->isEnabled() ? "" : " disabled");
    if (auto* g = qobject_cast<kvadus::RadioGroup*>(w)) s += " #" + QString::number(g->itemIndex());
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) s += " " + b->text() + (b->isChecked() ? " [x]" : "");
    else if (auto* l = qobject_cast<QLabel*>(w)) s += " " + l->text();
    else if (auto* e = qobject_cast<QLineEdit*>(w)) s += " " + e->text();
    else if (auto* list = qobject_cast<QListWidget*>(w)) s += " @" + QString::number(list->currentRow());
    out << s;
  }
  const ProgramFlags& f = FRMMain->flags;
  QString flags = QStringLiteral("flags ");
  for (int flag : {f.descriptionColumnGuard, f.numberCheckPending, f.numberCheckDialogGuard, f.entryAttributeGuard,
                   f.firstShowing, f.helpAvailable, f.extendedEntryGuard, f.directAmountMode})
    flags += QString::number(flag);
  out << flags << "priced " + FRMMain->lastPricedText;
  return out;
}

QString textOf(const TFRMGrafika* g) { return g->REDITOut->toPlainText(); }
QStringList linesOf(const TFRMGrafika* g) { return textOf(g).split(u'\n'); }

}  // namespace

class TestReportsWindow : public QObject {
  Q_OBJECT

  TFRMGrafika* g = nullptr;
  ScriptedPerson person;
  DialogPerson dialogs;
  std::unique_ptr<WorkingFolder> folder;

  void evening(const QStringList& names, const QList<QStringList>& hands) {
    startGame(names);
    for (const QStringList& h : hands) appendHand(h);
    g->FormActivate();
  }
  // AAA -30, BBBB +10, CC +20 after one hand.
  void receiptEvening() { evening({"AAA", "BBBB", "CC"}, {{"     -30.00", "     +10.00", "     +20.00"}}); }

 private slots:
  void init() {
    person.reset();
    dialogs.reset();
    folder = std::make_unique<WorkingFolder>();
    freshWindows(true);
    g = FRMGrafika;
  }
  void cleanup() {
    destroyWindows();
    folder.reset();
  }

  // ---- the text page --------------------------------------------------------------

  void textPageControls() {
    const QFontMetrics fixed(g->REDITOut->font());  // columns line up
    QCOMPARE(fixed.horizontalAdvance("iiii"), fixed.horizontalAdvance("MMMM"));
    QCOMPARE(g->REDITOut->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(g->REDITOut->isReadOnly());
    QVERIFY(!g->BUTNPridejDatumACas->isEnabled());
    QCOMPARE(g->BUTNTisk->text(), QString("Vytisknout >>"));
    QCOMPARE(g->BUTNTisk->toolTip(), QString("vytiskne aktualni stranku (Alt+K)"));
    QCOMPARE(g->BUTNVytvorTextZeStatistiky->text(), QString("<-- vytvorit z rekordu     "));
    QCOMPARE(g->DLGSave->windowTitle(), QString("Ulozeni vystupu"));

    g->CHBXPovoleniEditace->setChecked(true);
    QVERIFY(!g->REDITOut->isReadOnly());
    QVERIFY(g->BUTNPridejDatumACas->isEnabled());
    g->BUTNPridejDatumACas->click();
    g->BUTNPridejDatumACas->click();
    QCOMPARE(linesOf(g).size(), 2);
    QVERIFY2(linesOf(g)[1].startsWith("Datum a cas   : "), qPrintable(linesOf(g)[1]));
    g->CHBXPovoleniEditace->setChecked(false);
    QVERIFY(g->REDITOut->isReadOnly());
    QVERIFY(!g->BUTNPridejDatumACas->isEnabled());
  }

  void emptyingAsksFirst() {
    g->BUTNSmazat->click();  // nothing there: no question
    QVERIFY(person.shown.isEmpty());

    receiptEvening();
    g->REDITOut->setPlainText("moje poznamka");
    person.answers = {MsgAnswer::No};
    g->BUTNUctenka->click();
    QCOMPARE(textOf(g), QString("moje poznamka"));  // kept, and no receipt
    QCOMPARE(person.shown.last().caption, QString("Dotaz"));
    QCOMPARE(person.shown.last().text, QString("Vystup jiz nejaky text obsahuje.\nOpravdu ho chcete premazat ?"));
    QCOMPARE(person.shown.last().buttons, kvadus::MsgButtons::YesNo);

    g->BUTNUctenka->click();  // Yes
    QVERIFY(textOf(g).startsWith("       Ucet"));
    g->BUTNSmazat->click();
    QCOMPARE(textOf(g), QString());
  }

  void eveningTextTellsPaid() {
    receiptEvening();
    g->CHBXZaplaceno->setChecked(true);
    g->BUTNVytvoritZTabulkyHer->click();
    QVERIFY(textOf(g).contains(stats::paidMark()));
    QVERIFY(textOf(g).contains("AAA"));
  }

  // ---- the makers read the window -----------------------------------------------------

  void statisticsFromTheRecords() {
    evening({"Adam", "Bara", "Cyril"},
            {{"      +2.00", "      -1.00", "      -1.00"}, {"      -4.00", "      +2.00", "      +2.00"}});
    g->BUTNVytvorTextZeStatistiky->click();
    const QStringList lines = linesOf(g);
    QCOMPARE(lines[3].left(22), QString("her: : 2, hracu: : 3, "));
    QVERIFY(lines.contains("Celkovy vitez                        :       Bara -       +1.00"));
    // The last finder leaves the loser's final balance marked.
    const QList<QTableWidgetSelectionRange> marked = g->STRGRMinMax->selectedRanges();
    QCOMPARE(marked.size(), 1);
    QCOMPARE(marked[0].topRow(), 1);
    QCOMPARE(marked[0].leftColumn(), int(stats::kFinalColumn));
    QCOMPARE(marked[0].rightColumn(), int(stats::kFinalColumn));
  }

  void receiptFromTheSettlement_data() { localeRows(); }
  void receiptFromTheSettlement() {
    useRowLocale();
    receiptEvening();
    g->BUTNUctenka->click();
    QStringList lines = linesOf(g);
    QCOMPARE(lines.mid(2, 3), QStringList({"AAA  :      -30.00", "BBBB :      +10.00", "CC   :      +20.00"}));
    QVERIFY(lines.contains("    CC                   :       20.00  [ ]"));

    g->CHBXUctenka->setChecked(false);
    g->BUTNUctenka->click();
    lines = linesOf(g);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.last(), QString(43, u'='));
  }

  // Balances whose binary remainders once made a payment of 0.00 (Hrac4 to
  // Hrac5): neither the settlement page nor the receipt shows one.
  void noPaymentOfNothing() {
    QStringList names, cells;
    const QList<double> balances{0.69, 0, 0.09, -0.78, 0.72, 0, 0.82, -0.34, -0.59, -0.35, -0.26};
    for (int k = 0; k < balances.size(); ++k) {
      names << QString("Hrac%1").arg(k + 1);
      cells << kvadus::signedMoneyText(balances[k]);
    }
    evening(names, {cells});
    QCOMPARE(g->STGRUctenka->item(4, 1)->text(), QString("       0.69"));  // Hrac4 pays Hrac1 first
    for (int r = 1; r <= 12; ++r)
      for (int c = 1; c <= 12; ++c) {
        const QTableWidgetItem* cell = g->STGRUctenka->item(r, c);
        QVERIFY2(!cell || cell->text().trimmed() != "0.00", qPrintable(QString("%1,%2").arg(c).arg(r)));
      }
    g->BUTNUctenka->click();
    const QString receipt = textOf(g);
    QVERIFY(receipt.contains("    Hrac3                :        0.09  [ ]"));
    QVERIFY2(!receipt.contains(": " + kvadus::moneyText(0)), qPrintable(receipt));
  }

  void invalidSettlementGivesBalancesOnly() {
    // A sum row that does not add up: the settlement refuses, the receipt
    // holds the balances alone.
    evening({"A", "B"}, {{"      -1.00", "      +2.00"}});
    QVERIFY(!g->CHBXUctenka->isEnabled());
    g->BUTNUctenka->click();
    QCOMPARE(linesOf(g).size(), 5);
    QCOMPARE(linesOf(g).last(), QString(43, u'='));
  }

  // ---- the price list ------------------------------------------------------------------

  void priceListUnderTheDefaultTariff_data() { localeRows(); }
  void priceListUnderTheDefaultTariff() {
    useRowLocale();
    evening({"Adam", "Bara", "Cyril"}, {});
    g->BUTNPrepoctiCenik->click();
    QVERIFY(g->priceListComputed());
    // Worked out by hand from the default tariff: game 0.10, hundred 0.20,
    // silent seven 0.10, seven 0.20, betl 0.50, durch 1.00, red x2, flek x2,
    // points over a hundred double the base, a lost hundred counts the
    // opponents' tens, two sevens 3.00 and in red 5.00.
    // Rows split at '|', cells at ';'.
    QList<QStringList> games;
    for (const QString& row :
         QStringLiteral(
             "bez fleku;+0.10;+0.20|1x flek;+0.20;+0.40|2x flek;+0.40;+0.80|3x flek;+0.80;+1.60|"
             "4x flek;+1.60;+3.20|ticha;+0.30;+0.60|ticha, zabita;+0.10;+0.20|hlasena;+0.30;+0.60|"
             "hlasena + hra;+0.60;+1.20|ticha proti zabita;+0.30;+0.60|100;+0.20;+0.40|110;+0.40;+0.80|"
             "120;+0.80;+1.60|130;+1.60;+3.20|140;+3.20;+6.40|100;+0.40;+0.80|110;+0.60;+1.20|"
             "120;+1.00;+2.00|130;+1.80;+3.60|140;+3.40;+6.80|betl;+0.50;|durch;+1.00;|dve sedmy;+3.00;+5.00|"
             "0;-0.20;-0.40|10;-0.40;-0.80|20;-0.80;-1.60|30;-1.60;-3.20|40;-3.20;-6.40|50;-6.40;-12.80|"
             "60;-12.80;-25.60|70;-25.60;-51.20|80;-51.20;-102.40|90;-102.40;-204.80|ticha;+0.10;+0.20|"
             "ticha + hra;-0.30;-0.60|ticha - hra;-0.10;-0.20|hlasena;-0.10;-0.20|hlasena + hra;-0.40;-0.80")
             .split(u'|'))
      games << row.split(u';');
    // The game rows: a price in the table's form, ten characters wide.
    QList<QStringList> priced;
    const QList<QStringList> rows = g->priceListRows();
    for (int r = 1; r < rows.size(); ++r)
      if (rows[r][1].size() == 10) {
        QVERIFY(rows[r][2].isEmpty() || rows[r][2].size() == 10);
        priced << QStringList{rows[r][0], rows[r][1].trimmed(), rows[r][2].trimmed()};
      }
    QCOMPARE(priced.size(), games.size());
    for (int i = 0; i < games.size(); ++i) QCOMPARE(priced[i], games[i]);
    QCOMPARE(g->priceListRows().first()[2], FRMMain->CKBXCervene->text());
    QCOMPARE(g->priceListRows().last(), QStringList({"", "", ""}));
  }

  void noTwoSevensRowWhenNotAllowed() {
    FRMMain->CHBXHratDveSedmy->setChecked(false);
    g->BUTNPrepoctiCenik->click();
    QStringList names;
    for (const QStringList& row : g->priceListRows()) names << row[0];
    QVERIFY(!names.contains("dve sedmy"));
    QVERIFY(names.contains("durch"));
  }

  void theHandBeingDescribedSurvives() {
    startGame({"Adam", "Bara", "Cyril"});
    // A person half way through a hand: betl lost, one flek.
    FRMMain->RAGRTypHry->setItemIndex(1);
    FRMMain->RAGRVyhra->setItemIndex(1);
    FRMMain->UPDNHraFlekCount->stepUp();
    const QStringList betl = entryState();
    g->BUTNPrepoctiCenik->click();
    QCOMPARE(entryState(), betl);

    // A straight amount from the quick selection: the direct amount mode
    // must not price the whole list at that amount, and stays on.
    FRMMain->RAGRPrimaUpravaStavuProhrane->setItemIndex(10);
    QVERIFY(FRMMain->flags.directAmountMode);
    const QStringList direct = entryState();
    g->BUTNPrepoctiCenik->click();
    QCOMPARE(entryState(), direct);
    QCOMPARE(g->priceListRows()[6], QStringList({"bez fleku", "     +0.10", "     +0.20"}));

    // The extended counting, on, with card points and red trumps.
    FRMMain->BUTNRozsireneOvladaniClick();
    FRMMain->RAGRBodyVeHreUhrano->setItemIndex(6);
    FRMMain->RAGRBodyVeHreProti->setItemIndex(3);
    const QStringList extended = entryState();
    g->BUTNPrepoctiCenik->click();
    QCOMPARE(entryState(), extended);
    // And the entry still prices as before.
    const QString price = FRMMain->EDITCelkemCena->text();
    FRMMain->BUTNPrepoctiClick();
    QCOMPARE(FRMMain->EDITCelkemCena->text(), price);
  }

  void priceListTextWithoutComputing() {
    person.answers = {MsgAnswer::No};  // "Mam cenik prepocitat ?"
    g->BUTNVytvoritZCeniku->click();
    QCOMPARE(person.shown.last().text, QString("Mam cenik prepocitat ?"));
    const QStringList lines = linesOf(g);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].trimmed().startsWith("Cenik ("));
    QVERIFY(lines[0].endsWith(")  normalni   cervene"));
    QCOMPARE(lines.mid(1), QStringList({QString(50, u'*'), QString(50, u' '), QString(50, u' ')}));
    QVERIFY(!g->priceListComputed());

    // Yes computes it first; once computed, nobody asks.
    g->BUTNVytvoritZCeniku->click();
    QVERIFY(g->priceListComputed());
    QVERIFY(linesOf(g).size() > 60);
    person.reset();
    g->BUTNVytvoritZCeniku->click();
    QCOMPARE(person.texts(), QStringList({"Vystup jiz nejaky text obsahuje.\nOpravdu ho chcete premazat ?"}));
  }

  void showingTheWindowResetsThePriceList() {
    g->BUTNPrepoctiCenik->click();
    QVERIFY(g->priceListRows().size() > 60);
    g->show();
    QVERIFY(!g->priceListComputed());
    QCOMPARE(g->priceListRows().size(), 3);
    g->hide();
  }

  // ---- saving -------------------------------------------------------------------------

  void savingTheText() {
    receiptEvening();
    g->BUTNUctenka->click();
    const QString path = folder->path("hry/ucet.txt");
    dialogs.file = path;
    g->BUTNSaveClick();
    QCOMPARE(dialogs.shown, QStringList({"DLGSave"}));
    QByteArray expected;
    for (const QString& line : linesOf(g)) expected += line.toUtf8() + "\r\n";
    QCOMPARE(bytesOf(path), expected);
    QCOMPARE(person.shown.last().text, QString("Data uspesne ulozena"));

    // An existing file: asked again, and No leaves it.
    g->REDITOut->setPlainText("jiny text");
    person.answers = {MsgAnswer::No};
    g->BUTNSaveClick();
    QCOMPARE(bytesOf(path), expected);
    QCOMPARE(person.shown.last().text, QString("Soubor s danym jmenem jiz existuje.\nOpravdu ho chcete prepsat ?"));

    // A cancelled dialog writes nothing.
    dialogs.file.clear();
    g->BUTNSaveClick();
    QCOMPARE(bytesOf(path), expected);
  }

  // ---- printing the page on view ---------------------------------------------------------

  void printingThePageOnView() {
    evening({"Adam", "Bara", "Cyril"}, {{"      +2.00", "      -1.00", "      -1.00"}});

    // The text page with nothing on it.
    g->PGCTRLOutPut->setCurrentWidget(g->PGTisk);
    g->BUTNTisk->click();
    QCOMPARE(person.shown.last().caption, QString("Chyba"));
    QCOMPARE(person.shown.last().text, QString("Neni co tisknout ..."));
    QVERIFY(dialogs.shown.isEmpty());

    // The records: the statistics report is made, shown and printed.
    dialogs.pdf = folder->path("statistika.pdf");
    g->PGCTRLOutPut->setCurrentWidget(g->PGStatistika);
    g->BUTNTisk->click();
    QCOMPARE(g->PGCTRLOutPut->currentWidget(), g->PGTisk);
    QVERIFY(textOf(g).startsWith("                       Vytisk statistiky partie"));
    QCOMPARE(pdfPages(dialogs.pdf), 1);

    // The price list, computed first: longer than a page.
    dialogs.pdf = folder->path("cenik.pdf");
    g->PGCTRLOutPut->setCurrentWidget(g->PGCenik);
    g->BUTNTisk->click();  // Yes to emptying, Yes to computing
    QVERIFY(g->priceListComputed());
    QCOMPARE(pdfPages(dialogs.pdf), 2);

    // Refusing to empty the text page prints nothing.
    dialogs.shown.clear();
    person.answers = {MsgAnswer::No};
    g->PGCTRLOutPut->setCurrentWidget(g->PGUctenka);
    g->BUTNTisk->click();
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(g->PGCTRLOutPut->currentWidget(), g->PGUctenka);

    // A chart prints through the same dialog.
    dialogs.pdf = folder->path("graf.pdf");
    g->PGCTRLOutPut->setCurrentWidget(g->PGCelkem);
    g->BUTNTisk->click();
    QCOMPARE(dialogs.shown, QStringList({"DLGPrint"}));
    QCOMPARE(pdfPages(dialogs.pdf), 1);

    // A cancelled print dialog writes nothing.
    dialogs.pdf.clear();
    g->PGCTRLOutPut->setCurrentWidget(g->PGTisk);
    g->BUTNTisk->click();
    QVERIFY(!QFile::exists(folder->path("ucet.pdf")));
  }

  // The statistics of a large table: aligned columns on screen, and on the
  // printed page every line whole, unbroken and inside the page.
  void statisticsPrintedWhole_data() {
    QTest::addColumn<int>("players");
    for (int n : {4, 6, 12, 20}) QTest::newRow(qPrintable(QString::number(n))) << n;
  }
  void statisticsPrintedWhole() {
    QFETCH(int, players);
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) {
      if (qEnvironmentVariableIsSet("CI")) QFAIL("pdftotext (poppler-utils) is missing on the CI machine");
      QSKIP("pdftotext (poppler-utils) is not installed");
    }
    QStringList names{"Adam", "Dobromila Kralova"};
    while (names.size() < players) names << QString("Hrac%1").arg(names.size() + 1);
    QList<QStringList> hands;
    for (int h = 0; h < 12; ++h) {
      QStringList hand(players, "      +0.00");
      hand[h % players] = kvadus::signedMoneyText(1234.5 * (h + 1));
      hand[(h + 1) % players] = kvadus::signedMoneyText(-1234.5 * (h + 1));
      hands << hand;
    }
    evening(names, hands);
    dialogs.pdf = folder->path("statistika.pdf");
    g->PGCTRLOutPut->setCurrentWidget(g->PGStatistika);
    g->BUTNTisk->click();
    const QStringList report = linesOf(g);
    for (int i = 9; i <= 17; ++i) QCOMPARE(report[i].size(), report[7].size());  // the turned table

    auto run = [&](const QStringList& args) {
      QProcess p;
      p.start(pdftotext, args);
      p.waitForFinished(30000);
      return QString::fromUtf8(p.readAllStandardOutput());
    };
    QStringList printed;
    for (const QString& line : run({"-layout", dialogs.pdf, "-"}).split('\n')) printed << line.simplified();
    for (const QString& line : report)
      if (!line.trimmed().isEmpty()) QVERIFY2(printed.contains(line.simplified()), qPrintable(line));
    const QString boxes = run({"-bbox", dialogs.pdf, "-"});
    const QRegularExpression page(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    const QRegularExpressionMatch size = page.match(boxes);
    QVERIFY(size.hasMatch());
    const double width = size.captured(1).toDouble(), height = size.captured(2).toDouble();
    const QRegularExpression word(R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">)re");
    int words = 0;
    for (auto it = word.globalMatch(boxes); it.hasNext(); ++words) {
      const QRegularExpressionMatch w = it.next();
      QVERIFY(w.captured(1).toDouble() >= 0 && w.captured(2).toDouble() >= 0);
      QVERIFY2(w.captured(3).toDouble() <= width && w.captured(4).toDouble() <= height, qPrintable(w.captured(0)));
    }
    QVERIFY(words > 10 * players);
  }

  // "PDF >>" writes what "Vytisknout >>" prints, page for page, for every page.
  void pdfOfThePageOnView() {
    evening({"Adam", "Bara", "Cyril"},
            {{"      +2.00", "      -1.00", "      -1.00"}, {"      -0.50", "      +1.50", "      -1.00"}});
    const QString paper = folder->path("papir.pdf");
    struct Case {
      QWidget* page;
      QStringList figures;
    };
    const QList<Case> cases{
        {g->PGGraf, {"Prubeh penez celkem", "(0) - Adam", "(2) - Cyril", "hry", "penize"}},
        {g->PGCelkem, {"Stav po 2 hrach", "Bara", "1.5"}},
        {g->PGStatistika, {"Vytisk statistiky partie", "+2.00", "Celkovy vitez", "Adam"}},
        {g->PGUctenka, {"Ucet", "Adam : +1.50", "Cyril : -2.00", "Cyril - plati hracum :", "Bara : 0.50 [ ]"}},
        {g->PGCenik, {"Vyhrane hry", "Prohrane hry", "Sto a sedma"}},
        {g->PGTisk, {"Vyhrane hry"}},  // the text left on the text page
    };
    for (const Case& c : cases) {
      const QString name = c.page->objectName();
      g->PGCTRLOutPut->setCurrentWidget(c.page);
      dialogs.file = folder->path(name + ".pdf");
      g->BUTNPdf->click();  // Yes to emptying the text page, Yes to computing the price list
      QVERIFY2(bytesOf(dialogs.file).startsWith("%PDF-"), qPrintable(name));
      const QString text = textOf(g);
      QChartView* chart = c.page == g->PGGraf     ? g->CHARTGraf.get()
                          : c.page == g->PGCelkem ? g->CHARTCelkem.get()
                                                  : nullptr;
      const int printed = printedPages(
          [&](QPagedPaintDevice& d) { return chart ? kvadus::printChart(chart, d) : kvadus::paintPlainText(d, text); },
          paper);
      QCOMPARE(pdfPages(dialogs.file), printed);
      const QString read = pdfText(dialogs.file).simplified();  // the extractor's spacing is its own
      for (const QString& figure : c.figures)
        QVERIFY2(read.contains(figure), qPrintable(name + ": " + figure + "\n" + read));
    }
    QCOMPARE(pdfPages(folder->path("PGCenik.pdf")), 2);
    QCOMPARE(dialogs.shown.count("DLGSavePdf"), cases.size());
  }

  void printerSetup() {
    g->BUTNNastaveniTisku->click();
    QCOMPARE(dialogs.shown, QStringList({"DLGPrinterSetup"}));
  }
};

QTEST_MAIN(TestReportsWindow)
#include "test_reports_window.moc"
