#include "common/controls.h"
#include "players/playerentry.h"

#include "common/messages.h"
#include "ledger/tablegrid.h"
#include "players/roster.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "common/theme.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QFocusEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace kvadus;

namespace {
constexpr Accelerator kAccelerators[] = {
    {"Alt+S", "LBOXSeznamHracu"},    {"Alt+J", "EDITJmenoHrace"},  {"Alt+P", "BUTNPridat"},
    {"Alt+Y", "BUTNSmazJmenoHrace"}, {"Alt+O", "BUTNOdebrat"},     {"Alt+V", "BUTNSmazHrace"},
    {"Alt+H", "BUTNHracDolu"},       {"Alt+D", "BUTNHracNahoru"},  {"Alt+N", "BUTNNovaHra"},
    {"Alt+M", "BUTNZamenit"},        {"Alt+B", "BUTNNahratJmena"}, {"Alt+Z", "BUTNCancel"},
};
}  // namespace

AcceleratorTable TFORMZadaniHracu::accelerators() { return kAccelerators; }

TFORMZadaniHracu::TFORMZadaniHracu(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FORMZadaniHracu"));
  setWindowTitle(QStringLiteral("Zadani hracu"));
  setModal(false);
  buildControls();
  connectControls();
  setUpKeyboard(this, accelerators());
}

// The controls go before the window does; none of their last signals or
// focus changes may reach the handlers any more.
TFORMZadaniHracu::~TFORMZadaniHracu() {
  EDITJmenoHrace->removeEventFilter(this);
  disconnect(EDITJmenoHrace, nullptr, this, nullptr);
  disconnect(LBOXSeznamHracu, nullptr, this, nullptr);
}

void TFORMZadaniHracu::buildControls() {
  LBOXSeznamHracu = new QListWidget(this);
  LBOXSeznamHracu->setObjectName(QStringLiteral("LBOXSeznamHracu"));
  LBOXSeznamHracu->setToolTip(QStringLiteral("jmena hracu"));
  LBOXSeznamHracu->setSelectionMode(QAbstractItemView::SingleSelection);
  LBOXSeznamHracu->setMinimumWidth(110);
  LBOXSeznamHracu->addItems(
      {QStringLiteral("Ja"), QStringLiteral("Franta"), QStringLiteral("Pepa"), QStringLiteral("Karel")});

  LABLJmenoHrace = new QLabel(QStringLiteral("Jmeno hrace pro pridani:"), this);
  LABLJmenoHrace->setObjectName(QStringLiteral("LABLJmenoHrace"));
  EDITJmenoHrace = new QLineEdit(QStringLiteral("Novy hrac"), this);
  EDITJmenoHrace->setObjectName(QStringLiteral("EDITJmenoHrace"));
  EDITJmenoHrace->setToolTip(QStringLiteral("jmeno hrace pro pridani"));
  LABLJmenoHrace->setBuddy(EDITJmenoHrace);

  BUTNPridat =
      makeButton(this, "BUTNPridat", QStringLiteral("<-- pridat    "), QStringLiteral("prida hrace do seznamu"));
  BUTNPridat->setDefault(true);  // Enter in the name field adds the name
  BUTNSmazJmenoHrace =
      makeButton(this, "BUTNSmazJmenoHrace", QStringLiteral("vymaz jmeno"), QStringLiteral("vymaze jmeno hrace"));
  BUTNOdebrat = makeButton(this, "BUTNOdebrat", QStringLiteral("--> odebrat"),
                           QStringLiteral("odebere oznaceneho hrace ze seznamu"));
  BUTNOdebrat->setEnabled(false);
  BUTNSmazHrace =
      makeButton(this, "BUTNSmazHrace", QStringLiteral("Smaz vsechny"), QStringLiteral("smaze vsechny hrace"));
  BUTNHracDolu = makeButton(this, "BUTNHracDolu", QStringLiteral("presun nahoru"),
                            QStringLiteral("oznaceneho hrace presune o jednu pricku nahoru"));
  BUTNHracDolu->setEnabled(false);
  BUTNHracNahoru = makeButton(this, "BUTNHracNahoru", QStringLiteral("presun dolu    "),
                              QStringLiteral("oznaceneho hrace presune o jednu pricku dolu"));
  BUTNHracNahoru->setEnabled(false);
  BUTNNovaHra = makeButton(this, "BUTNNovaHra", QStringLiteral("Nova hra"));

  POPMNUNovaHra = new QMenu(this);
  POPMNUNovaHra->setObjectName(QStringLiteral("POPMNUNovaHra"));
  POPMNUNovaHraDva = POPMNUNovaHra->addAction(QStringLiteral("dva"));
  POPMNUNovaHraDva->setObjectName(QStringLiteral("POPMNUNovaHraDva"));
  POPMNUNovaHraTri = POPMNUNovaHra->addAction(QStringLiteral("tri"));
  POPMNUNovaHraTri->setObjectName(QStringLiteral("POPMNUNovaHraTri"));
  POPMNUNovaHraVsichni = POPMNUNovaHra->addAction(QStringLiteral("vsichni"));
  POPMNUNovaHraVsichni->setObjectName(QStringLiteral("POPMNUNovaHraVsichni"));

  BUTNZamenit = makeButton(this, "BUTNZamenit", QStringLiteral("<-- zamenit jmena"),
                           QStringLiteral("zameni jmena v seznamu hracu v hlavnim panelu"));
  BUTNZamenit->setEnabled(false);
  BUTNNahratJmena = makeButton(this, "BUTNNahratJmena", QStringLiteral("--> obnovit jmena"));

  GRPBXPoznamka = new QGroupBox(QStringLiteral("Pozn.:"), this);
  GRPBXPoznamka->setObjectName(QStringLiteral("GRPBXPoznamka"));
  LABLMinPocetHracuText1 = new QLabel(QStringLiteral("Na kvadus jsou potreba nejmene"), GRPBXPoznamka);
  LABLMinPocetHracuText1->setObjectName(QStringLiteral("LABLMinPocetHracuText1"));
  LABLMinPocetHracuText = new QLabel(QStringLiteral("TRI hraci !"), GRPBXPoznamka);
  LABLMinPocetHracuText->setObjectName(QStringLiteral("LABLMinPocetHracuText"));
  // Red while readable; a disabled note keeps the usual grey.
  for (QLabel* l : {LABLMinPocetHracuText1, LABLMinPocetHracuText}) {
    QPalette p = l->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, warningColor(p));
    p.setColor(QPalette::Inactive, QPalette::WindowText, warningColor(p));
    l->setPalette(p);
  }
  auto* note = new QVBoxLayout(GRPBXPoznamka);
  note->addWidget(LABLMinPocetHracuText1);
  note->addWidget(LABLMinPocetHracuText);

  BUTNCancel = makeButton(this, "BUTNCancel", QStringLiteral("Zavrit <<"), QStringLiteral("zavre okno"));

  LSTBXTmp = new QListWidget(this);
  LSTBXTmp->setObjectName(QStringLiteral("LSTBXTmp"));
  LSTBXTmp->hide();
  EDITPocetHracu = new QLineEdit(QStringLiteral("3"), this);
  EDITPocetHracu->setObjectName(QStringLiteral("EDITPocetHracu"));
  EDITPocetHracu->setReadOnly(true);
  EDITPocetHracu->hide();
  LABLMinHracu = new QLabel(QStringLiteral("3"), this);
  LABLMinHracu->setObjectName(QStringLiteral("LABLMinHracu"));
  LABLMinHracu->hide();
  BUTNNovaHraJenDvaHraci = makeHiddenButton(this, "BUTNNovaHraJenDvaHraci", QStringLiteral("BUTNNovaHraJenDvaHraci"));
  BUTNNovaHraJenTri = makeHiddenButton(this, "BUTNNovaHraJenTri", QStringLiteral("BUTNNovaHraJenTri"));
  BUTNNova = makeHiddenButton(this, "BUTNNova", QStringLiteral("BUTNNova"));
  BUTNSrovnejViditelnost = makeHiddenButton(this, "BUTNSrovnejViditelnost", QStringLiteral("BUTNSrovnejViditelnost"));

  auto* column = new QVBoxLayout;
  column->setSpacing(4);
  column->addWidget(LABLJmenoHrace);
  column->addWidget(EDITJmenoHrace);
  column->addWidget(BUTNPridat);
  column->addWidget(BUTNSmazJmenoHrace);
  column->addSpacing(10);
  column->addWidget(BUTNOdebrat);
  column->addWidget(BUTNSmazHrace);
  column->addSpacing(10);
  column->addWidget(BUTNHracDolu);
  column->addWidget(BUTNHracNahoru);
  column->addSpacing(10);
  column->addWidget(BUTNNovaHra);
  column->addWidget(BUTNZamenit);
  column->addWidget(BUTNNahratJmena);
  column->addStretch(1);
  column->addWidget(GRPBXPoznamka);
  column->addSpacing(6);
  column->addWidget(BUTNCancel);

  auto* main = new QHBoxLayout(this);
  main->setContentsMargins(8, 8, 8, 8);
  main->setSpacing(8);
  main->addWidget(LBOXSeznamHracu, 1);
  main->addLayout(column);

  resize(360, 460);
}

void TFORMZadaniHracu::connectControls() {
  connect(BUTNPridat, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNPridatClick);
  connect(BUTNOdebrat, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNOdebratClick);
  connect(BUTNSmazHrace, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNSmazHraceClick);
  connect(BUTNSmazJmenoHrace, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNSmazJmenoHraceClick);
  connect(BUTNHracDolu, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNHracDoluClick);
  connect(BUTNHracNahoru, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNHracNahoruClick);
  connect(BUTNNovaHra, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNNovaHraClick);
  connect(POPMNUNovaHraDva, &QAction::triggered, this, &TFORMZadaniHracu::BUTNNovaHraJenDvaHraciClick);
  connect(POPMNUNovaHraTri, &QAction::triggered, this, &TFORMZadaniHracu::BUTNNovaHraJenTriClick);
  connect(POPMNUNovaHraVsichni, &QAction::triggered, this, &TFORMZadaniHracu::BUTNNovaClick);
  connect(BUTNNovaHraJenDvaHraci, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNNovaHraJenDvaHraciClick);
  connect(BUTNNovaHraJenTri, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNNovaHraJenTriClick);
  connect(BUTNNova, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNNovaClick);
  connect(BUTNZamenit, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNZamenitClick);
  connect(BUTNNahratJmena, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNNahratJmenaClick);
  connect(BUTNSrovnejViditelnost, &QPushButton::clicked, this, &TFORMZadaniHracu::BUTNSrovnejViditelnostClick);
  connect(BUTNCancel, &QPushButton::clicked, this, &QDialog::close);
  connect(EDITJmenoHrace, &QLineEdit::textChanged, this, &TFORMZadaniHracu::EDITJmenoHraceChange);
  EDITJmenoHrace->installEventFilter(this);
  // Enter adds the name (the default button) as it stands after leaving.
  connect(EDITJmenoHrace, &QLineEdit::returnPressed, this, &TFORMZadaniHracu::EDITJmenoHraceExit);
  // A click on the roster (or a move of its selection by keys) refreshes the state.
  connect(LBOXSeznamHracu, &QListWidget::itemSelectionChanged, this, &TFORMZadaniHracu::BUTNSrovnejViditelnostClick);
}

int TFORMZadaniHracu::selectedIndex() const { return selectedRow(LBOXSeznamHracu); }

QStringList TFORMZadaniHracu::names() const { return itemTexts(LBOXSeznamHracu); }

// Selects a roster entry (none for -1) without running the refresh.
void TFORMZadaniHracu::selectRow(int row) { selectRowQuietly(LBOXSeznamHracu, row); }

// Replaces the roster's entries; nothing is selected afterwards.
void TFORMZadaniHracu::setRoster(const QStringList& entries) {
  const QSignalBlocker block(LBOXSeznamHracu);
  LBOXSeznamHracu->clear();
  LBOXSeznamHracu->addItems(entries);
  selectRow(-1);
}

void TFORMZadaniHracu::BUTNPridatClick() {
  const QString name = EDITJmenoHrace->text();
  if (roster::isBlankName(name)) return;  // nothing that would show
  if (roster::findSameName(names(), name) >= 0 && !askYesNo(this, roster::duplicateQuestion())) return;

  const int selected = selectedIndex();
  const int count = LBOXSeznamHracu->count();
  {
    const QSignalBlocker block(LBOXSeznamHracu);
    // Inserted before the selected entry, which stays selected.
    LBOXSeznamHracu->insertItem(roster::insertionIndex(count, selected), name);
  }
  if (selected < 0) {
    BUTNHracDolu->setEnabled(false);
    BUTNHracNahoru->setEnabled(false);
  }

  // The size as of the last refresh, as the window showed it.
  const int sizeBefore = EDITPocetHracu->text().trimmed().toInt();
  if (roster::crowdNoteDue(crowdNoteArmed, sizeBefore)) {
    crowdNoteArmed = false;
    showMessage(this, roster::crowdNoteCaption(), roster::crowdNoteText());
  }
  BUTNSrovnejViditelnostClick();
}

void TFORMZadaniHracu::BUTNOdebratClick() {
  const int selected = selectedIndex();
  if (selected >= 0) {
    EDITJmenoHrace->setText(LBOXSeznamHracu->item(selected)->text());
    {
      const QSignalBlocker block(LBOXSeznamHracu);
      delete LBOXSeznamHracu->takeItem(selected);
    }
    selectRow(qMin(selected, LBOXSeznamHracu->count() - 1));
  }
  BUTNSrovnejViditelnostClick();
}

void TFORMZadaniHracu::BUTNSmazHraceClick() {
  setRoster({});
  BUTNSrovnejViditelnostClick();
}

void TFORMZadaniHracu::BUTNSmazJmenoHraceClick() {
  EDITJmenoHrace->setText(QString());
  BUTNPridat->setEnabled(false);
}

void TFORMZadaniHracu::EDITJmenoHraceChange() {
  const QString text = EDITJmenoHrace->text();
  if (text.contains(roster::kForbiddenChar)) {
    showMessage(this, QStringLiteral("Chyba"), roster::semicolonMessage());
    // Keep the cursor where it was among the characters that stay.
    const int cursor = EDITJmenoHrace->cursorPosition();
    const int removedBefore = static_cast<int>(text.left(cursor).count(roster::kForbiddenChar));
    EDITJmenoHrace->setText(roster::withoutForbiddenChars(text));
    EDITJmenoHrace->setCursorPosition(cursor - removedBefore);
  }
  BUTNPridat->setEnabled(!roster::isBlankName(EDITJmenoHrace->text()));
}

void TFORMZadaniHracu::EDITJmenoHraceExit() {
  const QString trimmed = roster::trimmedName(EDITJmenoHrace->text());
  if (trimmed != EDITJmenoHrace->text()) EDITJmenoHrace->setText(trimmed);
}

void TFORMZadaniHracu::BUTNHracDoluClick() {
  const int selected = selectedIndex();
  const int target = roster::moveUpTarget(LBOXSeznamHracu->count(), selected);
  if (target < 0) return;
  {
    const QSignalBlocker block(LBOXSeznamHracu);
    LBOXSeznamHracu->insertItem(target, LBOXSeznamHracu->takeItem(selected));
  }
  selectRow(target);
}

void TFORMZadaniHracu::BUTNHracNahoruClick() {
  const int selected = selectedIndex();
  const int target = roster::moveDownTarget(LBOXSeznamHracu->count(), selected);
  if (target < 0) return;
  {
    const QSignalBlocker block(LBOXSeznamHracu);
    LBOXSeznamHracu->insertItem(target, LBOXSeznamHracu->takeItem(selected));
  }
  selectRow(target);
}

void TFORMZadaniHracu::BUTNNovaHraClick() {
  POPMNUNovaHra->popup(BUTNNovaHra->mapToGlobal(QPoint(0, BUTNNovaHra->height())));
}

void TFORMZadaniHracu::BUTNNovaHraJenDvaHraciClick() { partialNewGame(2); }
void TFORMZadaniHracu::BUTNNovaHraJenTriClick() { partialNewGame(3); }

void TFORMZadaniHracu::BUTNNovaClick() { FRMMain->BUTNNOvaHraClick(); }

// A new game of the `count` players from the selected entry on. The roster
// holds only them while the main window starts the game (its first entry
// declares), then it is whole again with the next player selected, so that
// the next partial game leaves out someone else.
void TFORMZadaniHracu::partialNewGame(int count) {
  const QStringList whole = names();
  {
    const QSignalBlocker block(LSTBXTmp);
    LSTBXTmp->clear();
    LSTBXTmp->addItems(whole);
  }
  const int selected = selectedIndex();
  setRoster(roster::partialGamePlayers(whole, selected, count));

  FRMMain->BUTNNOvaHraClick();

  setRoster(itemTexts(LSTBXTmp));
  selectRow(roster::partialGameNextSelection(static_cast<int>(whole.size()), selected, count));
  BUTNSrovnejViditelnostClick();
}

void TFORMZadaniHracu::BUTNZamenitClick() {
  QListWidget* game = FRMMain->LIBXHraci;
  const QStringList players = itemTexts(game);
  const QStringList entries = names();
  if (roster::renameFallsShort(static_cast<int>(entries.size()), static_cast<int>(players.size())))
    showMessage(this, QStringLiteral("Upozorneni"), roster::shortRosterWarning());

  const QStringList renamed = roster::renamedPlayers(players, entries);
  for (int i = 0; i < renamed.size(); ++i) {
    if (renamed[i] == players[i]) continue;
    game->item(i)->setText(renamed[i]);
    // The column headings name the same players; saving and the results
    // window read the names from there.
    if (i < FRMMain->grid->columnCount() && FRMMain->grid->rowCount() > 0) FRMMain->grid->setCell(i, 0, renamed[i]);
  }
  BUTNSrovnejViditelnostClick();
  FRMMain->eveningChanged();
}

void TFORMZadaniHracu::BUTNNahratJmenaClick() {
  setRoster(itemTexts(FRMMain->LIBXHraci));
  BUTNSrovnejViditelnostClick();
}

void TFORMZadaniHracu::BUTNSrovnejViditelnostClick() {
  const roster::EntryState s =
      roster::entryState(LBOXSeznamHracu->count(), selectedIndex() >= 0, FRMMain->LIBXHraci->count(),
                         FRMMain->CHBXPovolenaHraVeDvou->isChecked(), FRMMain->CKBXHraniPauzirovaneho->isChecked());

  EDITPocetHracu->setText(s.rosterSizeText);
  LABLMinHracu->setText(s.minimumText);
  LABLMinPocetHracuText->setText(s.minimumNote);
  GRPBXPoznamka->setEnabled(s.noteEnabled);
  LABLMinPocetHracuText1->setEnabled(s.noteEnabled);
  LABLMinPocetHracuText->setEnabled(s.noteEnabled);

  BUTNNovaHra->setEnabled(s.newGameEnabled);
  FRMMain->BUTNNOvaHra->setEnabled(s.newGameEnabled);
  BUTNZamenit->setEnabled(s.renameEnabled);

  POPMNUNovaHraDva->setEnabled(s.twoEnabled);
  POPMNUNovaHraTri->setEnabled(s.threeEnabled);
  POPMNUNovaHraVsichni->setEnabled(s.allEnabled);

  BUTNOdebrat->setEnabled(s.selectionEnabled);
  BUTNHracDolu->setEnabled(s.selectionEnabled);
  BUTNHracNahoru->setEnabled(s.selectionEnabled);

  BUTNSmazHrace->setEnabled(s.removeAllEnabled);
  BUTNNahratJmena->setEnabled(s.reloadEnabled);
}

bool TFORMZadaniHracu::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) BUTNSrovnejViditelnostClick();
  return QDialog::event(e);
}

void TFORMZadaniHracu::hideEvent(QHideEvent* e) {
  // Closing re-arms the crowd note; a minimised window is not closed.
  if (!e->spontaneous()) crowdNoteArmed = true;
  QDialog::hideEvent(e);
}

bool TFORMZadaniHracu::eventFilter(QObject* watched, QEvent* e) {
  // Leaving the field for another control trims it; a message box or another
  // window taking the focus is not leaving.
  if (watched == EDITJmenoHrace && e->type() == QEvent::FocusOut && isFocusMove(e)) EDITJmenoHraceExit();
  return QDialog::eventFilter(watched, e);
}
