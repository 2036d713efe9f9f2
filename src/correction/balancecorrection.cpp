#include "correction/balancecorrection.h"

#include "common/clickfilters.h"
#include "common/controls.h"
#include "common/messages.h"
#include "correction/correction.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "common/fontscale.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <iterator>
#include <utility>

using namespace kvadus;
namespace cor = kvadus::correction;

namespace {

// Money stands right-aligned, a typed "12,5" as well as a padded balance.
class RightAligned : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
  }
};

QTableWidget* makePlayerGrid(QWidget* parent, const char* name, const QString& hint, int nameWidth) {
  auto* t = new QTableWidget(parent);
  t->setObjectName(QLatin1String(name));
  t->setToolTip(hint);
  const QFont fixed = fixedFont();
  t->setFont(fixed);
  t->horizontalHeader()->setFont(fixed);
  t->horizontalHeader()->setHighlightSections(false);
  t->horizontalHeader()->setStretchLastSection(false);
  t->verticalHeader()->setVisible(false);
  t->verticalHeader()->setMinimumSectionSize(10);
  t->verticalHeader()->setDefaultSectionSize(gridRowHeight(18));
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setWordWrap(false);
  t->setCornerButtonEnabled(false);
  t->setColumnCount(cor::kColumns);
  t->setItemDelegateForColumn(cor::kMoneyColumn, new RightAligned(t));
  // A money cell is 11 characters: the column shows all of them.
  const int money = QFontMetrics(fixed).horizontalAdvance(QString(11, QLatin1Char('0'))) + 10;
  t->setColumnWidth(cor::kNameColumn, qRound(nameWidth * fontGrowth()));
  t->setColumnWidth(cor::kMoneyColumn, qMax(80, money));
  t->setColumnWidth(cor::kOrderColumn, qRound(60 * fontGrowth()));
  // Every column in view, also with a large font: the window grows instead.
  t->setMinimumWidth(t->horizontalHeader()->length() + 2 * t->frameWidth() +
                     t->verticalScrollBar()->sizeHint().width());
  return t;
}

QLabel* boldLabel(QWidget* parent, const char* name, const QString& caption) {
  QLabel* l = makeLabel(parent, name, caption, QRect());
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

}  // namespace

namespace {
constexpr Accelerator kAccelerators[] = {
    {"Alt+N", "STRGRNove"}, {"Alt+Y", "EDITNovePenize"}, {"Alt+T", "ButnZpetPenize"},  {"Alt+H", "BUTNUp"},
    {"Alt+D", "ButnDown"},  {"Alt+P", "BUTNPouzit"},     {"Alt+V", "BUTNNahratZMain"}, {"Alt+Z", "BUTNCancel"},
};
}  // namespace

AcceleratorTable TFRMUpravaStavu::accelerators() { return kAccelerators; }

TFRMUpravaStavu::TFRMUpravaStavu(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FRMUpravaStavu"));
  setWindowTitle(QStringLiteral("Uprava stavu penez a/nebo poradi hracu"));
  setToolTip(QStringLiteral("formular pro zmenu partie"));
  setModal(false);

  auto* labelNove = makeLabel(this, "LABLNove", QStringLiteral("Nove"), QRect());
  STRGRNove = makePlayerGrid(this, "STRGRNove", QStringLiteral("nove poradi/finance"), 150);
  auto* labelStare = makeLabel(this, "LABLStare", QStringLiteral("Stare"), QRect());
  STRGRStare = makePlayerGrid(this, "STRGRStare", QStringLiteral("Hra pred zmenou"), 151);
  labelNove->setBuddy(STRGRNove);
  labelStare->setBuddy(STRGRStare);
  nove = new TableGrid(STRGRNove);
  stare = new TableGrid(STRGRStare);

  GRPBXStavPenez = new QGroupBox(QStringLiteral("stav penez"), this);
  GRPBXStavPenez->setObjectName(QStringLiteral("GRPBXStavPenez"));
  GRPBXStavPenez->setToolTip(QStringLiteral("uprava sravu financi vybraneho hrace"));
  auto* labelNovy = makeLabel(GRPBXStavPenez, "LABLNovy", QStringLiteral("novy"), QRect());
  EDITNovePenize = new QLineEdit(GRPBXStavPenez);
  EDITNovePenize->setObjectName(QStringLiteral("EDITNovePenize"));
  EDITNovePenize->setToolTip(QStringLiteral("nova hodnota penez"));
  EDITNovePenize->setAlignment(Qt::AlignRight);
  labelNovy->setBuddy(EDITNovePenize);
  ButnZpetPenize = makeButton(GRPBXStavPenez, "ButnZpetPenize", QStringLiteral("<-- zpet <--"),
                              QStringLiteral("vrati puvodni hodnotu"));
  ButnZpetPenize->setEnabled(false);
  // Taken by a click only: Tab out of a typed balance keeps it.
  ButnZpetPenize->setFocusPolicy(Qt::ClickFocus);
  auto* labelStary = makeLabel(GRPBXStavPenez, "LABLStary", QStringLiteral("stary"), QRect());
  EDITCenaPredZmenou = new QLineEdit(GRPBXStavPenez);
  EDITCenaPredZmenou->setObjectName(QStringLiteral("EDITCenaPredZmenou"));
  EDITCenaPredZmenou->setAlignment(Qt::AlignRight);
  EDITCenaPredZmenou->setEnabled(false);
  labelStary->setBuddy(EDITCenaPredZmenou);
  auto* money = new QGridLayout(GRPBXStavPenez);
  money->addWidget(labelNovy, 0, 0);
  money->addWidget(labelStary, 0, 2);
  money->addWidget(EDITNovePenize, 1, 0);
  money->addWidget(ButnZpetPenize, 1, 1);
  money->addWidget(EDITCenaPredZmenou, 1, 2);

  GRPBXPresunout = new QGroupBox(QStringLiteral("presunout hrace"), this);
  GRPBXPresunout->setObjectName(QStringLiteral("GRPBXPresunout"));
  GRPBXPresunout->setToolTip(QStringLiteral("posun hrace"));
  BUTNUp = makeButton(GRPBXPresunout, "BUTNUp", QStringLiteral("nahoru"));
  ButnDown = makeButton(GRPBXPresunout, "ButnDown", QStringLiteral("dolu"));
  auto* moving = new QVBoxLayout(GRPBXPresunout);
  moving->addWidget(BUTNUp);
  moving->addWidget(ButnDown);

  GRPBXProvedeneZmeny = new QGroupBox(QStringLiteral("Provedene zmeny"), this);
  GRPBXProvedeneZmeny->setObjectName(QStringLiteral("GRPBXProvedeneZmeny"));
  GRPBXProvedeneZmeny->setToolTip(QStringLiteral("seznam provedenych zmen"));
  LABLPoradi = boldLabel(GRPBXProvedeneZmeny, "LABLPoradi", QStringLiteral("poradi"));
  LABLCena = boldLabel(GRPBXProvedeneZmeny, "LABLCena", QStringLiteral("cena"));
  auto* changes = new QVBoxLayout(GRPBXProvedeneZmeny);
  changes->addWidget(LABLPoradi);
  changes->addWidget(LABLCena);

  BUTNPouzit = makeButton(this, "BUTNPouzit", QStringLiteral("<< Pouzit"), QStringLiteral("pouzije zmeny"));
  BUTNCancel =
      makeButton(this, "BUTNCancel", QStringLiteral("<< zavrit"), QStringLiteral("zavrit okno bez pouziti zmen"));
  BUTNNahratZMain = makeButton(this, "BUTNNahratZMain", QStringLiteral("<-- zpet vsechny zmeny"),
                               QStringLiteral("obnovi vsechny udaje z hlavniho formulare"));
  setEnabledAll({LABLPoradi, LABLCena, BUTNPouzit, BUTNNahratZMain}, false);

  auto* grids = new QGridLayout;
  grids->addWidget(labelNove, 0, 0);
  grids->addWidget(labelStare, 0, 1);
  grids->addWidget(STRGRNove, 1, 0);
  grids->addWidget(STRGRStare, 1, 1);
  auto* controls = new QHBoxLayout;
  controls->addWidget(GRPBXStavPenez, 3);
  controls->addWidget(GRPBXPresunout, 1);
  controls->addWidget(GRPBXProvedeneZmeny, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BUTNPouzit);
  buttons->addWidget(BUTNCancel);
  buttons->addStretch(1);
  buttons->addWidget(BUTNNahratZMain);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(grids, 1);
  outer->addLayout(controls);
  outer->addLayout(buttons);
  resize(700, 440);
  QWidget* order[] = {STRGRNove, EDITNovePenize, BUTNUp, ButnDown, BUTNPouzit, BUTNCancel, BUTNNahratZMain, STRGRStare};
  for (int i = 1; i < std::ssize(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(STRGRNove, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
    if (row != previous) STRGRNoveClick(row);
  });
  connect(STRGRStare, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
    if (row != previous) STRGRStareClick(row);
  });
  connect(BUTNUp, &QPushButton::clicked, this, &TFRMUpravaStavu::BUTNUpClick);
  connect(ButnDown, &QPushButton::clicked, this, &TFRMUpravaStavu::ButnDownClick);
  // Only the person's typing is a change; the program filling the field
  // when a player is chosen is none.
  connect(EDITNovePenize, &QLineEdit::textEdited, this, &TFRMUpravaStavu::EDITNovePenizeChange);
  EDITNovePenize->installEventFilter(this);
  connect(BUTNPouzit, &QPushButton::clicked, this, &TFRMUpravaStavu::BUTNPouzitClick);
  connect(BUTNCancel, &QPushButton::clicked, this, &TFRMUpravaStavu::BUTNCancelClick);
  connect(BUTNNahratZMain, &QPushButton::clicked, this, &TFRMUpravaStavu::BUTNNahratZMainClick);
  // When another window takes over from the box (the desktop did not give
  // the activation back here), the next activation is a new visit again.
  connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
    if (now && now != windowHandle() && now->transientParent() != windowHandle()) activationToOwnBox_ = false;
  });
  // ButnZpetPenize has no action of its own: taking the focus from the new
  // balance is what it does (see EDITNovePenizeExit).
  setUpKeyboard(this, accelerators());
}

TFRMUpravaStavu::~TFRMUpravaStavu() {
  EDITNovePenize->removeEventFilter(this);
  delete nove;
  delete stare;
}

int TFRMUpravaStavu::chosenRow() const {
  const int r = STRGRNove->currentRow();
  return r >= 1 && r <= cor::playerRows(*nove) ? r : -1;
}

// ---- loading -----------------------------------------------------------------

void TFRMUpravaStavu::BUTNNahratZMainClick() {
  FRMMain->BUTNSpoctiSumuClick();
  // The chosen player is known by his place in the main window, the old
  // grid's row; after applying, that is the place he moved to.
  const int place = STRGRStare->currentRow();
  const QStringList names = itemTexts(FRMMain->LIBXHraci);
  {
    const QSignalBlocker blockNew(STRGRNove);
    const QSignalBlocker blockOld(STRGRStare);
    cor::loadPlayers(*nove, names, *FRMMain->grid);
    cor::loadPlayers(*stare, names, *FRMMain->grid);
  }
  const int n = static_cast<int>(names.size());
  STRGRNoveClick(place >= 1 && place <= n ? place : (n >= 1 ? 1 : -1));
  setEnabledAll({LABLPoradi, LABLCena, BUTNPouzit, BUTNNahratZMain}, false);
}

void TFRMUpravaStavu::showEvent(QShowEvent* event) {
  activationToOwnBox_ = false;  // a new showing is a new visit
  BUTNNahratZMainClick();
  QDialog::showEvent(event);
}

// Every visit starts from the main window as it is; the window coming back
// from its own message box is no new visit.
bool TFRMUpravaStavu::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    if (!std::exchange(activationToOwnBox_, false)) BUTNNahratZMainClick();
  } else if (event->type() == QEvent::WindowDeactivate) {
    QWidget* now = QApplication::activeWindow();
    activationToOwnBox_ = qobject_cast<QMessageBox*>(now) && now->parentWidget() == this;
  }
  return QDialog::event(event);
}

// ---- choosing a player ---------------------------------------------------------

void TFRMUpravaStavu::selectRows(int newRow, int oldRow) {
  const QSignalBlocker blockNew(STRGRNove);
  const QSignalBlocker blockOld(STRGRStare);
  const auto rows = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
  for (auto [table, row] : {std::pair{STRGRNove, newRow}, std::pair{STRGRStare, oldRow}}) {
    if (row >= 1 && row < table->rowCount()) {
      table->setCurrentCell(row, 0, rows);
      table->scrollToItem(table->item(row, 0));
    } else {
      table->setCurrentCell(-1, -1);
      table->clearSelection();
    }
  }
}

void TFRMUpravaStavu::STRGRNoveClick(int row) { ButnSrovnejVyberyClick(true, row); }

void TFRMUpravaStavu::STRGRStareClick(int row) { ButnSrovnejVyberyClick(false, row); }

void TFRMUpravaStavu::ButnSrovnejVyberyClick(bool chosenInNew, int row) {
  const int n = cor::playerRows(*nove);
  int r = -1;
  int m = -1;
  if (row >= 1 && row <= n) {
    if (chosenInNew) {
      r = row;
      m = cor::orderAt(*nove, r);
    } else {
      m = row;
      r = cor::rowOfOrder(*nove, m);
    }
  }
  selectRows(r, m);
  const QString money = r >= 1 ? nove->cell(cor::kMoneyColumn, r) : QString();
  EDITCenaPredZmenou->setText(money);
  EDITNovePenize->setText(money.trimmed());
  ButnZpetPenize->setEnabled(false);
}

// ---- moving --------------------------------------------------------------------

void TFRMUpravaStavu::afterMove(int row, bool rotated) {
  selectRows(row, STRGRStare->currentRow());
  if (!rotated) BUTNNahratZMain->setEnabled(true);
  ButnZpetPenize->setEnabled(false);
  LABLPoradi->setEnabled(true);
  BUTNPouzit->setEnabled(true);
}

void TFRMUpravaStavu::BUTNUpClick() {
  const cor::Moved moved = cor::moveUp(*nove, chosenRow());
  if (moved.row >= 1) afterMove(moved.row, moved.rotated);
}

void TFRMUpravaStavu::ButnDownClick() {
  const cor::Moved moved = cor::moveDown(*nove, chosenRow());
  if (moved.row >= 1) afterMove(moved.row, moved.rotated);
}

// ---- a new balance -------------------------------------------------------------

void TFRMUpravaStavu::EDITNovePenizeChange() { setEnabledAll({ButnZpetPenize, BUTNPouzit, BUTNNahratZMain}, true); }

bool TFRMUpravaStavu::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EDITNovePenize && event->type() == QEvent::FocusOut && isFocusMove(event))
    EDITNovePenizeExit(QApplication::focusWidget(), static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason);
  return QDialog::eventFilter(watched, event);
}

void TFRMUpravaStavu::EDITNovePenizeExit(QWidget* focusGoesTo, bool byClick) {
  // The focus comes back once the change that took it away is over.
  auto focusBack = [this] {
    QTimer::singleShot(0, EDITNovePenize, [this] {
      activateWindow();
      EDITNovePenize->setFocus(Qt::OtherFocusReason);
    });
  };
  if (focusGoesTo == ButnZpetPenize) {
    EDITNovePenize->setText(EDITCenaPredZmenou->text().trimmed());
    focusBack();
    return;
  }
  const int r = chosenRow();
  if (r < 1) return;
  // Passing through the field changes nothing: only another balance does.
  const QString typed = EDITNovePenize->text();
  if (!cor::changesMoney(typed, nove->cell(cor::kMoneyColumn, r))) return;
  const cor::CheckedMoney checked = cor::checkMoney(typed);
  if (!checked.valid) {
    showMessage(this, QStringLiteral("Chyba"), checked.message);
    if (byClick) new ClickSwallower(this);
    focusBack();
    return;
  }
  nove->setCell(cor::kMoneyColumn, r, checked.text);
  LABLCena->setEnabled(true);
  BUTNPouzit->setEnabled(true);
}

// ---- applying ------------------------------------------------------------------

void TFRMUpravaStavu::BUTNPouzitClick() {
  TFRMMain* m = FRMMain;
  const int n = cor::playerRows(*nove);
  const bool orderChanged = LABLPoradi->isEnabled();
  const bool moneyChanged = LABLCena->isEnabled();
  const QString question = cor::applyQuestion(orderChanged, moneyChanged, ledger::handCount(m->STGOutput->rowCount()));
  // Nothing to apply, or the game changed under the window: start afresh.
  if (question.isEmpty() || n != m->playerCount()) {
    BUTNNahratZMainClick();
    return;
  }
  QStringList names;
  for (int r = 1; r <= n; ++r) names << nove->cell(cor::kNameColumn, r);
  const QList<double> balances = cor::newBalances(*nove);
  if (moneyChanged && !cor::balancesFit(balances)) {
    showMessage(this, QStringLiteral("Chyba"), cor::balanceTooLargeMessage());
    return;
  }
  if (!askYesNo(this, question)) return;

  const int chosen = chosenRow();
  if (moneyChanged) {
    // The new order comes along: names and balances are written in it.
    cor::writeBalanceRow(*m->grid, names, balances);
    for (int c = 0; c < n; ++c) m->LIBXHraci->item(c)->setText(names[c]);
    m->BUTNSpoctiSumuClick();
  } else {
    QList<int> oldOrder = cor::orderNumbers(*stare);
    const QList<cor::Exchange> exchanges = cor::orderExchanges(cor::orderNumbers(*nove), oldOrder);
    QHeaderView* widths = m->STGOutput->horizontalHeader();
    for (const cor::Exchange& e : exchanges) {
      cor::exchangeColumns(*m->grid, e.first, e.second);
      const int w = widths->sectionSize(e.first);
      widths->resizeSection(e.first, widths->sectionSize(e.second));
      widths->resizeSection(e.second, w);
      QListWidgetItem* a = m->LIBXHraci->item(e.first);
      QListWidgetItem* b = m->LIBXHraci->item(e.second);
      const QString name = a->text();
      a->setText(b->text());
      b->setText(name);
    }
    for (int r = 1; r <= n; ++r) stare->setCell(cor::kOrderColumn, r, cor::orderText(oldOrder[r - 1]));
  }
  // The players' names moved: the hand being entered is described anew.
  m->BUTNPrepoctiClick();
  // The chosen player stays chosen in the place he moved to.
  selectRows(-1, chosen);
  BUTNNahratZMainClick();
  m->eveningChanged();
}

void TFRMUpravaStavu::BUTNCancelClick() { close(); }
