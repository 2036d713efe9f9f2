// The settings panel of the main window: the tariff and the counting rules
// on their pages, and the help texts that the first showing loads.

#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/mainwindow_layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace kvadus;

namespace {
QPlainTextEdit* makeMemo(const char* name) {
  auto* m = new QPlainTextEdit;
  m->setObjectName(QLatin1String(name));
  m->setReadOnly(true);
  return m;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption,
                     const QString& hint, bool checked) {
  auto* c = new QCheckBox(caption, parent);
  c->setObjectName(QLatin1String(name));
  c->setToolTip(hint);
  c->setChecked(checked);
  return c;
}

// A page that holds one text box; the box's own visibility stays its own,
// apart from the page that the tab control shows and hides.
QWidget* memoPage(QPlainTextEdit* memo) {
  auto* page = new QWidget;
  auto* box = new QVBoxLayout(page);
  box->setContentsMargins(2, 2, 2, 2);
  box->addWidget(memo);
  return page;
}

QWidget* makePage(QTabWidget* tabs, const char* name, const QString& caption, const QString& hint) {
  auto* page = new QWidget;
  page->setObjectName(QLatin1String(name));
  const int index = tabs->addTab(page, caption);
  tabs->setTabToolTip(index, hint);
  return page;
}
}  // namespace

void TFRMMain::buildSettingsPanel() {
  GRPBXNastaveni = new QGroupBox(QStringLiteral("Nastaveni"), this);
  GRPBXNastaveni->setObjectName(QStringLiteral("GRPBXNastaveni"));
  GRPBXNastaveni->setToolTip(QStringLiteral("nastaveni pocitani penez"));
  GRPBXNastaveni->setGeometry(layout::kSettingsPanel);
  GRPBXNastaveni->setAutoFillBackground(true);

  PGCTRLNastaveni = new QTabWidget(GRPBXNastaveni);
  PGCTRLNastaveni->setObjectName(QStringLiteral("PGCTRLNastaveni"));
  PGCTRLNastaveni->setGeometry(4, 18, layout::kSettingsPanel.width() - 8,
                               layout::kSettingsPanel.height() - 22);
  PGCTRLNastaveni->setUsesScrollButtons(false);

  TABCeny = makePage(PGCTRLNastaveni, "TABCeny", QStringLiteral("ceny"),
                     QStringLiteral("nastaveni cen zakladnich her"));
  TABStovka = makePage(PGCTRLNastaveni, "TABStovka", QStringLiteral("stovka"),
                       QStringLiteral("nastaveni zpusobu pocitani stovky"));
  TABDveSedmy = makePage(PGCTRLNastaveni, "TABDveSedmy", QStringLiteral("dve sedmy"),
                         QStringLiteral("nastaveni hry dvou sedem"));
  TABHraci = makePage(PGCTRLNastaveni, "TABHraci", QStringLiteral("hraci"),
                      QStringLiteral("nastaveni pauzirovaneho kvaduse"));
  TABOstatni = makePage(PGCTRLNastaveni, "TABOstatni", QStringLiteral("ostatni"),
                        QStringLiteral("ostatni nastaveni"));
  TABDisk = makePage(PGCTRLNastaveni, "TABDisk", QStringLiteral("disk"),
                     QStringLiteral("nastaveni ulozena na disku"));
  TABOProgramu = makePage(PGCTRLNastaveni, "TABOProgramu", QStringLiteral("o programu"),
                          QStringLiteral("informace o programu"));

  // "hraci": who may play, and how those who sit out are counted.
  CKBXHraniPauzirovaneho =
      makeCheck(TABHraci, "CKBXHraniPauzirovaneho", QStringLiteral("Hrani pauziraku"),
                QStringLiteral("povoleni/zakazani hrani pauzirovaneho kvaduse"), true);
  CKBXHraniPauzirovaneho->setGeometry(8, 8, 200, 20);
  CHBXPovolenaHraVeDvou =
      makeCheck(TABHraci, "CHBXPovolenaHraVeDvou", QStringLiteral("povolit i hru ve dvou"),
                QStringLiteral("povoleni/zakazani hry ve dvou"), true);
  CHBXPovolenaHraVeDvou->setGeometry(8, 30, 200, 20);
  auto* rules = new QTabWidget(TABHraci);
  rules->setObjectName(QStringLiteral("PGCTRLPauzirak"));
  rules->setGeometry(216, 4, PGCTRLNastaveni->width() - 224, PGCTRLNastaveni->height() - 38);
  MEMOPocitaniPauziraku = makeMemo("MEMOPocitaniPauziraku");
  MEMOPravidlaKrizovehoKvaduse = makeMemo("MEMOPravidlaKrizovehoKvaduse");
  rules->addTab(memoPage(MEMOPocitaniPauziraku), QStringLiteral("pocitani - normalni pauzirak"));
  rules->addTab(memoPage(MEMOPravidlaKrizovehoKvaduse), QStringLiteral("pocitani - ve ctyrech do krize"));

  // "ostatni": display and behaviour switches.
  CKBXZobrazovatDruhyHer = makeCheck(
      TABOstatni, "CKBXZobrazovatDruhyHer", QStringLiteral("zobrazovat druhy her"),
      QStringLiteral("typ hrane hry se bude/nebude zobrazovat ve ctvrtem sloupci a nad tabulkou"),
      true);
  CKBXZobrazovatDruhyHer->setGeometry(8, 8, 200, 20);
  CHBXZobrazovatBublinkovouNapovedu =
      makeCheck(TABOstatni, "CHBXZobrazovatBublinkovouNapovedu",
                QStringLiteral("  bublinkova napoveda"),
                QStringLiteral("povoleni/zakazani teto 'bublinkove' napovedy"), true);
  CHBXZobrazovatBublinkovouNapovedu->setGeometry(8, 32, 200, 20);
  auto* kontrola = new QLabel(QStringLiteral("Kontrola poctu bodu ve hre :"), TABOstatni);
  kontrola->setGeometry(300, 8, 300, 18);
  CHKBXKontrolovatPocetBodu =
      makeCheck(TABOstatni, "CHKBXKontrolovatPocetBodu", QString(),
                QStringLiteral("kontrolovat pocet bodu na min. a max."), true);
  CHKBXKontrolovatPocetBodu->setGeometry(300, 28, 300, 20);

  // "disk": the rules of the settings text.
  auto* diskLayout = new QVBoxLayout(TABDisk);
  MEMOPravidlaNahravani = makeMemo("MEMOPravidlaNahravani");
  diskLayout->addWidget(MEMOPravidlaNahravani);

  // "o programu": the program, thanks, rules, known faults, kinds of games.
  auto* aboutLayout = new QVBoxLayout(TABOProgramu);
  aboutLayout->setContentsMargins(2, 2, 2, 2);
  PGCNTRLOProgramu = new QTabWidget;
  PGCNTRLOProgramu->setObjectName(QStringLiteral("PGCNTRLOProgramu"));
  aboutLayout->addWidget(PGCNTRLOProgramu);
  TABProgram = new QWidget;
  TABProgram->setObjectName(QStringLiteral("TABProgram"));
  auto* programLayout = new QHBoxLayout(TABProgram);
  programLayout->setContentsMargins(2, 2, 2, 2);
  IMGLogo = new QLabel;
  IMGLogo->setObjectName(QStringLiteral("IMGLogo"));
  IMGLogo->setFixedSize(120, 120);
  IMGLogo->setScaledContents(true);
  MEMOPokec = makeMemo("MEMOPokec");
  programLayout->addWidget(IMGLogo, 0, Qt::AlignTop);
  programLayout->addWidget(MEMOPokec);
  PGCNTRLOProgramu->addTab(TABProgram, QStringLiteral("program"));
  MEMOPodekovani = makeMemo("MEMOPodekovani");
  PGCNTRLOProgramu->addTab(memoPage(MEMOPodekovani), QStringLiteral("podekovani"));
  MEMOPravidla = makeMemo("MEMOPravidla");
  PGCNTRLOProgramu->addTab(memoPage(MEMOPravidla), QStringLiteral("pocitani"));
  MEMOChyby = makeMemo("MEMOChyby");
  PGCNTRLOProgramu->addTab(memoPage(MEMOChyby), QStringLiteral("chyby"));
  MEMODruhyKvaduse = makeMemo("MEMODruhyKvaduse");
  PGCNTRLOProgramu->addTab(memoPage(MEMODruhyKvaduse), QStringLiteral("druhy her"));

  BUTNZavritOknoNastaveni = new QPushButton(QStringLiteral("zavrit <<"), GRPBXNastaveni);
  BUTNZavritOknoNastaveni->setObjectName(QStringLiteral("BUTNZavritOknoNastaveni"));
  BUTNZavritOknoNastaveni->hide();
}

void TFRMMain::connectSettings() {
  connect(BUTNZavritOknoNastaveni, &QPushButton::clicked, this,
          &TFRMMain::BUTNNastaveniParametruClick);
  connect(CKBXZobrazovatDruhyHer, &QCheckBox::toggled, this,
          &TFRMMain::CKBXZobrazovatDruhyHerClick);
  connect(CHBXZobrazovatBublinkovouNapovedu, &QCheckBox::toggled, this,
          &TFRMMain::CHBXZobrazovatBublinkovouNapovedu_Click);
}

// The tariff's own rules come with the settings pages.
void TFRMMain::RAGRNadStoClick() {}
void TFRMMain::BUTNKontrolaCislaClick() {}
void TFRMMain::BUTNSrovnejMaxFlekClick() {}
