#include "shell/mainwindow.h"

#include "common/controls.h"
#include "common/messages.h"
#include "common/shellopen.h"
#include "common/textforms.h"
#include "correction/balancecorrection.h"
#include "ledger/tablegrid.h"
#include "players/declarerchange.h"
#include "players/playerentry.h"
#include "results/diskoperations.h"
#include "results/recoverycopies.h"
#include "settings/fileselect.h"
#include "shell/application.h"
#include "shell/commandline.h"
#include "shell/mainwindow_layout.h"
#include "shell/screenmetrics.h"
#include "shell/startup.h"
#include "stats/resultswindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

using namespace kvadus;

namespace {
void showModeless(QWidget* w) {
  w->show();
  w->raise();
  w->activateWindow();
}

// Gives a secondary window a client size no larger than the work area holds
// in the frame such a window gets, and keeps it on the work area.
void fitOnScreen(QWidget* w, const QSize& wanted) {
  const ScreenMetrics s = screenMetrics(w, WindowKind::Resizable);
  const QSize size = windowsize::clientSizeWithin(wanted, s.workArea, s.frame);
  w->resize(size);
  w->move(windowsize::keepOnScreen(QRect(w->pos(), size + windowsize::frameExtra(s.frame)), s.workArea));
}
}  // namespace

TFRMMain::TFRMMain(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FRMMain"));
  setWindowTitle(mainWindowCaption());
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(layout::kClientWidth, layout::kClientHeight);

  buildFrame();
  buildLedger();
  buildEntry();
  buildQuickSelection();
  buildSettingsPanel();
  buildHands();
  buildExtended();
  connectFrame();
  connectLedger();
  connectEntry();
  connectSettings();
  connectHands();
  connectExtended();
  buildWindowSize();
  connectWindowSize();
  buildSeason();
  fitToFont();
  FormCreate();
  setUpKeyboard();
}

TFRMMain::~TFRMMain() { delete grid; }

void TFRMMain::buildFrame() {
  GRBXOvladaniHry = new QGroupBox(QStringLiteral("Hra"), this);
  GRBXOvladaniHry->setObjectName(QStringLiteral("GRBXOvladaniHry"));
  GRBXOvladaniHry->setGeometry(layout::kControlGroup);

  BUTNNOvaHra = makeButton(GRBXOvladaniHry, "BUTNNOvaHra", QStringLiteral("Nova"),
                           QStringLiteral("Zalozeni nove hry podle jmen"));
  BUTNHraci =
      makeButton(GRBXOvladaniHry, "BUTNHraci", QStringLiteral("jmena >>"), QStringLiteral("Obrazovka pro zmenu jmen"));
  BUTNZmenaVolice =
      makeButton(GRBXOvladaniHry, "BUTNZmenaVolice", QStringLiteral("  volic >>"), QStringLiteral("zmena volice"));
  BUTNZmenaStavu = makeButton(GRBXOvladaniHry, "BUTNZmenaStavu", QStringLiteral("zmenit >>"),
                              QStringLiteral("zmena poradi hracu a/nebo jejichpenez"));
  BUTNDiskoveOperace = makeButton(GRBXOvladaniHry, "BUTNDiskoveOperace", QStringLiteral("disk >>"),
                                  QStringLiteral("Obrazovka pro ulozeni, nahrani a tisk kvadusovych partii"));
  BUTNGrafika = makeButton(GRBXOvladaniHry, "BUTNGrafika", QStringLiteral("vysledky, tisk >>"),
                           QStringLiteral("grafy a tisk vysledku"));
  BUTNNastaveniParametru = makeButton(GRBXOvladaniHry, "BUTNNastaveniParametru", QStringLiteral("nastaveni <<"),
                                      QStringLiteral("nastaveni pocitani penez"));
  BUTNNapovedaUpper =
      makeButton(GRBXOvladaniHry, "BUTNNapovedaUpper", QStringLiteral("napoveda <<"), QStringLiteral("napoveda"));
  BUTNKonec = makeButton(GRBXOvladaniHry, "BUTNKonec", QStringLiteral("Konec"), QStringLiteral("ukonceni programu"));

  const QList<QPushButton*> column = {BUTNNOvaHra,        BUTNHraci,   BUTNZmenaVolice,        BUTNZmenaStavu,
                                      BUTNDiskoveOperace, BUTNGrafika, BUTNNastaveniParametru, BUTNNapovedaUpper,
                                      BUTNKonec};
  int y = 20;
  for (auto* b : column) {
    b->setGeometry(4, y, layout::kControlGroup.width() - 8, 26);
    y += (b == BUTNGrafika) ? 38 : 30;  // a gap before the panel and help buttons
  }
  BUTNZmenaVolice->setEnabled(false);
  BUTNZmenaStavu->setEnabled(false);
  BUTNGrafika->setEnabled(false);
}

void TFRMMain::connectFrame() {
  connect(BUTNKonec, &QPushButton::clicked, this, &QWidget::close);
  connect(BUTNNastaveniParametru, &QPushButton::clicked, this, &TFRMMain::BUTNNastaveniParametruClick);
  connect(BUTNNapovedaUpper, &QPushButton::clicked, this, &TFRMMain::BUTNNapovedaUpperClick);
  connect(BUTNHraci, &QPushButton::clicked, this, [] { showModeless(FORMZadaniHracu); });
  connect(BUTNDiskoveOperace, &QPushButton::clicked, this, [] { showModeless(FORMDiskoveOperace); });
  connect(BUTNZmenaStavu, &QPushButton::clicked, this, [] { showModeless(FRMUpravaStavu); });
  connect(BUTNGrafika, &QPushButton::clicked, this, [] { showModeless(FRMGrafika); });
  connect(BUTNZmenaVolice, &QPushButton::clicked, this, &TFRMMain::BUTNZmenaVoliceClick);
}

void TFRMMain::FormCreate() {
  BUTNCHeckFormSizeClick();

  LIBXFlekHraAbbrev->clear();
  LIBXFlekHraValues->clear();
  LIBXFlekSedmaValues->clear();
  const QStringList& names = flekNames();
  for (int i = 0; i < names.size(); ++i) {
    LIBXFlekHraValues->addItem(QString::number(i));
    LIBXFlekHraAbbrev->addItem(names[i]);
    LIBXFlekSedmaValues->addItem(QString::number(i));
  }
  LIBXFlekHraValues->setCurrentRow(0);
  LIBXFlekSedmaValues->setCurrentRow(0);

  RAGRTypHryClick();
  RAGRNadStoClick();
  CHBXHratDveSedmyClick();
  CHBXOpravyHodnotClick();
  BUTNNastaveniParametruClick();
  CHBXOpravyHodnotClick();
  BUTNFlekSelectClick();

  CHKBXKontrolovatPocetBodu->setText(QStringLiteral("kontrolovat min. (") + QStringLiteral("90") +
                                     QStringLiteral(") a max. (") + QStringLiteral("190") + QStringLiteral(")"));
  CHBXOpravyHodnotClick();
  BUTNSrovnejMaxFlekClick();
  RAGRPocitaniPauzirakuClick();
}

void TFRMMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The first-showing work runs once the window is on screen, so that the
  // settings file selection has its owner visible behind it.
  if (flags.firstShowing)
    QTimer::singleShot(0, this, [this] {
      if (flags.firstShowing) FormShow();
    });
}

void TFRMMain::FormShow() {
  // The selection dialog runs an event loop of its own; the work must not
  // start a second time from inside it.
  if (!flags.firstShowing || formShowRunning_) return;
  formShowRunning_ = true;
  formShowWork();
  formShowRunning_ = false;
}

// The help page about troubles (start, window size), or the message that it
// cannot be opened.
void TFRMMain::openTroubleHelp() {
  const QString trouble = helpPath(QStringLiteral("trouble.htm"));
  if (!openDocument(trouble))
    showMessage(this, QStringLiteral("Chyba"),
                QStringLiteral("Nelze otevrit soubor s napovedou :\n") + trouble +
                    QStringLiteral("\nPokuste se ho otevrit rucne a hledejte sekci,\n"
                                   "ktera se zabyva velikosti oken."));
}

void TFRMMain::formShowWork() {
  if (!chooseStartSettings()) {
    flags.firstShowing = 0;
    close();
    return;
  }
  flags.firstShowing = 0;

  if (!loadHelpComponents()) {
    showMessage(this, QStringLiteral("Chyba"),
                QStringLiteral("Nektera z komponent programu chybi, nebo je poskozena.\n"
                               "Program bude ukoncen."));
    openTroubleHelp();
    close();
    return;
  }

  applyStartSettings();

  offerRecovery();

  // Centre the main window on the screen's work area and give the secondary
  // windows its place and size.
  BUTNUmistiCClick();
  fitOnScreen(FORMZadaniHracu, QSize(FORMZadaniHracu->width(), height()));
  // The disk, results and correction windows get theirs when they are made.
  secondarySize_ = size();
  for (QWidget* w : {static_cast<QWidget*>(FORMDiskoveOperace.ifMade()), static_cast<QWidget*>(FRMGrafika.ifMade()),
                     static_cast<QWidget*>(FRMUpravaStavu.ifMade())})
    if (w) fitSecondaryWindow(w);
  openStartFile(startFile());
}

void TFRMMain::fitSecondaryWindow(QWidget* w) {
  // The results window is as wide as its tabs need; the declarer's dialog
  // keeps its own size.
  if (auto* results = qobject_cast<TFRMGrafika*>(w)) fitOnScreen(w, results->openingSize(secondarySize_));
  else if (!qobject_cast<TFRMZmenaVolice*>(w)) fitOnScreen(w, secondarySize_);
  if (auto* disk = qobject_cast<TFORMDiskoveOperace*>(w)) disk->BUTNDefaultFilenameClick();
}

void TFRMMain::secondaryWindowMade(QWidget* w) {
  if (secondaryPos_) w->move(*secondaryPos_);
  if (secondarySize_.isValid()) fitSecondaryWindow(w);
  if (helpLoaded_) loadHelpTexts(w);
}

bool TFRMMain::FormCloseQuery() {
  if (STGOutput->rowCount() > 2 && !askYesNo(this, QStringLiteral("Mate rozehranou hru,\nopravdu chcete skoncit ?")))
    return false;
  endRecovery();
  return true;
}

void TFRMMain::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  // Closing the main window ends the program, whatever other windows are open.
  for (QWidget* w : {static_cast<QWidget*>(FORMZadaniHracu), static_cast<QWidget*>(FORMDiskoveOperace.ifMade()),
                     static_cast<QWidget*>(FRMUpravaStavu.ifMade()), static_cast<QWidget*>(FRMGrafika.ifMade())})
    if (w) w->hide();
  emit programEnding();
  QCoreApplication::quit();
}

void TFRMMain::BUTNNastaveniParametruClick() {
  if (!GRPBXNastaveni->isHidden()) {
    BUTNNastaveniParametru->setText(QStringLiteral("nastaveni >>"));
    BUTNNapovedaUpper->setText(QStringLiteral("napoveda >>"));
  } else {
    BUTNNastaveniParametru->setText(QStringLiteral("nastaveni <<"));
    BUTNNapovedaUpper->setText(QStringLiteral("napoveda <<"));
  }
  GRPBXNastaveni->setVisible(GRPBXNastaveni->isHidden());
}

void TFRMMain::BUTNNapovedaUpperClick() {
  BUTNNastaveniParametruClick();
  if (GRPBXNastaveni->isHidden()) return;
  if (flags.helpAvailable) {
    const QString path = helpPath(QStringLiteral("help.htm"));
    if (!openDocument(path)) {
      showMessage(this, QStringLiteral("Chyba"), QStringLiteral("Nelze otevrit tento soubor s napovedou :\n") + path);
      flags.helpAvailable = 0;
      BUTNNapovedaUpper->setEnabled(false);
    }
  }
  PGCTRLNastaveni->setCurrentWidget(TABOProgramu);
  PGCNTRLOProgramu->setCurrentWidget(TABProgram);
  PGCNTRLOProgramu->setFocus();
}

void TFRMMain::BUTNZmenaVoliceClick() {
  FRMZmenaVolice->exec();
  LIBXHraciClick();
}

void TFRMMain::CHBXZobrazovatBublinkovouNapovedu_Click() {
  setTooltipsEnabled(CHBXZobrazovatBublinkovouNapovedu->isChecked());
}
