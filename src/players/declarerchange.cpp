#include "common/controls.h"
#include "players/declarerchange.h"

#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace kvadus;

namespace {
constexpr Accelerator kAccelerators[] = {
    {"Alt+S", "LBOXSeznamHracu"},
    {"Alt+P", "BUTNPuvodni"},
    {"Alt+Z", "BUTNCancel"},
};
}  // namespace

AcceleratorTable TFRMZmenaVolice::accelerators() { return kAccelerators; }

TFRMZmenaVolice::TFRMZmenaVolice(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FRMZmenaVolice"));
  setWindowTitle(QStringLiteral("Zmena volice"));
  setModal(true);

  // Filled with the game's players at every opening.
  LBOXSeznamHracu = makeList(this, "LBOXSeznamHracu", QRect());
  LBOXSeznamHracu->setToolTip(QStringLiteral("jmena hracu"));
  LBOXSeznamHracu->setSelectionMode(QAbstractItemView::SingleSelection);
  LBOXSeznamHracu->setMinimumWidth(110);

  LABLJmeno = new QLabel(QStringLiteral("Volit tedy bude:"), this);
  LABLJmeno->setObjectName(QStringLiteral("LABLJmeno"));
  EDITJmeno = makeReadOnlyEdit(this, "EDITJmeno");
  LABLJmeno->setBuddy(EDITJmeno);
  LABLPuvodneVolil = new QLabel(QStringLiteral("Puvodne volil:"), this);
  LABLPuvodneVolil->setObjectName(QStringLiteral("LABLPuvodneVolil"));
  EDITPuvodneVolil = makeReadOnlyEdit(this, "EDITPuvodneVolil");
  LABLPuvodneVolil->setBuddy(EDITPuvodneVolil);
  LABLIdxPuvodni = new QLabel(QStringLiteral("0"), this);
  LABLIdxPuvodni->setObjectName(QStringLiteral("LABLIdxPuvodni"));
  LABLIdxPuvodni->hide();

  BUTNPuvodni = makeButton(this, "BUTNPuvodni", QStringLiteral("<-- puvodni"));
  BUTNCancel = makeButton(this, "BUTNCancel", QStringLiteral("Zavrit <<"), QStringLiteral("zavre okno"));
  BUTNRefresh = makeButton(this, "BUTNRefresh", QStringLiteral("BUTNRefresh"));
  BUTNRefresh->hide();

  auto* column = new QVBoxLayout;
  column->setSpacing(4);
  column->addWidget(LABLJmeno);
  column->addWidget(EDITJmeno);
  column->addSpacing(8);
  column->addWidget(LABLPuvodneVolil);
  column->addWidget(EDITPuvodneVolil);
  column->addWidget(BUTNPuvodni);
  column->addStretch(1);
  column->addWidget(BUTNCancel);

  auto* main = new QHBoxLayout(this);
  main->setContentsMargins(8, 8, 8, 8);
  main->setSpacing(8);
  main->addWidget(LBOXSeznamHracu, 1);
  main->addLayout(column);
  resize(320, 240);

  connect(BUTNRefresh, &QPushButton::clicked, this, &TFRMZmenaVolice::BUTNRefreshClick);
  connect(BUTNPuvodni, &QPushButton::clicked, this, &TFRMZmenaVolice::BUTNPuvodniClick);
  connect(BUTNCancel, &QPushButton::clicked, this, &QDialog::close);
  connect(LBOXSeznamHracu, &QListWidget::itemSelectionChanged, this, &TFRMZmenaVolice::LBOXSeznamHracuClick);
  setUpKeyboard(this, accelerators());
}

TFRMZmenaVolice::~TFRMZmenaVolice() { disconnect(LBOXSeznamHracu, nullptr, this, nullptr); }

int TFRMZmenaVolice::selectedIndex() const { return selectedRow(LBOXSeznamHracu); }

void TFRMZmenaVolice::selectRow(int row) { selectRowQuietly(LBOXSeznamHracu, row); }

// Every opening starts from the game as it is: its players and its declarer.
void TFRMZmenaVolice::showEvent(QShowEvent* event) {
  BUTNRefreshClick();
  QDialog::showEvent(event);
}

void TFRMZmenaVolice::BUTNRefreshClick() {
  QListWidget* game = FRMMain->LIBXHraci;
  {
    const QSignalBlocker block(LBOXSeznamHracu);
    LBOXSeznamHracu->clear();
    for (int i = 0; i < game->count(); ++i) LBOXSeznamHracu->addItem(game->item(i)->text());
  }
  const int declarer = FRMMain->declarerIndex();
  selectRow(declarer);
  LABLIdxPuvodni->setText(QString::number(declarer));
  EDITPuvodneVolil->setText(declarer >= 0 ? LBOXSeznamHracu->item(declarer)->text() : QString());
  LBOXSeznamHracuClick();
}

// The picked player declares and chooses from now on.
void TFRMZmenaVolice::LBOXSeznamHracuClick() {
  const int picked = selectedIndex();
  if (picked < 0) {
    // Nothing to pick: the game keeps its declarer and chooser.
    EDITJmeno->clear();
    return;
  }
  EDITJmeno->setText(LBOXSeznamHracu->item(picked)->text());
  FRMMain->selectDeclarer(picked);
  FRMMain->LABLIndexVolice->setText(QString::number(picked));
  FRMMain->eveningChanged();
}

void TFRMZmenaVolice::BUTNPuvodniClick() {
  bool ok = false;
  const int original = LABLIdxPuvodni->text().trimmed().toInt(&ok);
  selectRow(ok ? original : -1);
  LBOXSeznamHracuClick();
}
