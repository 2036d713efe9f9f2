// The quick selection of common hands: the groups "Vyhrane" (right) and
// "Prohrane" (bottom) of the wide window. A click on an item resets the hand
// entry, sets it for that hand through the entry's own controls and has the
// hand priced; "Pridat" then adds it as usual.

#include "common/controls.h"
#include "common/radiogroup.h"
#include "common/textforms.h"
#include "common/updown.h"
#include "ledger/extendedcount.h"
#include "ledger/quickselection.h"
#include "shell/mainwindow.h"
#include "shell/mainwindow_layout.h"
#include "common/theme.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <array>

using namespace kvadus;

namespace {

RadioGroup* makeQuickGroup(QWidget* parent, quick::Group group, const QRect& at, int columns) {
  const quick::GroupText& t = quick::groupText(group);
  RadioGroup* g = makeRadio(parent, t.name, t.caption, t.items, -1, at, t.hint);
  g->setColumns(columns);
  return g;
}

// The lower "Pridat" can be pressed exactly when the main one can: it
// follows the main button's enabled state and visibility, whoever changes them.
class TwinButton : public QObject {
 public:
  TwinButton(QPushButton* main, QPushButton* twin) : QObject(twin), main_(main), twin_(twin) {
    main->installEventFilter(this);
    follow();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::EnabledChange:
      case QEvent::ShowToParent:
      case QEvent::HideToParent:
        follow();
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void follow() { twin_->setEnabled(main_->isEnabled() && !main_->isHidden()); }
  QPushButton* main_;
  QPushButton* twin_;
};

// Writes an item's settings into the freshly reset entry. Each control is
// set as a person would set it, so that its own handler runs: the game type
// shows its controls, the announcements exclude their partners, and so on.
void applySettings(TFRMMain* m, const quick::EntrySettings& s) {
  m->RAGRTypHry->setItemIndex(s.type);
  if (s.result >= 0) m->RAGRVyhra->setItemIndex(s.result);
  m->RAGRUhrano->setItemIndex(s.declarerTens);
  m->RAGRProti->setItemIndex(s.defenderTens);
  m->CKBXStovka->setChecked(s.hundred);
  m->CKBXSedma->setChecked(s.seven);
  m->CHBXSedmaProti->setChecked(s.sevenAgainst);
  m->CHBXUhranaSedmaVolicem->setChecked(s.sevenWonByDeclarer);
  m->CHBXUhranaSedmaProti->setChecked(s.sevenWonByDefenders);
  // The count field, multiplier and list follow when the entry is refreshed.
  m->UPDNHraFlekCount->setPosition(s.gameFleks);
  if (s.directAmount) m->EDITCelkemCena->setText(generalNumberText(s.amount));
}

}  // namespace

void TFRMMain::buildQuickSelection() {
  LABLRychlaVolba = new QLabel(QStringLiteral("Rychla volba"), this);
  LABLRychlaVolba->setObjectName(QStringLiteral("LABLRychlaVolba"));
  LABLRychlaVolba->setGeometry(layout::kQuickLabel);
  QPalette quiet = LABLRychlaVolba->palette();
  quiet.setColor(QPalette::WindowText, quietTextColor(quiet));
  LABLRychlaVolba->setPalette(quiet);

  GRPBXVyhrane = new QGroupBox(QStringLiteral("Vyhrane"), this);
  GRPBXVyhrane->setObjectName(QStringLiteral("GRPBXVyhrane"));
  GRPBXVyhrane->setToolTip(QStringLiteral("rychly vyber VYHRANYCH her"));
  GRPBXVyhrane->setGeometry(layout::kWonGroup);

  GRPBXProhrane = new QGroupBox(QStringLiteral("Prohrane"), this);
  GRPBXProhrane->setObjectName(QStringLiteral("GRPBXProhrane"));
  GRPBXProhrane->setToolTip(QStringLiteral("rychly vyber PROHRANYCH her"));
  GRPBXProhrane->setGeometry(layout::kLostGroup);

  // "Vyhrane": one column of groups, the red box at its foot.
  const int ww = layout::kWonGroup.width() - 8;
  RAGRObycHra = makeQuickGroup(GRPBXVyhrane, quick::ObycHra, {4, 20, ww, 112}, 1);
  RAGRBetlDurch = makeQuickGroup(GRPBXVyhrane, quick::BetlDurch, {4, 134, ww, 42}, 2);
  RAGRSedma = makeQuickGroup(GRPBXVyhrane, quick::Sedma, {4, 178, ww, 112}, 1);
  RAGRStovka = makeQuickGroup(GRPBXVyhrane, quick::Stovka, {4, 292, ww, 76}, 2);
  RAGRStoASedm = makeQuickGroup(GRPBXVyhrane, quick::StoASedm, {4, 370, ww, 76}, 2);
  RAGRPrimaUpravaStavuVyhrane = makeQuickGroup(GRPBXVyhrane, quick::PrimaUpravaStavuVyhrane, {4, 448, ww, 130}, 2);
  CHBXCerveneVpravo = makeCheck(GRPBXVyhrane, "CHBXCerveneVpravo", QStringLiteral("Cervene"), {8, 584, ww - 4, 22},
                                QStringLiteral("hra v rudych"));

  // "Prohrane": the groups side by side, then the red box and "Pridat".
  const int lh = layout::kLostGroup.height() - 22;
  RAGRProhranaHra = makeQuickGroup(GRPBXProhrane, quick::ProhranaHra, {4, 18, 88, lh}, 1);
  RAGRBetlDurchProti = makeQuickGroup(GRPBXProhrane, quick::BetlDurchProti, {94, 18, 70, lh}, 1);
  RAGRSedmaProhrana = makeQuickGroup(GRPBXProhrane, quick::SedmaProhrana, {166, 18, 120, lh}, 1);
  RAGRStoNeuhranych = makeQuickGroup(GRPBXProhrane, quick::StoNeuhranych, {288, 18, 88, lh}, 2);
  RAGRPrimaUpravaStavuProhrane = makeQuickGroup(GRPBXProhrane, quick::PrimaUpravaStavuProhrane, {378, 18, 164, lh}, 3);
  CHBXCerveneVlevo = makeCheck(GRPBXProhrane, "CHBXCerveneVlevo", QStringLiteral("Cervene"), {552, 24, 84, 22},
                               QStringLiteral("hra v rudych"));

  BUTNPridatDolni = makeButton(GRPBXProhrane, "BUTNPridatDolni", QStringLiteral("Pridat"),
                               QStringLiteral("prida zvolenou hru do tabulky"));
  BUTNPridatDolni->setGeometry(548, layout::kLostGroup.height() - 40, 88, 32);
  new TwinButton(BUTNPridejSkore, BUTNPridatDolni);

  using Handler = void (TFRMMain::*)();
  static constexpr std::array<Handler, quick::kGroupCount> handlers = {&TFRMMain::RAGRObycHraClick,
                                                                       &TFRMMain::RAGRBetlDurchClick,
                                                                       &TFRMMain::RAGRSedmaClick,
                                                                       &TFRMMain::RAGRStovkaClick,
                                                                       &TFRMMain::RAGRStoASedmClick,
                                                                       &TFRMMain::RAGRPrimaUpravaStavuVyhraneClick,
                                                                       &TFRMMain::RAGRProhranaHraClick,
                                                                       &TFRMMain::RAGRBetlDurchProtiClick,
                                                                       &TFRMMain::RAGRSedmaProhranaClick,
                                                                       &TFRMMain::RAGRStoNeuhranychClick,
                                                                       &TFRMMain::RAGRPrimaUpravaStavuProhraneClick};
  const QList<RadioGroup*> groups = quickGroups();
  for (int i = 0; i < quick::kGroupCount; ++i) connect(groups[i], &RadioGroup::itemClicked, this, handlers[i]);
  for (QCheckBox* box : {CHBXCerveneVpravo, CHBXCerveneVlevo})
    connect(box, &QCheckBox::toggled, this, [this, box] { CHBXCerveneVlevoClick(box); });
  connect(CKBXCervene, &QCheckBox::toggled, this, &TFRMMain::redBoxesFollowCervene);
}

QList<RadioGroup*> TFRMMain::quickGroups() const {
  return {RAGRObycHra,
          RAGRBetlDurch,
          RAGRSedma,
          RAGRStovka,
          RAGRStoASedm,
          RAGRPrimaUpravaStavuVyhrane,
          RAGRProhranaHra,
          RAGRBetlDurchProti,
          RAGRSedmaProhrana,
          RAGRStoNeuhranych,
          RAGRPrimaUpravaStavuProhrane};
}

void TFRMMain::RAGRObycHraClick() { quickSelectionClick(quick::ObycHra); }
void TFRMMain::RAGRBetlDurchClick() { quickSelectionClick(quick::BetlDurch); }
void TFRMMain::RAGRSedmaClick() { quickSelectionClick(quick::Sedma); }
void TFRMMain::RAGRStovkaClick() { quickSelectionClick(quick::Stovka); }
void TFRMMain::RAGRStoASedmClick() { quickSelectionClick(quick::StoASedm); }
void TFRMMain::RAGRPrimaUpravaStavuVyhraneClick() { quickSelectionClick(quick::PrimaUpravaStavuVyhrane); }
void TFRMMain::RAGRProhranaHraClick() { quickSelectionClick(quick::ProhranaHra); }
void TFRMMain::RAGRBetlDurchProtiClick() { quickSelectionClick(quick::BetlDurchProti); }
void TFRMMain::RAGRSedmaProhranaClick() { quickSelectionClick(quick::SedmaProhrana); }
void TFRMMain::RAGRStoNeuhranychClick() { quickSelectionClick(quick::StoNeuhranych); }
void TFRMMain::RAGRPrimaUpravaStavuProhraneClick() { quickSelectionClick(quick::PrimaUpravaStavuProhrane); }

void TFRMMain::quickSelectionClick(int group) {
  RadioGroup* clicked = quickGroups().at(group);
  const int item = clicked->itemIndex();
  // A group that lost its selection to another one was not clicked.
  if (item < 0) return;
  // A quick item describes the whole hand with the basic controls; the
  // extended entry would write its own totals over them, so it goes off.
  if (CHBXRozsirenePocitaniBodu->isChecked()) BUTNRozsireneOvladaniClick();
  const auto g = static_cast<quick::Group>(group);
  // A "primo penize" item gives the amount straight; any other item
  // describes a whole hand of its own, so it ends a direct amount chosen
  // before, and the hand is priced and described as that item.
  flags.directAmountMode = quick::isDirectAmount(g) ? 1 : 0;
  resetEntry(clicked);  // the other groups cleared, the red boxes, the reset
  applySettings(this, quick::itemSettings(g, item));
  refreshEntry();  // flek displays and the pricing
}

void TFRMMain::exclusiveQuickSelection(RadioGroup* keep) {
  if (!flags.extendedEntryGuard) return;
  flags.extendedEntryGuard = 0;
  const QList<RadioGroup*> groups = quickGroups();
  for (RadioGroup* g : groups)
    if (g != keep) g->setItemIndex(-1);
  flags.extendedEntryGuard = 1;

  const bool hide = quick::hidesRedBoxes(static_cast<int>(groups.indexOf(keep)), flags.directAmountMode != 0);
  CHBXCerveneVlevo->setVisible(!hide);
  CHBXCerveneVpravo->setVisible(!hide);
  if (hide) {
    // Hidden boxes are never ticked: the game they stand for is not red.
    CHBXCerveneVlevo->setChecked(false);
    CHBXCerveneVpravo->setChecked(false);
    CKBXCervene->setChecked(false);
  }
}

// Either red box: both boxes and "cervene" take the clicked box's state.
void TFRMMain::CHBXCerveneVlevoClick(QCheckBox* clicked) {
  const bool red = quick::redBoxesState(clicked->isChecked(), CHBXCerveneVlevo->isHidden());
  for (QCheckBox* box : {CHBXCerveneVlevo, CHBXCerveneVpravo}) {
    const QSignalBlocker quiet(box);
    box->setChecked(red);
  }
  CKBXCervene->setChecked(red);
  // Under the extended entry the red game is the red trumps: a game made
  // not red here takes the default trumps.
  if (!red && CHBXRozsirenePocitaniBodu->isChecked() && RAGRTrumfy->itemIndex() == extended::kRedSuit)
    RAGRTrumfy->setItemIndex(extended::kDefaultTrump);
}

// "cervene" changed elsewhere (the entry, a reset): the shown red boxes follow.
void TFRMMain::redBoxesFollowCervene() {
  if (CHBXCerveneVlevo->isHidden()) return;
  for (QCheckBox* box : {CHBXCerveneVlevo, CHBXCerveneVpravo}) {
    const QSignalBlocker quiet(box);
    box->setChecked(CKBXCervene->isChecked());
  }
}

QString TFRMMain::directAmountCaption() const {
  for (const RadioGroup* g : {RAGRPrimaUpravaStavuProhrane, RAGRPrimaUpravaStavuVyhrane})
    if (g->itemIndex() >= 0) return g->itemText(g->itemIndex());
  return {};
}

void TFRMMain::clearDirectAmountGroups() {
  RAGRPrimaUpravaStavuVyhrane->setItemIndex(-1);
  RAGRPrimaUpravaStavuProhrane->setItemIndex(-1);
}
