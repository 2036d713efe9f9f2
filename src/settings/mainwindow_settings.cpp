// The settings panel of the main window: the tariff and the counting rules
// on their pages, the check of every number typed into them, and the help
// texts that the first showing loads.

#include "common/clickfilters.h"
#include "common/controls.h"
#include "common/messages.h"
#include "common/radiogroup.h"
#include "common/textforms.h"
#include "common/updown.h"
#include "ledger/pricing.h"
#include "players/playerentry.h"
#include "settings/tariff.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/mainwindow_layout.h"
#include "shell/startup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace kvadus;

void TFRMMain::buildSettingsPanel() {
  GRPBXNastaveni = new QGroupBox(QStringLiteral("Nastaveni"), this);
  GRPBXNastaveni->setObjectName(QStringLiteral("GRPBXNastaveni"));
  GRPBXNastaveni->setToolTip(QStringLiteral("nastaveni pocitani penez"));
  GRPBXNastaveni->setGeometry(layout::kSettingsPanel);
  GRPBXNastaveni->setAutoFillBackground(true);

  PGCTRLNastaveni = new QTabWidget(GRPBXNastaveni);
  PGCTRLNastaveni->setObjectName(QStringLiteral("PGCTRLNastaveni"));
  PGCTRLNastaveni->setGeometry(4, 18, layout::kSettingsPanel.width() - 8, layout::kSettingsPanel.height() - 22);
  PGCTRLNastaveni->setUsesScrollButtons(false);

  TABCeny =
      makePage(PGCTRLNastaveni, "TABCeny", QStringLiteral("ceny"), QStringLiteral("nastaveni cen zakladnich her"));
  TABStovka = makePage(PGCTRLNastaveni, "TABStovka", QStringLiteral("stovka"),
                       QStringLiteral("nastaveni zpusobu pocitani stovky"));
  TABDveSedmy =
      makePage(PGCTRLNastaveni, "TABDveSedmy", QStringLiteral("dve sedmy"), QStringLiteral("nastaveni hry dvou sedem"));
  TABHraci =
      makePage(PGCTRLNastaveni, "TABHraci", QStringLiteral("hraci"), QStringLiteral("nastaveni pauzirovaneho kvaduse"));
  TABOstatni = makePage(PGCTRLNastaveni, "TABOstatni", QStringLiteral("ostatni"), QStringLiteral("ostatni nastaveni"));
  TABDisk = makePage(PGCTRLNastaveni, "TABDisk", QStringLiteral("disk"), QStringLiteral("nastaveni ulozena na disku"));
  TABOProgramu =
      makePage(PGCTRLNastaveni, "TABOProgramu", QStringLiteral("o programu"), QStringLiteral("informace o programu"));

  // ---- "ceny": a small table of multiples of the base price and prices;
  // the base price and the multipliers for red and fleks beside it.
  makeLabel(TABCeny, nullptr, QStringLiteral("Zaklad - hra"), {360, 6, 100, 22});
  EDITCenaZaHru = makeNumberEdit(TABCeny, "EDITCenaZaHru", QStringLiteral("0.1"), {470, 6, 70, 22},
                                 QStringLiteral("zakladni cena hry"));
  makeLabel(TABCeny, nullptr, QStringLiteral("nasobky hry"), {140, 4, 90, 18});
  makeLabel(TABCeny, nullptr, QStringLiteral("cena"), {258, 4, 60, 18});
  struct Row {
    QString caption;
    QLineEdit** multiplier;
    const char* multiplierName;
    QString multiplierText;
    QLineEdit** price;
    const char* priceName;
    QString priceText;
  };
  const QList<Row> rows = {
      {QStringLiteral("stovka"), &EDITNasobekHryStovka, "EDITNasobekHryStovka", "2", &EDITCenaZaStovku,
       "EDITCenaZaStovku", "0.2"},
      {QStringLiteral("sedma - nehlasena"), &EDITNasobekHrySedmaNeHlasena, "EDITNasobekHrySedmaNeHlasena", "1",
       &EDITCenaZaSedmuNehlasenou, "EDITCenaZaSedmuNehlasenou", "0.1"},
      {QStringLiteral("sedma - hlasena"), &EDITNasobekHrySedmaHlasena, "EDITNasobekHrySedmaHlasena", "2",
       &EDITCenaZaSedmu, "EDITCenaZaSedmu", "0.2"},
      {QStringLiteral("betl"), &EDITNasobekHryBetl, "EDITNasobekHryBetl", "5", &EDITCenaZaBetla, "EDITCenaZaBetla",
       "0.5"},
      {QStringLiteral("durch"), &EDITNasobekHryDruch, "EDITNasobekHryDruch", "10", &EDITCenaZaDurcha,
       "EDITCenaZaDurcha", "1.0"},
  };
  int y = 24;
  for (const Row& r : rows) {
    makeLabel(TABCeny, nullptr, r.caption, {12, y, 126, 22});
    *r.multiplier = makeNumberEdit(TABCeny, r.multiplierName, r.multiplierText, {140, y, 60, 22});
    makeLabel(TABCeny, nullptr, QStringLiteral("X hra"), {206, y, 40, 22});
    *r.price = makeNumberEdit(TABCeny, r.priceName, r.priceText, {250, y, 70, 22});
    y += 28;
  }
  auto* nasobeni = new QGroupBox(QStringLiteral("Nasobeni"), TABCeny);
  nasobeni->setGeometry(350, 36, 200, 90);
  makeLabel(nasobeni, nullptr, QStringLiteral("cervene"), {10, 26, 70, 22});
  makeLabel(nasobeni, nullptr, QStringLiteral("X"), {84, 26, 14, 22});
  EDITCenaNasobeniCervenych = makeNumberEdit(nasobeni, "EDITCenaNasobeniCervenych", QStringLiteral("2"),
                                             {100, 26, 60, 22}, QStringLiteral("kolikrat se nasobi hra v cervenych"));
  makeLabel(nasobeni, nullptr, QStringLiteral("flek"), {10, 56, 70, 22});
  makeLabel(nasobeni, nullptr, QStringLiteral("X"), {84, 56, 14, 22});
  EDITNasobeniFleku = makeNumberEdit(nasobeni, "EDITNasobeniFleku", QStringLiteral("2"), {100, 56, 60, 22},
                                     QStringLiteral("kolikrat se nasobi hra flekem"));

  // ---- "stovka": points over a hundred in one row, with the prices of the
  // item that adds and of the one that multiplies beside it; under them a
  // lost hundred and melds.
  RAGRNadSto =
      makeRadio(TABStovka, "RAGRNadSto", QStringLiteral("Pocitani bodu nad sto"),
                {QStringLiteral("nic"), QStringLiteral("pricitat k zakladu"), QStringLiteral("nasobit zaklad")}, 2,
                {8, 2, 330, 44}, QStringLiteral("zpusob pocitani bodu nad sto"));
  RAGRNadSto->setColumns(3);
  LABLNadStoPlus = makeLabel(TABStovka, "LABLNadStoPlus", QStringLiteral("+"), {346, 2, 12, 22});
  EDITFaktorNadStoNasobekHry = makeNumberEdit(TABStovka, "EDITFaktorNadStoNasobekHry", QStringLiteral("1"),
                                              {360, 2, 50, 22}, QStringLiteral("ceny pro body nad sto (scitani)"));
  Label34 = makeLabel(TABStovka, "Label34", QStringLiteral("X hra ="), {414, 2, 50, 22});
  EDITFaktorNadStoPricitat =
      makeNumberEdit(TABStovka, "EDITFaktorNadStoPricitat", QStringLiteral("0.1"), {466, 2, 60, 22});
  Label35 = makeLabel(TABStovka, "Label35", QStringLiteral("za 10 bodu"), {530, 2, 90, 22});
  LABLNadStoKrat = makeLabel(TABStovka, "LABLNadStoKrat", QStringLiteral("x"), {346, 26, 12, 22});
  EDITFaktorNadStoNasobit = makeNumberEdit(TABStovka, "EDITFaktorNadStoNasobit", QStringLiteral("2"), {360, 26, 50, 22},
                                           QStringLiteral("kolikrat nasobit, kdyz uhrano nad sto"));

  PGCTRLStovka = new QTabWidget(TABStovka);
  PGCTRLStovka->setObjectName(QStringLiteral("PGCTRLStovka"));
  PGCTRLStovka->setGeometry(4, 50, PGCTRLNastaveni->width() - 16, PGCTRLNastaveni->height() - 84);
  auto* zpusob = new QWidget;
  PGCTRLStovka->addTab(zpusob, QStringLiteral("zpusob pripocitani"));
  RAGRStovkaZpusobPocitani = makeRadio(
      zpusob, "RAGRStovkaZpusobPocitani", QStringLiteral("Stovku pocitat"),
      {QStringLiteral("dohromady se zakladem"), QStringLiteral("zvlast a pak pripocitat")}, 0, {4, 2, 200, 64});
  LABLCenaStovkyPripocet =
      makeLabel(zpusob, "LABLCenaStovkyPripocet", QStringLiteral("Cena stovky pro pripocitani:"), {214, 4, 200, 20});
  EDITCenaZaStovkuNasobekHry = makeNumberEdit(zpusob, "EDITCenaZaStovkuNasobekHry", QStringLiteral("1"),
                                              {214, 28, 50, 22}, QStringLiteral("cena bodu nad sto pro pripocitavani"));
  LABLCenaStovkyKratHra = makeLabel(zpusob, "LABLCenaStovkyKratHra", QStringLiteral("X hra ="), {268, 28, 50, 22});
  EDITCenaZaStovkuPripocitat =
      makeNumberEdit(zpusob, "EDITCenaZaStovkuPripocitat", QStringLiteral("0.1"), {320, 28, 60, 22});

  auto* prohrane = new QWidget;
  const int prohraneIndex = PGCTRLStovka->addTab(prohrane, QStringLiteral("prohranych sto"));
  PGCTRLStovka->setTabToolTip(prohraneIndex, QStringLiteral("zpusob pocitani prohrane hlasene stovky (i proti)"));
  RAGRPocitaniProhraneStovky =
      makeRadio(prohrane, "RAGRPocitaniProhraneStovky", QStringLiteral("Pocitat z"),
                {QStringLiteral("uhranych bodu"), QStringLiteral("bodu proti")}, 1, {4, 2, 150, 64});
  LABLProhranaStovkaPozn1 =
      makeLabel(prohrane, "LABLProhranaStovkaPozn1", QStringLiteral("Pozn.: Pri 'Stovka proti' "), {164, 2, 200, 18});
  LABLProhranaStovkaPozn2 =
      makeLabel(prohrane, "LABLProhranaStovkaPozn2", QStringLiteral("se vyznam 'Uhrano' "), {164, 20, 200, 18});
  LABLProhranaStovkaPozn3 =
      makeLabel(prohrane, "LABLProhranaStovkaPozn3", QStringLiteral("a 'Proti' prohodi."), {164, 38, 200, 18});
  CHBXProhranychStoPocitatIHlasky = makeCheck(prohrane, "CHBXProhranychStoPocitatIHlasky",
                                              QStringLiteral("pocitat i hlasky"), {380, 4, 200, 20}, QString(), false);

  auto* hlasky = new QWidget;
  const int hlaskyIndex = PGCTRLStovka->addTab(hlasky, QStringLiteral("pocitani hlasek"));
  PGCTRLStovka->setTabToolTip(hlaskyIndex, QStringLiteral("ktere hlasky se pocitaji pro hlasene stovce (i proti)"));
  RAGRPocitaniHlasekUStovky = makeRadio(
      hlasky, "RAGRPocitaniHlasekUStovky", QStringLiteral("Pri hlasene stovce (i proti) z hlasek zapocitat do hry"),
      {QStringLiteral("prvni a dalsi pripocitat"), QStringLiteral("pouze prvni"), QStringLiteral("vsechny")}, 0,
      {4, 2, 420, 64});
  RAGRPocitaniHlasekUStovky->setColumns(2);

  // ---- "dve sedmy"
  CHBXHratDveSedmy = makeCheck(TABDveSedmy, "CHBXHratDveSedmy", QStringLiteral("Hrani dvou sedem"), {10, 8, 200, 20},
                               QStringLiteral("Povoleni/zakazani hrani dvou sedem"), true);
  GRPBXDveSedmyCeny = new QGroupBox(QStringLiteral("Ceny"), TABDveSedmy);
  GRPBXDveSedmyCeny->setObjectName(QStringLiteral("GRPBXDveSedmyCeny"));
  GRPBXDveSedmyCeny->setGeometry(8, 34, 300, 92);
  makeLabel(GRPBXDveSedmyCeny, nullptr, QStringLiteral("nasobky hry"), {92, 18, 90, 16});
  makeLabel(GRPBXDveSedmyCeny, nullptr, QStringLiteral("cena"), {214, 18, 60, 16});
  LABLDveSedmyObyc = makeLabel(GRPBXDveSedmyCeny, "LABLDveSedmyObyc", QStringLiteral("obycejne"), {8, 36, 80, 22});
  EDITCenaZaDveSedmyNasobek =
      makeNumberEdit(GRPBXDveSedmyCeny, "EDITCenaZaDveSedmyNasobek", QStringLiteral("30"), {92, 36, 60, 22});
  makeLabel(GRPBXDveSedmyCeny, nullptr, QStringLiteral("X hra"), {158, 36, 40, 22});
  EDITCenaZaDveSedmy =
      makeNumberEdit(GRPBXDveSedmyCeny, "EDITCenaZaDveSedmy", QStringLiteral("3.0"), {206, 36, 70, 22});
  LABLDveSedmyCervene2 =
      makeLabel(GRPBXDveSedmyCeny, "LABLDveSedmyCervene2", QStringLiteral("cervene"), {8, 62, 80, 22});
  EDITCenaZaDveSedmyCerveneNasobek =
      makeNumberEdit(GRPBXDveSedmyCeny, "EDITCenaZaDveSedmyCerveneNasobek", QStringLiteral("50"), {92, 62, 60, 22});
  makeLabel(GRPBXDveSedmyCeny, nullptr, QStringLiteral("X hra"), {158, 62, 40, 22});
  EDITCenaZaDveSedmyCervene =
      makeNumberEdit(GRPBXDveSedmyCeny, "EDITCenaZaDveSedmyCervene", QStringLiteral("5.0"), {206, 62, 70, 22});
  CHBXDveSedmyAStovka = makeCheck(TABDveSedmy, "CHBXDveSedmyAStovka", QStringLiteral("Dve sedmy + sto"),
                                  {330, 8, 200, 20}, QString(), true);
  CHBXDveSedmyAStovkaTicha = makeCheck(TABDveSedmy, "CHBXDveSedmyAStovkaTicha", QStringLiteral("Pocitat i tichych sto"),
                                       {350, 30, 200, 20}, QString(), true);
  RAGRPocitaniDvouSedemNadSto =
      makeRadio(TABDveSedmy, "RAGRPocitaniDvouSedemNadSto", QStringLiteral("Pocitani stovky"),
                {QStringLiteral("zvlast"), QStringLiteral("dohromady")}, 0, {330, 56, 200, 64});

  // ---- "hraci": who may play, and how those who sit out are counted.
  CKBXHraniPauzirovaneho =
      makeCheck(TABHraci, "CKBXHraniPauzirovaneho", QStringLiteral("Hrani pauziraku"), {8, 4, 192, 20},
                QStringLiteral("povoleni/zakazani hrani pauzirovaneho kvaduse"), true);
  CHBXPovolenaHraVeDvou = makeCheck(TABHraci, "CHBXPovolenaHraVeDvou", QStringLiteral("povolit i hru ve dvou"),
                                    {8, 24, 192, 20}, QString(), true);
  RAGRPocitaniPauziraku = makeRadio(TABHraci, "RAGRPocitaniPauziraku", QStringLiteral("pauzirujici hraci hraji"),
                                    {QStringLiteral("s vitezem"), QStringLiteral("s porazenymi"),
                                     QStringLiteral("nehraji"), QStringLiteral("kvadus do krize ve ctyrech")},
                                    2, {4, 46, 196, 88});
  // The explanations beside, the payment of the cross game under them.
  const int pageWidth = PGCTRLNastaveni->width() - 8;
  const int crossTop = PGCTRLNastaveni->height() - 76;
  LABLDoKrize1 = makeLabel(TABHraci, "LABLDoKrize1", QStringLiteral("Placeni kvaduse do krize ve hre"),
                           {210, crossTop + 8, 196, 16});
  LABLDoKrize2 = makeLabel(TABHraci, "LABLDoKrize2", QStringLiteral("dva na dva - porazeny plati:"),
                           {210, crossTop + 24, 196, 16});
  RAGRPocitaniKrizoveho = makeRadio(TABHraci, "RAGRPocitaniKrizoveho", QString(),
                                    {QStringLiteral("jen jednomu"), QStringLiteral("obema protihracum")}, 0,
                                    {410, crossTop, pageWidth - 414, 42});
  auto* rules = new QTabWidget(TABHraci);
  rules->setObjectName(QStringLiteral("PGCTRLPauzirak"));
  rules->setGeometry(204, 4, pageWidth - 204, crossTop - 6);
  const auto helpMade = [this](QPlainTextEdit* memo) { helpMemoMade(memo); };
  rules->addTab(memoPageOnDemand(MEMOPocitaniPauziraku, "MEMOPocitaniPauziraku", helpMade),
                QStringLiteral("pocitani - normalni pauzirak"));
  rules->addTab(memoPageOnDemand(MEMOPravidlaKrizovehoKvaduse, "MEMOPravidlaKrizovehoKvaduse", helpMade),
                QStringLiteral("pocitani - ve ctyrech do krize"));

  // ---- "ostatni": display and behaviour switches.
  CHBXOpravyHodnot = makeCheck(TABOstatni, "CHBXOpravyHodnot", QStringLiteral("Opravy pole 'Cena hry'"),
                               {8, 4, 280, 20}, QStringLiteral("Povoleni/zakazani opravy pole 'Cena'"), false);
  CHBXNulovatPoPridani =
      makeCheck(TABOstatni, "CHBXNulovatPoPridani", QStringLiteral("po pridani vynulovat"), {8, 24, 280, 20},
                QStringLiteral("zda se po stisku 'Pridat' vynuluji fleky, typ hry avysledky"), true);
  CKBXZobrazovatDruhyHer =
      makeCheck(TABOstatni, "CKBXZobrazovatDruhyHer", QStringLiteral("zobrazovat druhy her"), {8, 44, 280, 20},
                QStringLiteral("typ hrane hry se bude/nebude zobrazovat ve ctvrtem sloupci a nad tabulkou"), true);
  CHBXRozsirenePocitaniBodu =
      makeCheck(TABOstatni, "CHBXRozsirenePocitaniBodu", QStringLiteral("rozsirene pocitani bodu"), {8, 64, 280, 20},
                QStringLiteral("zobrazeni rozsireneho pocitani bodu"), false);
  CHBXZobrazovatBublinkovouNapovedu =
      makeCheck(TABOstatni, "CHBXZobrazovatBublinkovouNapovedu", QStringLiteral("  bublinkova napoveda"),
                {8, 84, 280, 20}, QStringLiteral("povoleni/zakazani teto 'bublinkove' napovedy"), true);
  CHBXVNazvuHryZobrazovatJmena =
      makeCheck(TABOstatni, "CHBXVNazvuHryZobrazovatJmena",
                QStringLiteral("  v nazvu hry zobrazovat\njmena hracu (ne jejich cisla)"), {8, 106, 280, 36},
                QStringLiteral("zobrazovani jmena hrace nebo cisla v nazvu hry"), true);
  CHBXOknoRoztazene = makeCheck(TABOstatni, "CHBXOknoRoztazene", QStringLiteral("  roztahnout okno"), {300, 4, 300, 20},
                                QStringLiteral("roztahne okno (stejna funkce jako tlacitko <->"), false);
  CHBXFixniRozmeryOkna = makeCheck(TABOstatni, "CHBXFixniRozmeryOkna", QStringLiteral("  fixni velikost okna"),
                                   {300, 24, 300, 20}, QString(), false);
  CHBXPoStartuOtevritJmena =
      makeCheck(TABOstatni, "CHBXPoStartuOtevritJmena",
                QStringLiteral("  po startu automaticky otevrit\ni formular se jmeny hracu"), {300, 46, 300, 36},
                QStringLiteral("po startu automaticky otevre plovouci okno se jmeny"), false);
  makeLabel(TABOstatni, nullptr, QStringLiteral("Kontrola poctu bodu ve hre :"), {300, 92, 300, 18});
  CHKBXKontrolovatPocetBodu = makeCheck(TABOstatni, "CHKBXKontrolovatPocetBodu", QString(), {310, 112, 290, 20},
                                        QStringLiteral("kontrolovat pocet bodu na min. a max."), true);
  CHKBXKontrolovatPocetBoduLiche =
      makeCheck(TABOstatni, "CHKBXKontrolovatPocetBoduLiche", QStringLiteral("kontrolovat sudy pocet"),
                {310, 132, 290, 20}, QStringLiteral("kontrolovat pocet bodu na suda/licha"), true);

  // ---- "disk": the settings text (settings/mainwindow_settingsfile.cpp).
  buildSettingsFilePage();

  // ---- "o programu": the program, thanks, rules, known faults, kinds of games.
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
  programLayout->addWidget(IMGLogo, 0, Qt::AlignTop);
  makeMemoOnDemand(MEMOPokec, "MEMOPokec", programLayout, helpMade);
  PGCNTRLOProgramu->addTab(TABProgram, QStringLiteral("program"));
  PGCNTRLOProgramu->addTab(memoPageOnDemand(MEMOPodekovani, "MEMOPodekovani", helpMade), QStringLiteral("podekovani"));
  PGCNTRLOProgramu->addTab(memoPageOnDemand(MEMOPravidla, "MEMOPravidla", helpMade), QStringLiteral("pocitani"));
  PGCNTRLOProgramu->addTab(memoPageOnDemand(MEMOChyby, "MEMOChyby", helpMade), QStringLiteral("chyby"));
  PGCNTRLOProgramu->addTab(memoPageOnDemand(MEMODruhyKvaduse, "MEMODruhyKvaduse", helpMade),
                           QStringLiteral("druhy her"));

  // The fields of the price pairs, in the order of the pairs.
  for (const auto& names : tariff::pricePairs())
    pairFields_.append(qMakePair(findChild<QLineEdit*>(QLatin1String(names.multiplier)),
                                 findChild<QLineEdit*>(QLatin1String(names.price))));

  // Named procedures; never shown.
  BUTNZavritOknoNastaveni = new QPushButton(QStringLiteral("zavrit <<"), GRPBXNastaveni);
  BUTNZavritOknoNastaveni->setObjectName(QStringLiteral("BUTNZavritOknoNastaveni"));
  BUTNZavritOknoNastaveni->hide();
  BUTNKontrolaCisla = new QPushButton(QStringLiteral("kontrola cisla"), GRPBXNastaveni);
  BUTNKontrolaCisla->setObjectName(QStringLiteral("BUTNKontrolaCisla"));
  BUTNKontrolaCisla->hide();
  BUTNSrovnejMaxFlek = new QPushButton(QStringLiteral("srovnej max. flek"), GRPBXNastaveni);
  BUTNSrovnejMaxFlek->setObjectName(QStringLiteral("BUTNSrovnejMaxFlek"));
  BUTNSrovnejMaxFlek->hide();
}

QList<QLineEdit*> TFRMMain::decimalSettings() const {
  return {EDITCenaZaHru,
          EDITNasobekHryStovka,
          EDITCenaZaStovku,
          EDITNasobekHrySedmaNeHlasena,
          EDITCenaZaSedmuNehlasenou,
          EDITNasobekHrySedmaHlasena,
          EDITCenaZaSedmu,
          EDITNasobekHryBetl,
          EDITCenaZaBetla,
          EDITNasobekHryDruch,
          EDITCenaZaDurcha,
          EDITCenaNasobeniCervenych,
          EDITNasobeniFleku,
          EDITFaktorNadStoNasobekHry,
          EDITFaktorNadStoPricitat,
          EDITFaktorNadStoNasobit,
          EDITCenaZaStovkuNasobekHry,
          EDITCenaZaStovkuPripocitat,
          EDITCenaZaDveSedmyNasobek,
          EDITCenaZaDveSedmy,
          EDITCenaZaDveSedmyCerveneNasobek,
          EDITCenaZaDveSedmyCervene};
}

void TFRMMain::connectSettings() {
  connect(BUTNZavritOknoNastaveni, &QPushButton::clicked, this, &TFRMMain::BUTNNastaveniParametruClick);
  connect(BUTNKontrolaCisla, &QPushButton::clicked, this, &TFRMMain::BUTNKontrolaCislaClick);
  connect(BUTNSrovnejMaxFlek, &QPushButton::clicked, this, &TFRMMain::BUTNSrovnejMaxFlekClick);
  for (QLineEdit* field : decimalSettings()) field->installEventFilter(this);

  connect(CKBXZobrazovatDruhyHer, &QCheckBox::toggled, this, &TFRMMain::CKBXZobrazovatDruhyHerClick);
  connect(CHBXZobrazovatBublinkovouNapovedu, &QCheckBox::toggled, this,
          &TFRMMain::CHBXZobrazovatBublinkovouNapovedu_Click);
  connect(RAGRNadSto, &RadioGroup::itemClicked, this, &TFRMMain::RAGRNadStoClick);
  connect(RAGRStovkaZpusobPocitani, &RadioGroup::itemClicked, this, &TFRMMain::RAGRStovkaZpusobPocitaniClick);
  connect(CHBXHratDveSedmy, &QCheckBox::toggled, this, &TFRMMain::CHBXHratDveSedmyClick);
  connect(CHBXDveSedmyAStovka, &QCheckBox::toggled, this, &TFRMMain::CHBXDveSedmyAStovkaClick);
  connect(CKBXHraniPauzirovaneho, &QCheckBox::toggled, this, &TFRMMain::CKBXHraniPauzirovanehoClick);
  connect(RAGRPocitaniPauziraku, &RadioGroup::itemClicked, this, &TFRMMain::RAGRPocitaniPauzirakuClick);
  connect(CHBXOpravyHodnot, &QCheckBox::toggled, this, &TFRMMain::CHBXOpravyHodnotClick);
  // Who may play decides at once what the player entry and "Nova" allow,
  // also while the player entry window is closed.
  for (QCheckBox* box : {CHBXPovolenaHraVeDvou, CKBXHraniPauzirovaneho})
    connect(box, &QCheckBox::toggled, this, [] {
      if (FORMZadaniHracu) FORMZadaniHracu->BUTNSrovnejViditelnostClick();
    });
  // Settings that the pricing reads and that change nothing else.
  for (QCheckBox* box : {CHKBXKontrolovatPocetBodu, CHKBXKontrolovatPocetBoduLiche, CHBXDveSedmyAStovkaTicha,
                         CHBXVNazvuHryZobrazovatJmena})
    connect(box, &QCheckBox::toggled, this, &TFRMMain::BUTNPrepoctiClick);
  for (RadioGroup* group : {RAGRPocitaniDvouSedemNadSto, RAGRPocitaniProhraneStovky, RAGRPocitaniKrizoveho})
    connect(group, &RadioGroup::itemClicked, this, &TFRMMain::BUTNPrepoctiClick);
}

// ---- number entry and check ------------------------------------------------

bool TFRMMain::numberFieldEvent(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (!field || !isFocusMove(event)) return false;
  if (field == EDITCelkemCena && !CHBXOpravyHodnot->isChecked()) return false;
  if (field != EDITCelkemCena && !decimalSettings().contains(field)) return false;
  if (event->type() == QEvent::FocusIn) {
    BUTNKontrolaBeforeClick(field);
  } else if (field == numberCheckField_) {
    leftByClick_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
    BUTNKontrolaCislaClick();
    leftByClick_ = false;
  }
  return false;
}

void TFRMMain::BUTNKontrolaBeforeClick(QLineEdit* field) {
  if (!flags.numberCheckDialogGuard) return;
  numberCheckField_ = field;
  rememberedNumber_ = lenientNumber(field->text());
  if (field == EDITCelkemCena && CHBXOpravyHodnot->isChecked()) {
    const bool canAdd = LIBXHraci->count() > 2;
    BUTNPridejSkore->setVisible(canAdd);
    BUTNPridejSkore->setEnabled(canAdd);
  }
}

QVector<tariff::PairTexts> TFRMMain::pairTexts() const {
  QVector<tariff::PairTexts> pairs;
  for (const auto& [multiplier, price] : pairFields_) pairs.append({multiplier->text(), price->text()});
  return pairs;
}

void TFRMMain::writePairs(const tariff::Reconciled& r, int k) {
  EDITCenaZaHru->setText(r.base);
  for (int i = 0; i < k && i < pairFields_.size(); ++i) {
    pairFields_[i].first->setText(r.pairs[i].multiplier);
    pairFields_[i].second->setText(r.pairs[i].price);
  }
}

void TFRMMain::reconcileRange(int k, int direction) {
  writePairs(
      tariff::reconcilePairs(EDITCenaZaHru->text(), pairTexts(), k,
                             direction == 0 ? tariff::Direction::FromMultipliers : tariff::Direction::FromPrices),
      k);
}

// A rejected field goes back on screen (its page, the settings panel) so
// that the person can correct it.
void TFRMMain::revealField(QLineEdit* field) {
  for (QWidget* page = field; page && page != this; page = page->parentWidget()) {
    QWidget* stack = page->parentWidget();
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (tabs && tabs->indexOf(page) >= 0) tabs->setCurrentWidget(page);
  }
  if (GRPBXNastaveni->isAncestorOf(field) && !GRPBXNastaveni->isVisible()) BUTNNastaveniParametruClick();
}

// Pricing entry ended (a valid amount or the remembered one back): "Pridat"
// acts again as it did before the field was entered.
void TFRMMain::priceEntryEnded() {
  BUTNPridejSkore->setEnabled(declarerIndex() >= 0);
  BUTNPridejSkore->setVisible(!LABLPocetBoduVeHre3->isVisibleTo(GRPBXCenaHry));
}

void TFRMMain::BUTNKontrolaCislaClick() {
  if (flags.numberCheckPending) {
    flags.numberCheckPending = 0;
    reconcileRange(tariff::kPairCount, 1);
    return;
  }
  QLineEdit* field = numberCheckField_;
  if (!field) return;
  // The box of this field is up: the focus moving away under it (the
  // field hidden, another window) is no new leave.
  if (numberRejectionShowing_) return;

  const bool isPrice = field == EDITCelkemCena;
  const double limit = isPrice ? pricing::kMaxHandAmount : tariff::kMaxSettingValue;
  const tariff::CheckedNumber checked = tariff::checkNumber(field->text(), isPrice, limit);
  field->setText(checked.text);
  if (!checked.valid) {
    const bool byClick = leftByClick_;
    flags.numberCheckDialogGuard = 0;
    numberRejectionShowing_ = true;
    const MsgAnswer answer =
        showMessage(this, QStringLiteral("Chyba"),
                    checked.tooLarge ? tariff::tooLargeNumberMessage(limit) : tariff::rejectedNumberMessage(),
                    MsgButtons::OkCancel);
    numberRejectionShowing_ = false;
    if (answer == MsgAnswer::Ok) {
      // The person types again: the click that took the focus away does
      // nothing, and the field takes the focus back once the change that
      // took it away is over (a page or panel hidden on the way out comes
      // back with it; taken back at once, the focus would leave a second
      // time as the page goes, and the box would show twice).
      if (byClick) new ClickSwallower(this);
      QTimer::singleShot(0, field, [this, field] {
        if (flags.numberCheckDialogGuard || numberCheckField_ != field) return;
        revealField(field);
        activateWindow();  // the box had it; the person types here again
        field->setFocus(Qt::OtherFocusReason);
      });
      return;
    }
    field->setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(0, this, [this] { activateWindow(); });  // back from the box
    if (byClick) new ClickCompleter(this);
    field->setText(generalNumberText(rememberedNumber_));
  } else if (!isPrice) {
    const tariff::PairPosition pos = tariff::pairOf(field->objectName());
    if (field == EDITCenaZaHru) reconcileRange(tariff::kPairCount, 0);
    else if (pos.pair > 0) reconcileRange(pos.pair, pos.multiplier ? 0 : 1);
  }
  // The entry is over, whichever way: the next field entered is captured
  // and checked again.
  flags.numberCheckDialogGuard = 1;
  if (isPrice) {
    priceEntryEnded();
    if (checked.valid) return;  // a valid price changes nothing else
  }
  BUTNPrepoctiClick();
  BUTNSrovnejMaxFlekClick();
}

void TFRMMain::applyNumericValue(QLineEdit* field, const QString& text) {
  const quint8 guard = flags.numberCheckDialogGuard;
  flags.numberCheckDialogGuard = 0;
  numberCheckField_ = field;
  field->setText(text);
  BUTNKontrolaCislaClick();
  flags.numberCheckDialogGuard = guard;
}

void TFRMMain::formatAllNumbers() {
  const quint8 pending = flags.numberCheckPending;
  flags.numberCheckPending = 1;
  numberCheckField_ = nullptr;
  BUTNKontrolaCislaClick();
  flags.numberCheckPending = pending;
}

void TFRMMain::BUTNSrovnejMaxFlekClick() {
  for (UpDown* u : {UPDNHraFlekCount, UPDNHraSedmaCount})
    u->setRange(0, tariff::flekLimit(EDITNasobeniFleku->text(), u->maximum()));
  // Counts above the new limit came down with it, and every multiplier
  // follows the factor: the count and multiplier fields, the name lists and
  // the price show what will be priced.
  const bool gameChanged = showFlekCount(false);
  const bool sevenChanged = showFlekCount(true);
  if (gameChanged || sevenChanged) {
    BUTNFlekSelectClick();
    BUTNPrepoctiClick();
  }
}

// ---- enable rules ------------------------------------------------------------

void TFRMMain::RAGRNadStoClick() {
  const QList<QWidget*> adding = {LABLNadStoPlus, EDITFaktorNadStoPricitat, Label34, EDITFaktorNadStoNasobekHry,
                                  Label35};
  const QList<QWidget*> multiplying = {LABLNadStoKrat, EDITFaktorNadStoNasobit};
  const QList<QWidget*> both = {RAGRStovkaZpusobPocitani, RAGRPocitaniProhraneStovky, LABLProhranaStovkaPozn1,
                                LABLProhranaStovkaPozn2,  LABLProhranaStovkaPozn3,    CHBXProhranychStoPocitatIHlasky,
                                RAGRPocitaniHlasekUStovky};
  const int method = RAGRNadSto->itemIndex();
  for (QWidget* w : adding) w->setEnabled(method == 1);
  for (QWidget* w : multiplying) w->setEnabled(method == 2);
  for (QWidget* w : both) w->setEnabled(method == 1 || method == 2);
  RAGRStovkaZpusobPocitaniClick();
  BUTNPrepoctiClick();
}

void TFRMMain::RAGRStovkaZpusobPocitaniClick() {
  const bool separate = RAGRStovkaZpusobPocitani->isEnabled() && RAGRStovkaZpusobPocitani->itemIndex() == 1;
  for (QWidget* w : {static_cast<QWidget*>(LABLCenaStovkyPripocet), static_cast<QWidget*>(EDITCenaZaStovkuNasobekHry),
                     static_cast<QWidget*>(LABLCenaStovkyKratHra), static_cast<QWidget*>(EDITCenaZaStovkuPripocitat)})
    w->setEnabled(separate);
  BUTNPrepoctiClick();
}

void TFRMMain::CKBXHraniPauzirovanehoClick() {
  RAGRPocitaniPauziraku->setEnabled(CKBXHraniPauzirovaneho->isChecked());
  RAGRPocitaniPauziraku->setItemIndex(2);
  RAGRPocitaniPauzirakuClick();
}

void TFRMMain::RAGRPocitaniPauzirakuClick() {
  const bool cross = RAGRPocitaniPauziraku->isEnabled() && RAGRPocitaniPauziraku->itemIndex() == 3;
  LABLDoKrize1->setEnabled(cross);
  LABLDoKrize2->setEnabled(cross);
  RAGRPocitaniKrizoveho->setEnabled(cross);
  BUTNPrepoctiClick();
}

void TFRMMain::CHBXHratDveSedmyClick() {
  const bool on = CHBXHratDveSedmy->isChecked();
  const QString twoSevens = QStringLiteral("dve sedmy");
  const bool wasSelected = RAGRTypHry->itemText(RAGRTypHry->itemIndex()) == twoSevens;
  for (int i = RAGRTypHry->count() - 1; i >= 0; --i)
    if (RAGRTypHry->itemText(i) == twoSevens) RAGRTypHry->removeItem(i);
  for (QWidget* w :
       {static_cast<QWidget*>(CHBXDveSedmyAStovkaTicha), static_cast<QWidget*>(RAGRPocitaniDvouSedemNadSto),
        static_cast<QWidget*>(CHBXDveSedmyAStovka), static_cast<QWidget*>(GRPBXDveSedmyCeny),
        static_cast<QWidget*>(LABLDveSedmyObyc), static_cast<QWidget*>(EDITCenaZaDveSedmy),
        static_cast<QWidget*>(LABLDveSedmyCervene2), static_cast<QWidget*>(EDITCenaZaDveSedmyCervene)})
    w->setEnabled(on);
  if (on) RAGRTypHry->addItem(twoSevens);
  // A game type must always be chosen: a hand of two sevens that may no
  // longer be played becomes an ordinary game.
  if (wasSelected && !on) RAGRTypHry->setItemIndex(0);
  else if (wasSelected) RAGRTypHry->setItemIndex(3);
  BUTNPrepoctiClick();
}

void TFRMMain::CHBXDveSedmyAStovkaClick() {
  const bool on = CHBXDveSedmyAStovka->isChecked();
  RAGRPocitaniDvouSedemNadSto->setEnabled(on);
  CHBXDveSedmyAStovkaTicha->setEnabled(on);
  twoSevensHundredChanged();
  BUTNPrepoctiClick();
}
