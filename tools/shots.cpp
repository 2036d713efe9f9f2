// zuzereru_shots [--dark] [--font PERCENT] [--screen WxH] OUTDIR: creates the
// windows offscreen, plays a short evening and writes a PNG of each window
// (and of the settings pages) into OUTDIR.
//   --dark          the Fusion style with a dark palette, as a dark desktop
//   --font PERCENT  the application font at this size (150: half as large again)
//   --screen WxH    the offscreen screen's size (default 800x800; a large
//                   font needs room for the larger windows)

#include "common/messages.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "common/textforms.h"
#include "players/declarerchange.h"
#include "players/playerentry.h"
#include "results/diskoperations.h"
#include "settings/fileselect.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "stats/resultswindow.h"
#include "stats/seasonwindow.h"
#include "common/textfile.h"
#include "results/resultstext.h"
#include "correction/balancecorrection.h"
#include "common/radiogroup.h"
#include "common/theme.h"
#include "common/updown.h"
#include <QCheckBox>
#include <QStyleFactory>

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

static void save(QWidget* w, const QString& dir, const QString& name) {
  w->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// A new game of these players with the hands written straight into the
// table, as adding them would, each with a description.
static void playResultsEvening(const QStringList& names, const QList<QList<double>>& hands) {
  FORMZadaniHracu->LBOXSeznamHracu->clear();
  FORMZadaniHracu->LBOXSeznamHracu->addItems(names);
  FORMZadaniHracu->LBOXSeznamHracu->setCurrentRow(0);
  FRMMain->BUTNNOvaHraClick();
  kvadus::ScoreGrid& g = *FRMMain->grid;
  const int n = static_cast<int>(names.size());
  for (int h = 0; h < hands.size(); ++h) {
    const int p = g.rowCount() - 1;
    g.setRowCount(p + 2);
    for (int c = 0; c < n; ++c) g.setCell(c, p, kvadus::signedMoneyText(hands[h][c]));
    g.setCell(n, p, names[h % n] + QStringLiteral(" : obycejna  ,7 [60,30,7 uhrana]"));
  }
  FRMMain->BUTNSpoctiSumuClick();
}

// A season: evenings of the same friends saved one a week, one file damaged.
static void seasonShots(const QString& out) {
  QTemporaryDir folder;
  const QStringList names[] = {{"Ja", "Franta", "Pepa", "Karel"},
                               {"ja", "Franta ", "Pepa"},
                               {"Ja", "Pepa", "Karel", "Jirka"},
                               {"Franta", "Ja", "Karel"}};
  for (int e = 0; e < 9; ++e) {
    const QStringList& n = names[e % 4];
    kvadus::MemoryGrid g;
    kvadus::ledger::freshTable(g, n);
    kvadus::ledger::addDescriptionColumn(g, int(n.size()));
    for (int h = 0; h < 20 + e; ++h) {
      const int p = g.rowCount() - 1;
      g.setRowCount(p + 2);
      const double a = 0.1 * ((h * 7 + e * 3) % 11 - 4);
      for (int c = 0; c < n.size(); ++c) g.setCell(c, p, kvadus::signedMoneyText(0));
      g.setCell(h % n.size(), p, kvadus::signedMoneyText(2 * a));
      g.setCell((h + 1) % n.size(), p, kvadus::signedMoneyText(-a));
      g.setCell((h + 2) % n.size(), p, kvadus::signedMoneyText(-a));
    }
    kvadus::ledger::recomputeSums(g, int(n.size()), true);
    const QDateTime when(QDate(2026, 1, 9).addDays(7 * e), QTime(23, 40));
    kvadus::writeTextFile(
        QDir(folder.path()).filePath(QStringLiteral("vecer%1.kvd").arg(e + 1)),
        kvadus::results::writeResults(g, {int(n.size()), true, 0, false, kvadus::dateTimeStamp(when)}),
        kvadus::SaveMode::Overwrite);
  }
  kvadus::writeTextFile(QDir(folder.path()).filePath(QStringLiteral("pokazeny.kvd")),
                        {"  sloupcu : 3+1", "  hry  : ---", "     +1.00;      abc;"}, kvadus::SaveMode::Overwrite);
  openSeasonWindow();
  FRMSezona->EDITSlozka->setText(QDir::toNativeSeparators(folder.path()));
  QEventLoop loop;
  QObject::connect(FRMSezona, &TFRMSezona::seasonShown, &loop, &QEventLoop::quit);
  FRMSezona->BUTNNacistClick();
  if (FRMSezona->reading()) loop.exec();
  for (int i = 0; i < FRMSezona->PGCTRLSezona->count(); ++i) {
    FRMSezona->PGCTRLSezona->setCurrentIndex(i);
    QApplication::processEvents();
    save(FRMSezona, out, QStringLiteral("sezona_") + FRMSezona->PGCTRLSezona->widget(i)->objectName());
  }
  FRMSezona->hide();
}

namespace {
struct Options {
  bool dark = false;
  int fontPercent = 100;
  QString screen;
  QString out = QStringLiteral(".");
};

Options readOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const QString a = QString::fromLocal8Bit(argv[i]);
    if (a == QLatin1String("--dark")) o.dark = true;
    else if (a == QLatin1String("--font") && i + 1 < argc) o.fontPercent = QString::fromLocal8Bit(argv[++i]).toInt();
    else if (a == QLatin1String("--screen") && i + 1 < argc) o.screen = QString::fromLocal8Bit(argv[++i]);
    else o.out = a;
  }
  return o;
}

// The offscreen platform with one screen of the asked size.
void offscreenScreen(const QString& size, const QString& folder) {
  const QStringList wh = size.split(QLatin1Char('x'));
  if (wh.size() != 2) return;
  const QString config = folder + QStringLiteral("/screens.json");
  QFile f(config);
  if (!f.open(QIODevice::WriteOnly)) return;
  f.write(QStringLiteral("{\"screens\":[{\"name\":\"s\",\"x\":0,\"y\":0,\"width\":%1,"
                         "\"height\":%2,\"logicalDpi\":96}]}")
              .arg(wh[0], wh[1])
              .toUtf8());
  f.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
}
}  // namespace

int main(int argc, char** argv) {
  const Options options = readOptions(argc, argv);
  QTemporaryDir scratch;
  if (!options.screen.isEmpty()) offscreenScreen(options.screen, scratch.path());
  kvadus::Application app(argc, argv);
  if (options.dark) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(kvadus::darkPalette());
  }
  if (options.fontPercent != 100) {
    QFont f = QApplication::font();
    f.setPointSizeF(f.pointSizeF() * options.fontPercent / 100.0);
    QApplication::setFont(f);
  }
  const QString out = options.out;
  QDir().mkpath(out);
  kvadus::setMessageResponder(
      [](const QString&, const QString&, kvadus::MsgButtons) { return kvadus::MsgAnswer::Yes; });
  createWindows();
  FRMMain->flags.firstShowing = 0;    // no start-up dialogs here
  FRMMain->BUTNKontrolaCislaClick();  // the first check formats the tariff
  FRMMain->show();
  if (QDir(QStringLiteral("help")).exists()) FRMMain->loadHelpComponents();
  app.processEvents();
  save(FRMMain, out, QStringLiteral("main_empty"));

  FRMMain->BUTNNOvaHraClick();
  // A few hands written straight into the table, as adding them would.
  kvadus::ScoreGrid& g = *FRMMain->grid;
  const double hands[][4] = {{-0.2, 0.4, -0.2, 0}, {0.1, 0.1, -0.2, 0}, {-0.8, 0, 0.4, 0.4}};
  for (const auto& h : hands) {
    const int p = g.rowCount() - 1;
    g.setRowCount(p + 2);
    for (int c = 0; c < 4; ++c) g.setCell(c, p, kvadus::signedMoneyText(h[c]));
    g.setCell(4, p, QStringLiteral("Franta : obycejna  ,7 [60,30,7 uhrana]"));
  }
  FRMMain->BUTNSpoctiSumuClick();
  // A hand being described: Franta declares a seven in red with one flek.
  FRMMain->selectDeclarer(1);
  FRMMain->LIBXHraciClick();
  FRMMain->CKBXSedma->setChecked(true);
  FRMMain->CKBXCervene->setChecked(true);
  FRMMain->UPDNHraFlekCount->stepUp();
  FRMMain->RAGRUhrano->setItemIndex(6);
  FRMMain->RAGRProti->setItemIndex(3);
  FRMMain->CHBXUhranaSedmaVolicem->setChecked(true);
  app.processEvents();
  save(FRMMain, out, QStringLiteral("main_game"));
  // Points that cannot be: the warning in place of "Pridat".
  FRMMain->RAGRProti->setItemIndex(0);
  FRMMain->RAGRUhrano->setItemIndex(1);
  app.processEvents();
  save(FRMMain, out, QStringLiteral("main_points_check"));
  FRMMain->RAGRUhrano->setItemIndex(6);
  FRMMain->RAGRProti->setItemIndex(3);
  // The same in the wide window, with the quick selection.
  FRMMain->BUTNChangeSizeClick();
  app.processEvents();
  save(FRMMain, out, QStringLiteral("main_game_wide"));
  FRMMain->BUTNChangeSizeClick();

  // The same hand counted with card points and melds: trumps in "kule", the
  // declarer's melds in kule and cervene, a meld in zelene against him, a
  // declared hundred.
  FRMMain->CKBXSedma->setChecked(false);
  FRMMain->CKBXCervene->setChecked(false);
  FRMMain->BUTNRozsireneOvladani->click();
  FRMMain->CKBXStovka->setChecked(true);
  FRMMain->RAGRBodyVeHreUhrano->setItemIndex(6);
  FRMMain->RAGRBodyVeHreProti->setItemIndex(3);
  FRMMain->CHBXHlaskyHlaska2->setChecked(true);
  FRMMain->CHBXHlaskyHlaska0->setChecked(true);
  FRMMain->CHBXHlaskyHlaska1Proti->setChecked(true);
  app.processEvents();
  save(FRMMain, out, QStringLiteral("main_extended"));
  FRMMain->BUTNRozsireneOvladani->click();
  FRMMain->CKBXStovka->setChecked(false);

  FRMMain->BUTNNastaveniParametruClick();
  app.processEvents();
  for (int i = 0; i < FRMMain->PGCTRLNastaveni->count(); ++i) {
    FRMMain->PGCTRLNastaveni->setCurrentIndex(i);
    app.processEvents();
    save(FRMMain, out, QStringLiteral("settings_%1").arg(i));
  }
  // The inner pages of "stovka" and "hraci".
  for (QTabWidget* inner : {FRMMain->PGCTRLStovka, FRMMain->findChild<QTabWidget*>(QStringLiteral("PGCTRLPauzirak"))}) {
    FRMMain->PGCTRLNastaveni->setCurrentWidget(inner->parentWidget());
    for (int i = 1; i < inner->count(); ++i) {
      inner->setCurrentIndex(i);
      app.processEvents();
      save(FRMMain, out, QStringLiteral("settings_%1_%2").arg(inner->objectName()).arg(i));
    }
    inner->setCurrentIndex(0);
  }
  // The help texts of the page "o programu", the first one scrolled too.
  FRMMain->PGCTRLNastaveni->setCurrentWidget(FRMMain->TABOProgramu);
  for (int i = 0; i < FRMMain->PGCNTRLOProgramu->count(); ++i) {
    FRMMain->PGCNTRLOProgramu->setCurrentIndex(i);
    app.processEvents();
    save(FRMMain, out, QStringLiteral("o_programu_%1").arg(i));
  }
  FRMMain->PGCNTRLOProgramu->setCurrentIndex(2);
  FRMMain->MEMOPravidla->verticalScrollBar()->setValue(12);
  app.processEvents();
  save(FRMMain, out, QStringLiteral("o_programu_pocitani_dal"));
  FRMMain->MEMOPravidla->verticalScrollBar()->setValue(0);
  FRMMain->PGCNTRLOProgramu->setCurrentIndex(0);
  // The page "disk" with its four pages: the text as created, the report of
  // an apply with an error in it, the switches and the rules.
  FRMMain->PGCTRLNastaveni->setCurrentWidget(FRMMain->TABDisk);
  if (FRMMain->MEMONastaveni->toPlainText().isEmpty()) FRMMain->BUTNNastaveniVytvorClick();
  const QString created = FRMMain->MEMONastaveni->toPlainText();
  FRMMain->MEMONastaveni->appendPlainText(QStringLiteral("nazev fleku : 9x: super"));
  FRMMain->BUTNPouzijNastaveniClick();
  FRMMain->MEMONastaveni->setPlainText(created);
  for (int i = 0; i < FRMMain->PGCTRLDisk->count(); ++i) {
    FRMMain->PGCTRLDisk->setCurrentIndex(i);
    app.processEvents();
    save(FRMMain, out, QStringLiteral("settings_disk_%1").arg(i));
  }
  FRMMain->PGCTRLDisk->setCurrentIndex(0);
  FRMMain->BUTNNastaveniParametruClick();

  const QList<QPair<QWidget*, QString>> others = {{FORMZadaniHracu, "zadani_hracu"}, {FRMZmenaVolice, "zmena_volice"},
                                                  {FORMDiskoveOperace, "disk"},      {FRMUpravaStavu, "uprava_stavu"},
                                                  {FRMFileSelect, "file_select"},    {FRMGrafika, "vysledky"}};
  for (const auto& [w, name] : others) {
    w->show();
    app.processEvents();
    save(w, out, name);
    w->hide();
  }

  // The disk operations with the evening as text, and the log of a reading
  // that failed on its last line.
  FORMDiskoveOperace->show();
  app.processEvents();
  FORMDiskoveOperace->FormActivate();
  FORMDiskoveOperace->BUTNVytvorVystupClick();
  app.processEvents();
  save(FORMDiskoveOperace, out, QStringLiteral("disk_text"));
  FORMDiskoveOperace->REDTOutput->appendPlainText(QStringLiteral("  hry  : ---\n     +1.00;      abc;"));
  FORMDiskoveOperace->BUTNPridatVystupClick();
  app.processEvents();
  save(FORMDiskoveOperace, out, QStringLiteral("disk_log"));
  FORMDiskoveOperace->PGCTRLDisk->setCurrentIndex(3);
  app.processEvents();
  save(FORMDiskoveOperace, out, QStringLiteral("disk_settings"));
  FORMDiskoveOperace->hide();

  // The balance correction with changes made: Pepa moved up a place and a
  // new balance typed for him.
  FRMUpravaStavu->show();
  app.processEvents();
  FRMUpravaStavu->STRGRNove->setCurrentCell(3, 0);
  FRMUpravaStavu->BUTNUpClick();
  FRMUpravaStavu->STRGRNove->setCurrentCell(2, 0);
  FRMUpravaStavu->EDITNovePenize->setText(QStringLiteral("12,5"));
  FRMUpravaStavu->EDITNovePenizeChange();
  FRMUpravaStavu->EDITNovePenizeExit(FRMUpravaStavu->STRGRNove, false);
  app.processEvents();
  save(FRMUpravaStavu, out, QStringLiteral("uprava_stavu_zmeny"));
  FRMUpravaStavu->hide();

  // The results window over an evening of a dozen hands, page by page, and
  // the course chart of eight players.
  const QStringList four = {"Pepa", "Jana", "Franta", "Karel"};
  const QList<QList<double>> dozen = {{0.4, -0.2, -0.2, 0}, {-0.3, 0.6, 0, -0.3}, {0, -1.2, 0.6, 0.6},
                                      {0.1, 0, 0.1, -0.2},  {-0.8, 0.4, 0.4, 0},  {1.2, -0.6, 0, -0.6},
                                      {0, 0.3, -0.6, 0.3},  {-0.2, 0, -0.2, 0.4}, {2.4, -1.2, -1.2, 0},
                                      {-0.4, 0.8, 0, -0.4}, {0, -0.2, 0.1, 0.1},  {0.3, 0, 0.3, -0.6}};
  playResultsEvening(four, dozen);
  FRMGrafika->resize(FRMGrafika->openingSize(FRMMain->size()));
  FRMGrafika->show();
  app.processEvents();
  FRMGrafika->FormActivate();
  const QStringList pages = {"graf", "celkem", "rekordy", "ucet", "cenik", "tisk"};
  for (int i = 0; i < FRMGrafika->PGCTRLOutPut->count(); ++i) {
    FRMGrafika->PGCTRLOutPut->setCurrentIndex(i);
    app.processEvents();
    save(FRMGrafika, out, QStringLiteral("vysledky_") + pages.value(i));
  }
  FRMGrafika->PGCTRLOutPut->setCurrentIndex(0);
  FRMGrafika->CHBXZaplaceno->setChecked(true);
  FRMGrafika->BUTNPrekresliGrafVyhryClick();
  FRMGrafika->CHARTGrafClickSeries(1, 9);
  app.processEvents();
  save(FRMGrafika, out, QStringLiteral("vysledky_graf_vyhry"));
  FRMGrafika->bBUTNPrekresliGrafClick();
  FRMGrafika->CHBXSchody->setChecked(true);
  FRMGrafika->CHARTGrafClickSeries(0, 9);
  app.processEvents();
  save(FRMGrafika, out, QStringLiteral("vysledky_graf_schody"));
  FRMGrafika->CHBXSchody->setChecked(false);
  FRMGrafika->FormActivate();
  FRMGrafika->STGRUctenka->setFocus();
  FRMGrafika->LISTBXPlati->setCurrentRow(0);
  FRMGrafika->PGCTRLOutPut->setCurrentWidget(FRMGrafika->PGUctenka);
  app.processEvents();
  save(FRMGrafika, out, QStringLiteral("vysledky_ucet_plati"));
  FRMGrafika->PGCTRLOutPut->setCurrentWidget(FRMGrafika->PGStatistika);
  FRMGrafika->BUTNVitezClick();
  app.processEvents();
  save(FRMGrafika, out, QStringLiteral("vysledky_rekordy_vitez"));
  // The price list computed, and the receipt and the statistics on the text page.
  FRMGrafika->BUTNPrepoctiCenikClick();
  FRMGrafika->PGCTRLOutPut->setCurrentWidget(FRMGrafika->PGCenik);
  app.processEvents();
  save(FRMGrafika, out, QStringLiteral("vysledky_cenik_spocteny"));
  FRMGrafika->BUTNUctenkaClick();
  FRMGrafika->PGCTRLOutPut->setCurrentWidget(FRMGrafika->PGTisk);
  app.processEvents();
  save(FRMGrafika, out, QStringLiteral("vysledky_tisk_ucet"));
  FRMGrafika->REDITOut->clear();
  FRMGrafika->BUTNVytvorTextZeStatistikyClick();
  app.processEvents();
  save(FRMGrafika, out, QStringLiteral("vysledky_tisk_statistika"));

  const QStringList eight = {"Pepa", "Jana", "Franta", "Karel", "Jirka", "Honza", "Vasek", "Eva"};
  QList<QList<double>> eightHands;
  for (int h = 0; h < 12; ++h) {
    QList<double> row(8, 0.0);
    const int declarer = h % 8;
    const double amount = ((h * 7) % 5 - 2) * 0.4 + (h % 3 == 0 ? 0.8 : 0.0);
    row[declarer] = 2 * amount;
    row[(declarer + 1) % 8] = -amount;
    row[(declarer + 2) % 8] = -amount;
    eightHands << row;
  }
  playResultsEvening(eight, eightHands);
  FRMGrafika->PGCTRLOutPut->setCurrentIndex(0);
  FRMGrafika->FormActivate();
  app.processEvents();
  save(FRMGrafika, out, QStringLiteral("vysledky_graf_osm"));
  for (QWidget* page : {FRMGrafika->PGCelkem, FRMGrafika->PGStatistika, FRMGrafika->PGUctenka}) {
    FRMGrafika->PGCTRLOutPut->setCurrentWidget(page);
    app.processEvents();
    save(FRMGrafika, out, QStringLiteral("vysledky_osm_") + page->objectName());
  }
  FRMGrafika->hide();

  // Seven players, the list scrolled to a late declarer, and a hand priced
  // beyond what the program books.
  FORMZadaniHracu->LBOXSeznamHracu->clear();
  FORMZadaniHracu->LBOXSeznamHracu->addItems({"Ja", "Franta", "Pepa", "Karel", "Jirka", "Honza", "Vasek"});
  FORMZadaniHracu->LBOXSeznamHracu->setCurrentRow(5);
  FRMMain->BUTNNOvaHraClick();
  FRMMain->applyNumericValue(FRMMain->EDITFaktorNadStoNasobit, QStringLiteral("1000000"));
  FRMMain->RAGRUhrano->setItemIndex(19);
  FRMMain->RAGRProti->setItemIndex(0);
  app.processEvents();
  save(FRMMain, out, QStringLiteral("main_seven_out_of_range"));

  // The quick selection: "100 + 7" made with 120 points, then two crowns
  // lost, given straight (the red boxes go away with a direct amount).
  if (!FRMMain->CHBXOknoRoztazene->isChecked()) FRMMain->BUTNChangeSizeClick();
  FRMMain->applyNumericValue(FRMMain->EDITFaktorNadStoNasobit, QStringLiteral("2"));
  FRMMain->RAGRStoASedm->setItemIndex(2);
  app.processEvents();
  save(FRMMain, out, QStringLiteral("main_quick_won"));
  FRMMain->RAGRPrimaUpravaStavuProhrane->setItemIndex(10);
  app.processEvents();
  save(FRMMain, out, QStringLiteral("main_quick_direct"));

  seasonShots(out);

  FRMMain->flags.firstShowing = 0;
  kvadus::ledger::handCount(0);
  destroyWindows();
  return 0;
}
