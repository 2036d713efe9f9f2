// The hand being described on the main window: game type, announcements,
// points, sevens, fleks; the price field with the shares; the hand
// description; and the pricing that runs after every change.

#include "common/controls.h"
#include "common/messages.h"
#include "common/radiogroup.h"
#include "common/textforms.h"
#include "common/updown.h"
#include "ledger/extendedcount.h"
#include "ledger/ledger.h"
#include "ledger/mainwindow_extended.h"
#include "ledger/pricing.h"
#include "shell/mainwindow.h"
#include "shell/mainwindow_layout.h"
#include "common/theme.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <utility>

using namespace kvadus;

namespace {
// A count or multiplier field beside a flek counter: shown, never typed into.
QLineEdit* makeCountField(QWidget* parent, const char* name, const QString& text, const QRect& at) {
  QLineEdit* e = makeReadOnlyEdit(parent, name, text, at);
  e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  e->setFocusPolicy(Qt::NoFocus);
  return e;
}

// The short lists of flek counts and names show all their items at once.
QListWidget* makeFlekList(QWidget* parent, const char* name, const QRect& at) {
  QListWidget* l = makeList(parent, name, at);
  l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return l;
}

QStringList pointItems() {
  QStringList items{QStringLiteral("  0")};
  for (int i = 1; i < 20; ++i) items << QString::number(i * 10);
  return items;
}
}  // namespace

void TFRMMain::buildEntry() {
  const QRect area = layout::kEntryArea;

  RAGRTypHry = new RadioGroup(QStringLiteral("Typ"), this);
  RAGRTypHry->setObjectName(QStringLiteral("RAGRTypHry"));
  RAGRTypHry->setItems(
      {QStringLiteral("obycejna"), QStringLiteral("betl"), QStringLiteral("durch"), QStringLiteral("dve sedmy")});
  RAGRTypHry->setItemIndex(0);
  RAGRTypHry->setGeometry(area.x(), area.y(), 104, 94);

  GRBXAtributyHry = new QGroupBox(QStringLiteral("Hlaseni"), this);
  GRBXAtributyHry->setObjectName(QStringLiteral("GRBXAtributyHry"));
  GRBXAtributyHry->setGeometry(area.x(), area.y() + 96, 104, 122);
  CKBXSedma = makeCheck(GRBXAtributyHry, "CKBXSedma", QStringLiteral("Sedma"), {6, 18, 96, 20});
  CHBXSedmaProti = makeCheck(GRBXAtributyHry, "CHBXSedmaProti", QStringLiteral("Sedma proti"), {6, 38, 96, 20});
  CKBXStovka = makeCheck(GRBXAtributyHry, "CKBXStovka", QStringLiteral("Stovka"), {6, 58, 96, 20});
  CKBXStovkaProti = makeCheck(GRBXAtributyHry, "CKBXStovkaProti", QStringLiteral("Stovka proti"), {6, 78, 96, 20});
  CKBXCervene = makeCheck(GRBXAtributyHry, "CKBXCervene", QStringLiteral("cervene"), {6, 98, 96, 20});

  GRPBXUhrano = new QGroupBox(QStringLiteral("Body"), this);
  GRPBXUhrano->setObjectName(QStringLiteral("GRPBXUhrano"));
  GRPBXUhrano->setGeometry(area.x() + 106, area.y(), 194, 238);
  RAGRUhrano = new RadioGroup(QStringLiteral("Uhrano"), GRPBXUhrano);
  RAGRUhrano->setObjectName(QStringLiteral("RAGRUhrano"));
  RAGRUhrano->setItems(pointItems());
  RAGRUhrano->setColumns(2);
  RAGRUhrano->setCompact();
  RAGRUhrano->setItemIndex(0);
  RAGRUhrano->setGeometry(2, 16, 95, 218);
  RAGRUhrano->setToolTip(QStringLiteral("body uhrane vynoscem"));
  RAGRProti = new RadioGroup(QStringLiteral("Proti"), GRPBXUhrano);
  RAGRProti->setObjectName(QStringLiteral("RAGRProti"));
  RAGRProti->setItems(pointItems());
  RAGRProti->setColumns(2);
  RAGRProti->setCompact();
  RAGRProti->setItemIndex(0);
  RAGRProti->setGeometry(97, 16, 95, 218);
  RAGRProti->setToolTip(QStringLiteral("body uhrane protihraci"));

  RAGRVyhra = new RadioGroup(QStringLiteral("Vysledek"), this);
  RAGRVyhra->setObjectName(QStringLiteral("RAGRVyhra"));
  RAGRVyhra->setItems({QStringLiteral("vyhra"), QStringLiteral("prohra")});
  RAGRVyhra->setItemIndex(0);
  RAGRVyhra->setGeometry(area.x() + 106, area.y(), 110, 62);
  RAGRVyhra->hide();

  PNLUhranaSedma = new QGroupBox(QStringLiteral("Uhrana sedma"), this);
  PNLUhranaSedma->setObjectName(QStringLiteral("PNLUhranaSedma"));
  PNLUhranaSedma->setGeometry(area.x() + 106, area.y() + 240, 194, 42);
  CHBXUhranaSedmaVolicem = makeCheck(PNLUhranaSedma, "CHBXUhranaSedmaVolicem", QStringLiteral("vynosce"),
                                     {6, 18, 84, 20}, QStringLiteral("(ne)uhrana sedma volicem"));
  CHBXUhranaSedmaProti = makeCheck(PNLUhranaSedma, "CHBXUhranaSedmaProti", QStringLiteral("proti"), {96, 18, 84, 20},
                                   QStringLiteral("(ne)uhrana sedma proti"));

  GRPBXKrizovyKvadus = new QGroupBox(QStringLiteral("vynosce do krize s"), this);
  GRPBXKrizovyKvadus->setObjectName(QStringLiteral("GRPBXKrizovyKvadus"));
  GRPBXKrizovyKvadus->setToolTip(QStringLiteral("s kym hral volic (pokud hral s nekym)"));
  GRPBXKrizovyKvadus->setGeometry(area.x(), area.y() + 220, 104, 84);
  CHBXKrizovyKvadusVolicS1 = makeCheck(GRPBXKrizovyKvadus, "CHBXKrizovyKvadusVolicS1", QString(), {6, 18, 96, 20});
  CHBXKrizovyKvadusVolicS2 = makeCheck(GRPBXKrizovyKvadus, "CHBXKrizovyKvadusVolicS2", QString(), {6, 38, 96, 20});
  CHBXKrizovyKvadusVolicS3 = makeCheck(GRPBXKrizovyKvadus, "CHBXKrizovyKvadusVolicS3", QString(), {6, 58, 96, 20});
  GRPBXKrizovyKvadus->hide();

  // Fleks: the game's on the left, the seven's on the right, the names between.
  GRPBXFleky = new QGroupBox(QStringLiteral("Fleky"), this);
  GRPBXFleky->setObjectName(QStringLiteral("GRPBXFleky"));
  GRPBXFleky->setGeometry(layout::kFlekGroup);
  LABLHraNadpis = makeLabel(GRPBXFleky, "LABLHraNadpis", QStringLiteral("Hra"), {6, 16, 70, 16});
  LIBXFlekHraValues = makeFlekList(GRPBXFleky, "LIBXFlekHraValues", {5, 34, 20, 132});
  EDITFlekHraCount = makeCountField(GRPBXFleky, "EDITFlekHraCount", QStringLiteral("0"), {28, 34, 24, 22});
  UPDNHraFlekCount = new UpDown(GRPBXFleky);
  UPDNHraFlekCount->setObjectName(QStringLiteral("UPDNHraFlekCount"));
  UPDNHraFlekCount->setGeometry(52, 34, 16, 22);
  UPDNHraFlekCount->setRange(0, 20);
  EDITFlekHraVal = makeCountField(GRPBXFleky, "EDITFlekHraVal", QStringLiteral("1"), {28, 60, 40, 22});
  EDITFlekHraVal->setToolTip(QStringLiteral("nasobek hry"));
  LIBXFlekHraAbbrev = makeFlekList(GRPBXFleky, "LIBXFlekHraAbbrev", {72, 34, 62, 132});
  LIBXFlekHraAbbrev->setSelectionMode(QAbstractItemView::MultiSelection);
  LIBXFlekHraAbbrev->setFocusPolicy(Qt::NoFocus);
  LABLSedma = makeLabel(GRPBXFleky, "LABLSedma", QStringLiteral("Sedma"), {130, 16, 72, 16});
  LABLSedma->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  EDITFlekSedmaCount = makeCountField(GRPBXFleky, "EDITFlekSedmaCount", QStringLiteral("0"), {138, 34, 24, 22});
  UPDNHraSedmaCount = new UpDown(GRPBXFleky);
  UPDNHraSedmaCount->setObjectName(QStringLiteral("UPDNHraSedmaCount"));
  UPDNHraSedmaCount->setGeometry(162, 34, 16, 22);
  UPDNHraSedmaCount->setRange(0, 20);
  EDITFlekSedmaVal = makeCountField(GRPBXFleky, "EDITFlekSedmaVal", QStringLiteral("1"), {138, 60, 40, 22});
  EDITFlekSedmaVal->setToolTip(QStringLiteral("nasobek sedmy"));
  LIBXFlekSedmaValues = makeFlekList(GRPBXFleky, "LIBXFlekSedmaValues", {182, 34, 20, 132});

  // The price of the hand, the shares, and "Pridat".
  GRPBXCenaHry = new QGroupBox(QStringLiteral("Cena hry"), this);
  GRPBXCenaHry->setObjectName(QStringLiteral("GRPBXCenaHry"));
  GRPBXCenaHry->setGeometry(layout::kPriceGroup);
  EDITCelkemCena = new QLineEdit(QStringLiteral(" 0.00"), GRPBXCenaHry);
  EDITCelkemCena->setObjectName(QStringLiteral("EDITCelkemCena"));
  EDITCelkemCena->setToolTip(QStringLiteral("cena hry"));
  EDITCelkemCena->setGeometry(8, 20, 156, 30);
  EDITCelkemCena->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont big = EDITCelkemCena->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  big.setBold(true);
  EDITCelkemCena->setFont(big);
  EDITCelkemCena->installEventFilter(this);

  LABLVolic = makeLabel(GRPBXCenaHry, "LABLVolic", QStringLiteral("volic + kriz:"), {8, 58, 84, 20});
  LABLScoreCelkom = makeLabel(GRPBXCenaHry, "LABLScoreCelkom", QStringLiteral(" 0.00"), {92, 58, 72, 20});
  LABLProtihraciNadpis =
      makeLabel(GRPBXCenaHry, "LABLProtihraciNadpis", QStringLiteral("protihraci:"), {8, 78, 84, 20});
  LABLCenaProProtihrace = makeLabel(GRPBXCenaHry, "LABLCenaProProtihrace", QStringLiteral(" 0.00"), {92, 78, 72, 20});
  LABLCenaPauzirujiciNadpis =
      makeLabel(GRPBXCenaHry, "LABLCenaPauzirujiciNadpis", QStringLiteral("pauzirujici"), {8, 98, 84, 20});
  LABLPauzirujiciCelkem = makeLabel(GRPBXCenaHry, "LABLPauzirujiciCelkem", QStringLiteral(" 0.00"), {92, 98, 72, 20});
  for (QLabel* share : {LABLScoreCelkom, LABLCenaProProtihrace, LABLPauzirujiciCelkem}) {
    share->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = share->font();
    f.setBold(true);
    share->setFont(f);
  }

  LABLPocetBoduVeHre1 =
      makeLabel(GRPBXCenaHry, "LABLPocetBoduVeHre1", QStringLiteral("Pocet bodu ve hre"), {8, 124, 156, 18});
  LABLPocetBoduVeHre2 = makeLabel(GRPBXCenaHry, "LABLPocetBoduVeHre2", QStringLiteral("musi byt"), {8, 142, 156, 18});
  LABLPocetBoduVeHre3 = makeLabel(GRPBXCenaHry, "LABLPocetBoduVeHre3", QString(), {8, 160, 156, 22});
  for (QLabel* warning : {LABLPocetBoduVeHre1, LABLPocetBoduVeHre2, LABLPocetBoduVeHre3}) {
    warning->setAlignment(Qt::AlignCenter);
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, warningColor(red));
    warning->setPalette(red);
    warning->hide();
  }
  QFont warningFont = LABLPocetBoduVeHre3->font();
  warningFont.setBold(true);
  LABLPocetBoduVeHre3->setFont(warningFont);

  BUTNPrepocti = new QPushButton(QStringLiteral("prepocti"), GRPBXCenaHry);
  BUTNPrepocti->setObjectName(QStringLiteral("BUTNPrepocti"));
  BUTNPrepocti->setGeometry(8, layout::kPriceGroup.height() - 72, 156, 26);
  BUTNPrepocti->hide();
  BUTNPridejSkore = new QPushButton(QStringLiteral("Pridat"), GRPBXCenaHry);
  BUTNPridejSkore->setObjectName(QStringLiteral("BUTNPridejSkore"));
  BUTNPridejSkore->setToolTip(QStringLiteral("prida zvolenou hru do tabulky"));
  BUTNPridejSkore->setGeometry(8, layout::kPriceGroup.height() - 40, 156, 32);
  BUTNPridejSkore->setEnabled(false);

  LABLTextoveVyjadreniHry = new QLabel(this);
  LABLTextoveVyjadreniHry->setObjectName(QStringLiteral("LABLTextoveVyjadreniHry"));
  LABLTextoveVyjadreniHry->setGeometry(layout::kDescriptionLabel);
  LABLPoctyVeHre = new QLabel(this);
  LABLPoctyVeHre->setObjectName(QStringLiteral("LABLPoctyVeHre"));
  LABLPoctyVeHre->hide();

  // Named procedures; never shown.
  BUTNPrepoctiCelkem = new QPushButton(QStringLiteral("prepocti celkem"), this);
  BUTNPrepoctiCelkem->setObjectName(QStringLiteral("BUTNPrepoctiCelkem"));
  BUTNPrepoctiCelkem->hide();
  BUTNFlekSelect = new QPushButton(QStringLiteral("flek select"), this);
  BUTNFlekSelect->setObjectName(QStringLiteral("BUTNFlekSelect"));
  BUTNFlekSelect->hide();
}

void TFRMMain::connectEntry() {
  connect(BUTNPrepocti, &QPushButton::clicked, this, &TFRMMain::BUTNPrepoctiClick);
  connect(BUTNPrepoctiCelkem, &QPushButton::clicked, this, &TFRMMain::BUTNPrepoctiCelkemClick);
  connect(BUTNFlekSelect, &QPushButton::clicked, this, &TFRMMain::BUTNFlekSelectClick);
  connect(LIBXFlekHraAbbrev, &QListWidget::itemClicked, this, &TFRMMain::BUTNFlekSelectClick);
  connect(RAGRTypHry, &RadioGroup::itemClicked, this, &TFRMMain::RAGRTypHryClick);
  connect(CKBXSedma, &QCheckBox::toggled, this, &TFRMMain::CKBXSedmaClick);
  connect(CHBXSedmaProti, &QCheckBox::toggled, this, &TFRMMain::CHBXSedmaProtiClick);
  connect(CKBXStovka, &QCheckBox::toggled, this, &TFRMMain::CKBXStovkaClick);
  connect(CKBXStovkaProti, &QCheckBox::toggled, this, &TFRMMain::CKBXStovkaProtiClick);
  connect(CKBXCervene, &QCheckBox::toggled, this, &TFRMMain::CKBXCerveneClick);
  connect(CHBXUhranaSedmaVolicem, &QCheckBox::toggled, this, &TFRMMain::CHBXUhranaSedmaVolicemClick);
  connect(CHBXUhranaSedmaProti, &QCheckBox::toggled, this, &TFRMMain::CHBXUhranaSedmaProtiClick);
  for (RadioGroup* g : {RAGRVyhra, RAGRUhrano, RAGRProti})
    connect(g, &RadioGroup::itemClicked, this, &TFRMMain::BUTNPrepoctiClick);
  connect(UPDNHraFlekCount, &UpDown::changed, this, [this](int, bool increase) { flekCountChanged(false, increase); });
  connect(UPDNHraSedmaCount, &UpDown::changed, this, [this](int, bool increase) { flekCountChanged(true, increase); });
  connect(LIBXFlekHraValues, &QListWidget::itemClicked, this, &TFRMMain::LIBXFlekHraValuesClick);
  connect(LIBXFlekSedmaValues, &QListWidget::itemClicked, this, &TFRMMain::LIBXFlekSedmaValuesClick);
  connect(EDITCelkemCena, &QLineEdit::textChanged, this, &TFRMMain::EDITCelkemCenaChange);
  for (QCheckBox* s : {CHBXKrizovyKvadusVolicS1, CHBXKrizovyKvadusVolicS2, CHBXKrizovyKvadusVolicS3})
    connect(s, &QCheckBox::toggled, this, [this, s] { partnerSwitchClicked(s); });
}

// ---- fleks ---------------------------------------------------------------

void TFRMMain::flekCountChanged(bool seven, bool increase) {
  UpDown* updown = seven ? UPDNHraSedmaCount : UPDNHraFlekCount;
  const int p = updown->position();
  if (increase && p >= 40)
    showMessage(this, QStringLiteral("Varovani"),
                QStringLiteral("Ja vedel, ze to nekdo prubne :-)\nDosahli jste max. hodnoty poctu "
                               "fleku.\nJestli si myslite, ze to nestaci,\nspoctete si to rucne :-P."));
  showFlekCount(seven);
  BUTNPrepoctiClick();
  BUTNFlekSelectClick();
}

// Writes the counter's position into its count field, its multiplier (the
// flek factor raised to it) into the multiplier field and selects it in the
// count list. True when any of them changed.
bool TFRMMain::showFlekCount(bool seven) {
  const int p = (seven ? UPDNHraSedmaCount : UPDNHraFlekCount)->position();
  const QString count = QString::number(p);
  const QString multiplier = generalNumberText(pricing::flekMultiplier(lenientNumber(EDITNasobeniFleku->text()), p));
  QLineEdit* countField = seven ? EDITFlekSedmaCount : EDITFlekHraCount;
  QLineEdit* multiplierField = seven ? EDITFlekSedmaVal : EDITFlekHraVal;
  QListWidget* values = seven ? LIBXFlekSedmaValues : LIBXFlekHraValues;
  const int row = p < values->count() ? p : -1;
  const bool changed =
      countField->text() != count || multiplierField->text() != multiplier || values->currentRow() != row;
  countField->setText(count);
  multiplierField->setText(multiplier);
  values->setCurrentRow(row);
  return changed;
}

void TFRMMain::LIBXFlekHraValuesClick() {
  UPDNHraFlekCount->setPosition(LIBXFlekHraValues->currentRow());
  flekCountChanged(false, true);
}

void TFRMMain::LIBXFlekSedmaValuesClick() {
  UPDNHraSedmaCount->setPosition(LIBXFlekSedmaValues->currentRow());
  flekCountChanged(true, true);
}

// Highlights the names of the chosen flek counts.
void TFRMMain::BUTNFlekSelectClick() {
  const int game = LIBXFlekHraValues->isHidden() ? -2 : LIBXFlekHraValues->currentRow();
  const int seven = LIBXFlekSedmaValues->isHidden() ? -2 : LIBXFlekSedmaValues->currentRow();
  for (int i = 0; i < LIBXFlekHraAbbrev->count(); ++i) LIBXFlekHraAbbrev->item(i)->setSelected(i == game || i == seven);
}

// ---- game type and announcements --------------------------------------------

void TFRMMain::RAGRTypHryClick() {
  const int type = RAGRTypHry->itemIndex();
  if (type == pricing::Obycejna || type == pricing::DveSedmy) {
    GRPBXUhrano->show();
    PNLUhranaSedma->show();
    GRBXAtributyHry->show();
    RAGRVyhra->hide();
    CKBXStovka->setChecked(false);
    CKBXStovka->setEnabled(true);
    if (type == pricing::DveSedmy) {
      CHBXSedmaProti->hide();
      CKBXSedma->setChecked(true);
      CKBXSedma->setEnabled(false);
      const bool withHundred = CHBXDveSedmyAStovka->isChecked();
      CKBXStovka->setVisible(withHundred);
      CKBXStovkaProti->setVisible(withHundred);
      CKBXStovka->setChecked(false);
      CKBXStovkaProti->setChecked(false);
    } else {
      CHBXSedmaProti->show();
      CKBXStovka->show();
      CKBXStovkaProti->show();
      CKBXSedma->setEnabled(true);
      CKBXSedma->setChecked(false);
    }
    CKBXCervene->setEnabled(true);
    CKBXCervene->setChecked(false);
    redFollowsTrump();
    CKBXSedmaClick();
    CKBXStovkaClick();
  } else {
    GRPBXUhrano->hide();
    PNLUhranaSedma->hide();
    GRBXAtributyHry->hide();
    RAGRVyhra->show();
    CKBXSedma->setChecked(false);
    CKBXStovkaClick();
    CKBXSedmaClick();
  }
  BUTNPrepoctiClick();
}

void TFRMMain::CKBXSedmaClick() {
  if (!flags.entryAttributeGuard) return;
  const bool on = CKBXSedma->isChecked();
  setVisibleAll({LABLSedma, LIBXFlekSedmaValues, EDITFlekSedmaCount, UPDNHraSedmaCount, EDITFlekSedmaVal}, on);
  if (on) {
    flags.entryAttributeGuard = 0;
    CHBXSedmaProti->setChecked(false);
    flags.entryAttributeGuard = 1;
  }
  CHBXSedmaProti->setEnabled(!on);
  BUTNPrepoctiClick();
}

void TFRMMain::CHBXSedmaProtiClick() {
  if (!flags.entryAttributeGuard) return;
  const bool on = CHBXSedmaProti->isChecked();
  setVisibleAll({LABLSedma, LIBXFlekSedmaValues, EDITFlekSedmaCount, UPDNHraSedmaCount, EDITFlekSedmaVal}, on);
  if (on) {
    flags.entryAttributeGuard = 0;
    CKBXSedma->setChecked(false);
    flags.entryAttributeGuard = 1;
  }
  CKBXSedma->setEnabled(!on);
  BUTNPrepoctiClick();
}

void TFRMMain::CKBXStovkaClick() {
  if (!flags.entryAttributeGuard) return;
  const int type = RAGRTypHry->itemIndex();
  const bool on = CKBXStovka->isChecked();
  LABLHraNadpis->setText(QStringLiteral("Hra"));
  LABLHraNadpis->show();
  setVisibleAll({LIBXFlekHraValues, EDITFlekHraCount, UPDNHraFlekCount, EDITFlekHraVal}, true);
  LABLSedma->setText(QStringLiteral("Sedma"));
  if (type == pricing::Betl) LABLHraNadpis->setText(QStringLiteral("Betl"));
  if (type == pricing::Durch) LABLHraNadpis->setText(QStringLiteral("Durch"));
  if (type == pricing::DveSedmy) {
    LABLSedma->setText(QStringLiteral("Sedmy"));
    setVisibleAll({LIBXFlekHraValues, EDITFlekHraCount, UPDNHraFlekCount, EDITFlekHraVal}, on);
    LABLHraNadpis->setText(QStringLiteral("Stovka"));
    LABLHraNadpis->setVisible(on);
  }
  if (on) {
    flags.entryAttributeGuard = 0;
    CKBXStovkaProti->setChecked(false);
    flags.entryAttributeGuard = 1;
  }
  CKBXStovkaProti->setEnabled(!on);
  HlaskyChange();
  BUTNPrepoctiClick();
}

void TFRMMain::CKBXStovkaProtiClick() {
  if (!flags.entryAttributeGuard) return;
  const bool on = CKBXStovkaProti->isChecked();
  if (on) {
    flags.entryAttributeGuard = 0;
    CKBXStovka->setChecked(false);
    flags.entryAttributeGuard = 1;
  }
  CKBXStovka->setEnabled(!on);
  if (RAGRTypHry->itemIndex() == pricing::DveSedmy) {
    setVisibleAll({LIBXFlekHraValues, EDITFlekHraCount, UPDNHraFlekCount, EDITFlekHraVal}, on);
    LABLHraNadpis->setText(QStringLiteral("Stovka proti"));
    LABLHraNadpis->setVisible(on);
  }
  HlaskyChange();
  BUTNPrepoctiClick();
}

void TFRMMain::CHBXUhranaSedmaVolicemClick() {
  if (CHBXUhranaSedmaVolicem->isChecked()) CHBXUhranaSedmaProti->setChecked(false);
  BUTNPrepoctiClick();
}

void TFRMMain::CHBXUhranaSedmaProtiClick() {
  if (CHBXUhranaSedmaProti->isChecked()) CHBXUhranaSedmaVolicem->setChecked(false);
  BUTNPrepoctiClick();
}

void TFRMMain::CKBXCerveneClick() {
  BUTNPrepoctiClick();
  // A red game makes red the trump suit of the extended counting; the trump
  // change runs in full, so the melds are counted at their new worth.
  if (CKBXCervene->isChecked() && flags.extendedEntryGuard && RAGRTrumfy->itemIndex() != extended::kRedSuit)
    RAGRTrumfy->setItemIndex(extended::kRedSuit);
}

// Two sevens with or without a hundred: while two sevens are being entered,
// the hundred boxes and the game's flek controls come and go with the switch.
void TFRMMain::twoSevensHundredChanged() {
  if (RAGRTypHry->itemIndex() != pricing::DveSedmy) return;
  const bool on = CHBXDveSedmyAStovka->isChecked();
  CKBXStovka->setChecked(false);
  CKBXStovkaProti->setChecked(false);
  setVisibleAll({CKBXStovka, CKBXStovkaProti, LABLHraNadpis, LIBXFlekHraValues, EDITFlekHraCount, UPDNHraFlekCount,
                 EDITFlekHraVal},
                on);
  RAGRTypHryClick();
}

void TFRMMain::CHBXOpravyHodnotClick() {
  const bool editable = CHBXOpravyHodnot->isChecked();
  EDITCelkemCena->setReadOnly(!editable);
  EDITCelkemCena->setFrame(editable);
  EDITCelkemCena->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
  BUTNPrepocti->setVisible(editable);
}

// ---- the pricing -----------------------------------------------------------

pricing::Tariff TFRMMain::tariffFromControls() const {
  pricing::Tariff tariff;
  tariff.game = lenientNumber(EDITCenaZaHru->text());
  tariff.hundred = lenientNumber(EDITCenaZaStovku->text());
  tariff.seven = lenientNumber(EDITCenaZaSedmu->text());
  tariff.silentSeven = lenientNumber(EDITCenaZaSedmuNehlasenou->text());
  tariff.betl = lenientNumber(EDITCenaZaBetla->text());
  tariff.durch = lenientNumber(EDITCenaZaDurcha->text());
  tariff.redFactor = lenientNumber(EDITCenaNasobeniCervenych->text());
  tariff.flekFactor = lenientNumber(EDITNasobeniFleku->text());
  tariff.twoSevens = lenientNumber(EDITCenaZaDveSedmy->text());
  tariff.twoSevensRed = lenientNumber(EDITCenaZaDveSedmyCervene->text());
  tariff.overHundredMethod = RAGRNadSto->itemIndex();
  tariff.overHundredAdd = lenientNumber(EDITFaktorNadStoPricitat->text());
  tariff.overHundredMultiply = lenientNumber(EDITFaktorNadStoNasobit->text());
  tariff.hundredWay = RAGRStovkaZpusobPocitani->itemIndex();
  tariff.separateHundred = lenientNumber(EDITCenaZaStovkuPripocitat->text());
  tariff.lostHundredCounting = RAGRPocitaniProhraneStovky->itemIndex();
  tariff.twoSevensHundredCounting = RAGRPocitaniDvouSedemNadSto->itemIndex();
  tariff.twoSevensWithHundred = CHBXDveSedmyAStovka->isChecked();
  tariff.twoSevensSilentHundred = CHBXDveSedmyAStovkaTicha->isChecked();
  tariff.checkMinMax = CHKBXKontrolovatPocetBodu->isChecked();
  tariff.checkParity = CHKBXKontrolovatPocetBoduLiche->isChecked();
  return tariff;
}

TFRMMain::PricingHold::PricingHold(TFRMMain& window) : window_(window) { ++window_.pricingHeld; }

TFRMMain::PricingHold::~PricingHold() {
  if (--window_.pricingHeld == 0 && std::exchange(window_.pricingDue, false)) window_.BUTNPrepoctiClick();
}

void TFRMMain::BUTNPrepoctiClick() {
  if (pricingHeld > 0) {
    pricingDue = true;
    return;
  }
  const pricing::Tariff tariff = tariffFromControls();
  pricing::Hand hand;
  hand.type = RAGRTypHry->itemIndex();
  hand.seven = CKBXSedma->isChecked();
  hand.sevenAgainst = CHBXSedmaProti->isChecked();
  hand.hundred = CKBXStovka->isChecked();
  hand.hundredAgainst = CKBXStovkaProti->isChecked();
  hand.red = CKBXCervene->isChecked();
  hand.won = RAGRVyhra->itemIndex() == 0;
  hand.declarerTens = RAGRUhrano->itemIndex();
  hand.defenderTens = RAGRProti->itemIndex();
  hand.sevenWonByDeclarer = CHBXUhranaSedmaVolicem->isChecked();
  hand.sevenWonByDefenders = CHBXUhranaSedmaProti->isChecked();
  hand.gameFleks = static_cast<int>(lenientNumber(EDITFlekHraCount->text()));
  hand.sevenFleks = static_cast<int>(lenientNumber(EDITFlekSedmaCount->text()));
  hand.gameMultiplier = lenientNumber(EDITFlekHraVal->text());
  hand.sevenMultiplier = lenientNumber(EDITFlekSedmaVal->text());
  hand.directAmountMode = flags.directAmountMode != 0;
  hand.directAmount = lenientNumber(EDITCelkemCena->text());
  hand.directAmountCaption = directAmountCaption();
  hand.declarer = declarerIndex();
  if (hand.declarer >= 0) hand.declarerName = LIBXHraci->item(hand.declarer)->text();
  hand.showNames = CHBXVNazvuHryZobrazovatJmena->isChecked();
  // The extended counting describes the hand by its card points and melds.
  extendedentry::readInto(*this, hand);

  // 1. Points check.
  for (QLabel* w : {LABLPocetBoduVeHre1, LABLPocetBoduVeHre2, LABLPocetBoduVeHre3}) w->hide();
  BUTNPridejSkore->show();
  if (BUTNPridatDolni) BUTNPridatDolni->setEnabled(BUTNPridejSkore->isEnabled());
  const QString warning = pricing::pointsWarning(hand, tariff);
  if (!warning.isEmpty()) {
    LABLPocetBoduVeHre3->setText(warning);
    for (QLabel* w : {LABLPocetBoduVeHre1, LABLPocetBoduVeHre2, LABLPocetBoduVeHre3}) w->show();
    BUTNPridejSkore->hide();
    if (BUTNPridatDolni) BUTNPridatDolni->setEnabled(false);
  }

  // 2. Description.
  if (CKBXZobrazovatDruhyHer->isChecked()) {
    const pricing::Description d = pricing::describeHand(hand);
    LABLPoctyVeHre->setText(d.body);
    LABLTextoveVyjadreniHry->setText(d.text);
    LABLTextoveVyjadreniHry->show();
  } else {
    LABLTextoveVyjadreniHry->hide();
  }

  // 3.-6. Amount, price text, shares.
  // A price beyond what the program books is not shown as a number: the
  // warning stands in its place and the hand cannot be added.
  const double amount = pricing::handAmount(hand, tariff);
  const bool inRange = pricing::amountInRange(amount);
  if (!inRange) {
    for (QLabel* w : {LABLPocetBoduVeHre1, LABLPocetBoduVeHre2}) w->hide();
    LABLPocetBoduVeHre3->setText(pricing::amountOutOfRangeWarning());
    LABLPocetBoduVeHre3->show();
    BUTNPridejSkore->hide();
    if (BUTNPridatDolni) BUTNPridatDolni->setEnabled(false);
  }
  const QString price = priceText(inRange ? amount : 0.0);
  {
    const QSignalBlocker block(EDITCelkemCena);
    EDITCelkemCena->setText(price);
  }
  BUTNPrepoctiCelkemClick();
  BUTNFlekSelectClick();
  lastPricedText = price;

  // 7.
  BUTNZmenaStavu->setEnabled(playerCount() > 1);
  BUTNGrafika->setEnabled(ledger::handCount(STGOutput->rowCount()) >= 1);
}

bool TFRMMain::crossVariantActive() const {
  return pricing::crossVariant(CKBXHraniPauzirovaneho->isChecked(), playerCount(), RAGRPocitaniPauziraku->itemIndex());
}

int TFRMMain::crossPartner() const {
  if (!crossVariantActive()) return 0;
  // The last switched on wins; the switches keep each other exclusive anyway.
  int partner = 0;
  if (CHBXKrizovyKvadusVolicS1->isChecked()) partner = 1;
  if (CHBXKrizovyKvadusVolicS2->isChecked()) partner = 2;
  if (CHBXKrizovyKvadusVolicS3->isChecked()) partner = 3;
  return partner;
}

void TFRMMain::BUTNPrepoctiCelkemClick() {
  const int n = playerCount();
  const bool cross = crossVariantActive();
  GRPBXKrizovyKvadus->setVisible(cross);
  if (cross) {
    const int d = std::max(0, declarerIndex());
    const QList<QCheckBox*> switches = {CHBXKrizovyKvadusVolicS1, CHBXKrizovyKvadusVolicS2, CHBXKrizovyKvadusVolicS3};
    for (int k = 1; k <= 3; ++k) switches[k - 1]->setText(LIBXHraci->item((d + k) % 4)->text());
  }
  const pricing::Shares shares =
      pricing::playerShares(lenientNumber(EDITCelkemCena->text()), n, CKBXHraniPauzirovaneho->isChecked(),
                            RAGRPocitaniPauziraku->itemIndex(), RAGRPocitaniKrizoveho->itemIndex(), crossPartner());
  if (!shares.ok) {
    showMessage(this, QStringLiteral("Interni chyba"),
                QStringLiteral("Nelze spocitat naklady pro pauzirak,\nkontaktujte autora a popiste "
                               "situaci. Dekuji."));
    return;
  }
  if (!shares.heading.isEmpty()) LABLVolic->setText(shares.heading);
  // In the cross game the heading tells whether the declarer has a partner.
  if (cross) LABLVolic->setText(crossPartner() ? QStringLiteral("vyn.+kriz:") : QStringLiteral("vynosce:"));
  LABLScoreCelkom->setText(priceText(shares.declarer));
  LABLCenaProProtihrace->setText(priceText(shares.defender));
  LABLPauzirujiciCelkem->setText(priceText(shares.sittingOut));
  LABLPauzirujiciCelkem->setEnabled(n > 3);
  LABLCenaPauzirujiciNadpis->setEnabled(n > 3);
}

void TFRMMain::EDITCelkemCenaChange() {
  double value = 0;
  if (strictNumber(normalizeDecimalMark(EDITCelkemCena->text()), &value) && pricing::amountInRange(value))
    BUTNPrepoctiCelkemClick();
}

// ---- the cross variant's partner ---------------------------------------------

void TFRMMain::partnerSwitchClicked(QCheckBox* box) {
  if (!flags.extendedEntryGuard) return;
  flags.extendedEntryGuard = 0;
  for (QCheckBox* other : {CHBXKrizovyKvadusVolicS1, CHBXKrizovyKvadusVolicS2, CHBXKrizovyKvadusVolicS3})
    if (other != box) other->setChecked(false);
  LABLVolic->setText(box->isChecked() ? QStringLiteral("vyn.+kriz:") : QStringLiteral("vynosce:"));
  BUTNPrepoctiCelkemClick();
  flags.extendedEntryGuard = 1;
}

void TFRMMain::clearPartnerSwitches() {
  for (QCheckBox* s : {CHBXKrizovyKvadusVolicS1, CHBXKrizovyKvadusVolicS2, CHBXKrizovyKvadusVolicS3})
    s->setChecked(false);
}

// ---- entry resets ------------------------------------------------------------

// exclusiveQuickSelection() belongs to the quick selection (mainwindow_quick.cpp).

void TFRMMain::resetEntry(RadioGroup* keep) {
  exclusiveQuickSelection(keep);
  RAGRTypHry->setItemIndex(pricing::Obycejna);
  for (QCheckBox* box : {CKBXSedma, CHBXSedmaProti, CKBXStovka, CKBXStovkaProti, CKBXCervene, CHBXUhranaSedmaVolicem,
                         CHBXUhranaSedmaProti})
    box->setChecked(false);
  LIBXFlekHraValues->setCurrentRow(0);
  LIBXFlekSedmaValues->setCurrentRow(0);
  RAGRUhrano->setItemIndex(0);
  RAGRProti->setItemIndex(0);
  UPDNHraFlekCount->setPosition(0);
  UPDNHraSedmaCount->setPosition(0);
  resetExtendedEntry();
}

void TFRMMain::refreshEntry() {
  flekCountChanged(false, true);
  flekCountChanged(true, true);
  BUTNPrepoctiClick();
}
