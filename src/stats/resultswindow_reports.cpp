// The results window's texts for paper: the text page with its editor and
// makers (statistics, receipt, price list, the whole evening), the price list
// page, which prices the most important games by driving the main window's
// hand entry, and "Vytisknout >>" and "PDF >>", which print whatever page is
// on view or save it as a PDF file.

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/messages.h"
#include "common/printout.h"
#include "common/radiogroup.h"
#include "common/textfile.h"
#include "common/textforms.h"
#include "common/updown.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "results/resultstext.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "stats/chartview.h"
#include "stats/records.h"
#include "stats/reports.h"
#include "stats/resultswindow.h"
#include "stats/resultswindow_grids.h"
#include "common/fontscale.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace kvadus;
using namespace kvadus::resultspage;
namespace stats = kvadus::stats;

namespace {

QList<QStringList> gridRows(const QTableWidget* grid, int rows) {
  QList<QStringList> out;
  for (int r = 0; r < rows; ++r) {
    QStringList row;
    for (int c = 0; c < grid->columnCount(); ++c) row << gridCell(grid, c, r);
    out << row;
  }
  return out;
}

// ---- the hand entry as it was -------------------------------------------------

// What the person sees of one control of the main window.
struct ControlState {
  QPointer<QWidget> widget;
  bool hidden = false;
  bool explicitShowHide = false;
  bool enabled = true;
  QString text;
  bool checked = false;
  int index = -1;
  QList<int> selected;
  QFont font;
  QPalette palette;
};

// The main window's controls hold the hand being described. Pricing the price
// list drives them through their handlers; afterwards every control that
// changed gets its old state back, quietly, so that the person's hand, its
// price and shares and the program flags are exactly as they were.
class EntrySnapshot {
 public:
  explicit EntrySnapshot(TFRMMain* main) : main_(main), flags_(main->flags), priced_(main->lastPricedText) {
    for (QWidget* w : main->findChildren<QWidget*>()) {
      if (qobject_cast<QRadioButton*>(w) || qobject_cast<QTableWidget*>(w)) continue;
      states_ << read(w);
    }
  }
  ~EntrySnapshot() {
    for (const ControlState& s : states_)
      if (s.widget) restore(s);
    main_->flags = flags_;
    main_->lastPricedText = priced_;
  }

 private:
  static ControlState read(QWidget* w) {
    ControlState s;
    s.widget = w;
    s.hidden = w->isHidden();
    s.explicitShowHide = w->testAttribute(Qt::WA_WState_ExplicitShowHide);
    s.enabled = !w->testAttribute(Qt::WA_ForceDisabled);
    s.font = w->font();
    s.palette = w->palette();
    if (auto* g = qobject_cast<RadioGroup*>(w)) {
      s.index = g->itemIndex();
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      s.text = b->text();
      s.checked = b->isChecked();
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
      s.text = l->text();
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
      s.text = e->text();
    } else if (auto* u = qobject_cast<UpDown*>(w)) {
      s.index = u->position();
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
      s.index = list->currentRow();
      for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) s.selected << i;
    }
    return s;
  }

  static void restore(const ControlState& s) {
    QWidget* w = s.widget;
    const QSignalBlocker quiet(w);
    if (auto* g = qobject_cast<RadioGroup*>(w)) {
      if (g->itemIndex() != s.index) g->setItemIndex(s.index);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (b->text() != s.text) b->setText(s.text);
      if (b->isChecked() != s.checked) b->setChecked(s.checked);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
      if (l->text() != s.text) l->setText(s.text);
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
      if (e->text() != s.text) e->setText(s.text);
    } else if (auto* u = qobject_cast<UpDown*>(w)) {
      if (u->position() != s.index) u->setPosition(s.index);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
      if (list->currentRow() != s.index) list->setCurrentRow(s.index);
      for (int i = 0; i < list->count(); ++i) list->item(i)->setSelected(s.selected.contains(i));
    }
    if (w->font() != s.font) w->setFont(s.font);
    if (w->palette() != s.palette) w->setPalette(s.palette);
    if (!w->testAttribute(Qt::WA_ForceDisabled) != s.enabled) w->setEnabled(s.enabled);
    if (w->isHidden() != s.hidden) {
      w->setHidden(s.hidden);
      // A control never shown or hidden on purpose follows its parent again.
      w->setAttribute(Qt::WA_WState_ExplicitShowHide, s.explicitShowHide);
    }
  }

  TFRMMain* main_;
  ProgramFlags flags_;
  QString priced_;
  QList<ControlState> states_;
};

// The main window priced through its controls: a quick-selection item, then
// the same hand in red.
stats::PriceSource mainWindowPrices(TFRMMain* m) {
  stats::PriceSource source;
  source.items = [m](int group) { return m->quickGroups().at(group)->items(); };
  source.price = [m](int group, int item, bool red) {
    if (red) m->CKBXCervene->setChecked(false);
    RadioGroup* g = m->quickGroups().at(group);
    {
      const QSignalBlocker once(g);  // the handler runs below, once
      g->setItemIndex(item);
    }
    m->quickSelectionClick(group);
    QPair<QString, QString> prices{m->EDITCelkemCena->text(), QString()};
    if (red) {
      m->CKBXCervene->setChecked(true);
      prices.second = m->EDITCelkemCena->text();
    }
    return prices;
  };
  source.twoSevens = m->RAGRTypHry->count() == 4;
  if (source.twoSevens) source.twoSevensCaption = m->RAGRTypHry->itemText(3);
  source.twoSevensPrice = [m]() {
    m->RAGRBodyVeHreUhrano->setItemIndex(9);
    m->RAGRBodyVeHreProti->setItemIndex(0);
    m->CHBXUhranaSedmaVolicem->setChecked(true);
    m->RAGRTypHry->setItemIndex(3);
    m->CKBXCervene->setChecked(false);
    QPair<QString, QString> prices{m->EDITCelkemCena->text(), QString()};
    m->CKBXCervene->setChecked(true);
    prices.second = m->EDITCelkemCena->text();
    return prices;
  };
  return source;
}

}  // namespace

// ---- building -------------------------------------------------------------------

void TFRMGrafika::buildPriceListPage() {
  STRGRDCenik = new QTableWidget(PGCenik);
  STRGRDCenik->setObjectName(QStringLiteral("STRGRDCenik"));
  STRGRDCenik->setToolTip(QStringLiteral("ceny nejdulezitejsich tupu her"));
  STRGRDCenik->horizontalHeader()->hide();
  STRGRDCenik->verticalHeader()->hide();
  STRGRDCenik->setEditTriggers(QAbstractItemView::NoEditTriggers);
  STRGRDCenik->setSelectionBehavior(QAbstractItemView::SelectRows);
  STRGRDCenik->setSelectionMode(QAbstractItemView::SingleSelection);
  STRGRDCenik->setWordWrap(false);
  STRGRDCenik->setTextElideMode(Qt::ElideNone);  // separators run to the cell's edge
  STRGRDCenik->setFont(fixedFont());
  STRGRDCenik->setColumnCount(3);
  STRGRDCenik->verticalHeader()->setMinimumSectionSize(gridRowHeight(19));
  STRGRDCenik->verticalHeader()->setDefaultSectionSize(gridRowHeight(19));
  const int widths[] = {356, 108, 102};
  for (int c = 0; c < 3; ++c) STRGRDCenik->setColumnWidth(c, qRound(widths[c] * fontGrowth()));
  BUTNPrepoctiCenik = makeButton(PGCenik, "BUTNPrepoctiCenik", QStringLiteral("Prepocti cenik"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BUTNPrepoctiCenik);
  buttons->addStretch(1);
  auto* page = new QVBoxLayout(PGCenik);
  page->setContentsMargins(6, 6, 6, 6);
  page->addWidget(STRGRDCenik, 1);
  page->addLayout(buttons);
}

void TFRMGrafika::buildTextPage() {
  REDITOut = new QPlainTextEdit(PGTisk);
  REDITOut->setObjectName(QStringLiteral("REDITOut"));
  REDITOut->setLineWrapMode(QPlainTextEdit::NoWrap);
  REDITOut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  REDITOut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  REDITOut->setFont(fixedFont());
  REDITOut->setReadOnly(true);

  BUTNSmazat = makeButton(PGTisk, "BUTNSmazat", QStringLiteral("smazat"), QStringLiteral("smaze cely text"));
  GRPBXVolby = new QGroupBox(QStringLiteral("volby:"), PGTisk);
  GRPBXVolby->setObjectName(QStringLiteral("GRPBXVolby"));
  CHBXPovoleniEditace = makeCheck(GRPBXVolby, "CHBXPovoleniEditace", QStringLiteral("editace textu"), QRect(),
                                  QStringLiteral("povoleni/zakazani editace textu"));
  (new QVBoxLayout(GRPBXVolby))->addWidget(CHBXPovoleniEditace);
  BUTNPridejDatumACas = makeButton(PGTisk, "BUTNPridejDatumACas", QStringLiteral("<-- pridej datum a a cas"),
                                   QStringLiteral("vlozi datum a cas"));
  BUTNPridejDatumACas->setEnabled(false);
  BUTNVytvoritZTabulkyHer = makeButton(PGTisk, "BUTNVytvoritZTabulkyHer", QStringLiteral("<-- vytvorit z tabulky her"));
  BUTNVytvorTextZeStatistiky =
      makeButton(PGTisk, "BUTNVytvorTextZeStatistiky", QStringLiteral("<-- vytvorit z rekordu     "),
                 QStringLiteral("vytvori text z rekordu partie"));
  BUTNUctenka = makeButton(PGTisk, "BUTNUctenka", QStringLiteral("<-- vytvorit z uctu         "),
                           QStringLiteral("vytvori text z uctu po posledni hre"));
  CHBXUctenka = makeCheck(PGTisk, "CHBXUctenka", QStringLiteral("ucet s presuny"), QRect(),
                          QStringLiteral("zda se maji do uctu zahrnout i presuny penez"), true);
  BUTNVytvoritZCeniku = makeButton(PGTisk, "BUTNVytvoritZCeniku", QStringLiteral("<-- vytvorit z ceniku      "),
                                   QStringLiteral("vlozi datum a cas"));
  BUTNSave = makeButton(PGTisk, "BUTNSave", QStringLiteral("Ulozit >>"), QStringLiteral("Ulozi text do souboru"));
  for (QPushButton* b :
       {BUTNPridejDatumACas, BUTNVytvoritZTabulkyHer, BUTNVytvorTextZeStatistiky, BUTNUctenka, BUTNVytvoritZCeniku})
    b->setStyleSheet(QStringLiteral("text-align: left; padding: 3px 6px;"));

  DLGSave.setMaker([this] {
    auto* dialog = makeFileDialog(this, "DLGSave", true);
    dialog->setWindowTitle(QStringLiteral("Ulozeni vystupu"));
    dialog->setNameFilters({QStringLiteral("textove soubory (*.txt *.TXT)"),
                            QStringLiteral("vysledky kvaduse (*.kvd *.KVD)"), QStringLiteral("vsechny soubory (*)")});
    dialog->setDirectory(QDir(gamesFolder()).absolutePath());
    return dialog;
  });

  auto* notesLabel = makeLabel(PGTisk, nullptr, QStringLiteral("Poznamky k vytvareni textu z uctu:"), QRect());
  notesLabel->setToolTip(QStringLiteral("poznamky k vytvareni uctu"));
  MEMOUctenkaNapoveda = new QPlainTextEdit(PGTisk);
  MEMOUctenkaNapoveda->setObjectName(QStringLiteral("MEMOUctenkaNapoveda"));
  MEMOUctenkaNapoveda->setToolTip(QStringLiteral("poznamky k vytvareni uctu"));
  MEMOUctenkaNapoveda->setReadOnly(true);
  MEMOUctenkaNapoveda->setLineWrapMode(QPlainTextEdit::NoWrap);
  MEMOUctenkaNapoveda->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MEMOUctenkaNapoveda->setFont(fixedFont());

  auto* side = new QVBoxLayout;
  side->addWidget(BUTNVytvoritZTabulkyHer);
  side->addWidget(BUTNVytvorTextZeStatistiky);
  side->addWidget(BUTNUctenka);
  side->addWidget(CHBXUctenka);
  side->addWidget(BUTNVytvoritZCeniku);
  side->addWidget(BUTNPridejDatumACas);
  side->addSpacing(6);
  side->addWidget(GRPBXVolby);
  side->addWidget(BUTNSmazat);
  side->addWidget(BUTNSave);
  side->addSpacing(6);
  side->addWidget(notesLabel);
  side->addWidget(MEMOUctenkaNapoveda, 1);

  auto* page = new QHBoxLayout(PGTisk);
  page->setContentsMargins(6, 6, 6, 6);
  page->addWidget(REDITOut, 1);
  auto* sideBox = new QWidget(PGTisk);
  sideBox->setLayout(side);
  side->setContentsMargins(0, 0, 0, 0);
  sideBox->setFixedWidth(230);
  page->addWidget(sideBox);
}

void TFRMGrafika::connectReports() {
  connect(BUTNSmazat, &QPushButton::clicked, this, &TFRMGrafika::BUTNSmazatClick);
  connect(CHBXPovoleniEditace, &QCheckBox::toggled, this, &TFRMGrafika::CHBXPovoleniEditaceClick);
  connect(BUTNPridejDatumACas, &QPushButton::clicked, this, &TFRMGrafika::BUTNPridejDatumACasClick);
  connect(BUTNVytvoritZTabulkyHer, &QPushButton::clicked, this, &TFRMGrafika::BUTNVytvoritZTabulkyHerClick);
  connect(BUTNVytvorTextZeStatistiky, &QPushButton::clicked, this, &TFRMGrafika::BUTNVytvorTextZeStatistikyClick);
  connect(BUTNUctenka, &QPushButton::clicked, this, &TFRMGrafika::BUTNUctenkaClick);
  connect(BUTNVytvoritZCeniku, &QPushButton::clicked, this, &TFRMGrafika::BUTNVytvoritZCenikuClick);
  connect(BUTNSave, &QPushButton::clicked, this, &TFRMGrafika::BUTNSaveClick);
  connect(BUTNPrepoctiCenik, &QPushButton::clicked, this, &TFRMGrafika::BUTNPrepoctiCenikClick);
  connect(BUTNTisk, &QPushButton::clicked, this, &TFRMGrafika::BUTNTiskClick);
  connect(BUTNPdf, &QPushButton::clicked, this, &TFRMGrafika::BUTNPdfClick);
  connect(BUTNNastaveniTisku, &QPushButton::clicked, this, &TFRMGrafika::BUTNNastaveniTiskuClick);
}

void TFRMGrafika::FormShow() { resetPriceList(); }

// ---- the text page ------------------------------------------------------------------

bool TFRMGrafika::clearTextWithQuestion() {
  if (!REDITOut->toPlainText().isEmpty() &&
      !askYesNo(this, QStringLiteral("Vystup jiz nejaky text obsahuje.\nOpravdu ho chcete premazat ?")))
    return false;
  REDITOut->clear();
  return true;
}

void TFRMGrafika::setText(const QStringList& lines) { REDITOut->setPlainText(lines.join(u'\n')); }

void TFRMGrafika::BUTNSmazatClick() { clearTextWithQuestion(); }

void TFRMGrafika::CHBXPovoleniEditaceClick() {
  REDITOut->setReadOnly(!CHBXPovoleniEditace->isChecked());
  BUTNPridejDatumACas->setEnabled(!REDITOut->isReadOnly());
}

void TFRMGrafika::BUTNPridejDatumACasClick() { REDITOut->appendPlainText(stats::stampLine(dateTimeStamp())); }

void TFRMGrafika::BUTNVytvoritZTabulkyHerClick() {
  if (!clearTextWithQuestion()) return;
  const int players = FRMMain->playerCount();
  results::WriteInput input;
  input.players = players;
  input.descriptionShown = ledger::hasDescriptionColumn(*FRMMain->grid, players);
  input.declarer = FRMMain->declarerIndex();
  input.paid = CHBXZaplaceno->isChecked();
  input.stamp = dateTimeStamp();
  setText(results::writeResults(*FRMMain->grid, input));
}

bool TFRMGrafika::makeStatistics() {
  if (!clearTextWithQuestion()) return false;
  const int n = EDITPocetHracu->text().toInt();
  stats::StatisticsInput in;
  in.records = gridRows(STRGRMinMax, n + 1);
  in.handsLabel = LABLHer->text();
  in.playersLabel = LABLHracu->text();
  in.hands = EDITPocetHer->text();
  in.players = EDITPocetHracu->text();
  in.stamp = dateTimeStamp();
  in.handNote = LABLPopisCislaHry->text();
  in.paid = CHBXZaplaceno->isChecked();
  setText(stats::statisticsReport(in));
  // The finders leave their marks as the report found the holders: the last
  // one, the loser's final balance, stays highlighted.
  BUTNMaxStavClick();
  BUTNMinStavClick();
  BUTNMaxVyhraClick();
  BUTNMaxProhraClick();
  BUTNVitezClick();
  BUTNSmolarClick();
  return true;
}

void TFRMGrafika::BUTNVytvorTextZeStatistikyClick() { makeStatistics(); }

bool TFRMGrafika::makeReceipt() {
  if (!clearTextWithQuestion()) return false;
  const int n = EDITPocetHracu->text().toInt();
  stats::ReceiptInput in;
  for (int k = 1; k <= n; ++k) {
    in.names << gridCell(STRGRMinMax, stats::kNameColumn, k);
    in.balances << gridCell(STRGRMinMax, stats::kFinalColumn, k);
  }
  MemoryGrid settlement(STGRUctenka->columnCount(), STGRUctenka->rowCount());
  for (int r = 0; r < settlement.rowCount(); ++r)
    for (int c = 0; c < settlement.columnCount(); ++c) settlement.setCell(c, r, gridCell(STGRUctenka, c, r));
  in.settlement = &settlement;
  in.moved = EDITPlusMinus->text();
  in.withPayments = CHBXUctenka->isChecked();
  in.paid = CHBXZaplaceno->isChecked();
  in.stamp = dateTimeStamp();
  setText(stats::receipt(in));
  return true;
}

void TFRMGrafika::BUTNUctenkaClick() { makeReceipt(); }

bool TFRMGrafika::makePriceListText() {
  if (!clearTextWithQuestion()) return false;
  if (!priceListComputed_ && askYesNo(this, QStringLiteral("Mam cenik prepocitat ?"))) BUTNPrepoctiCenikClick();
  setText(stats::priceListText(priceListRows()));
  return true;
}

void TFRMGrafika::BUTNVytvoritZCenikuClick() { makePriceListText(); }

void TFRMGrafika::BUTNSaveClick() {
  DLGSave->setDirectory(QDir(gamesFolder()).absolutePath());
  if (runDialog(DLGSave) != QDialog::Accepted) return;
  const QStringList chosen = DLGSave->selectedFiles();
  if (chosen.isEmpty()) return;
  const QString& path = chosen.first();
  if (QFileInfo(path).isFile() &&
      !askYesNo(this, QStringLiteral("Soubor s danym jmenem jiz existuje.\nOpravdu ho chcete prepsat ?")))
    return;
  const QString text = REDITOut->toPlainText();
  const QStringList lines = text.isEmpty() ? QStringList() : text.split(u'\n');
  const TextFileWrite written = writeTextFile(path, lines, SaveMode::Overwrite);
  if (!written.ok) {
    showMessage(this, QStringLiteral("Chyba pri ukladani souboru"), written.error);
    return;
  }
  showMessage(this, QStringLiteral("Oznameni"), QStringLiteral("Data uspesne ulozena"));
}

// ---- the price list -------------------------------------------------------------------

QList<QStringList> TFRMGrafika::priceListRows() const { return gridRows(STRGRDCenik, STRGRDCenik->rowCount()); }

void TFRMGrafika::showPriceList(const QList<QStringList>& rows) {
  STRGRDCenik->clearContents();
  STRGRDCenik->setRowCount(static_cast<int>(rows.size()));
  const QColor fixed = STRGRDCenik->palette().color(QPalette::Button);
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < 3; ++c) {
      auto* item = new QTableWidgetItem(rows[r].value(c));
      if (r == 0) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(fixed);
      } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      }
      STRGRDCenik->setItem(r, c, item);
    }
}

void TFRMGrafika::resetPriceList() {
  showPriceList(
      stats::freshPriceList(dateTimeStamp(), FRMMain ? FRMMain->CKBXCervene->text() : QStringLiteral("cervene")));
  priceListComputed_ = false;
}

void TFRMGrafika::BUTNPrepoctiCenikClick() {
  TFRMMain* m = FRMMain;
  QList<QStringList> rows;
  {
    const EntrySnapshot asItWas(m);
    // A hand given as a straight amount would price every game alike.
    m->flags.directAmountMode = 0;
    rows = stats::computedPriceList(dateTimeStamp(), m->CKBXCervene->text(), mainWindowPrices(m));
  }
  showPriceList(rows);
  priceListComputed_ = true;
}

// ---- printing ---------------------------------------------------------------------------

// Charts are printed as they are; the pages of records, receipt and price
// list first make their text on the text page, which then goes out.
void TFRMGrafika::outputPage(Output how) {
  QWidget* page = PGCTRLOutPut->currentWidget();
  Printout paint;
  if (page == PGGraf || page == PGCelkem) {
    QChartView* chart = page == PGGraf ? CHARTGraf.get() : CHARTCelkem.get();
    paint = [chart](QPagedPaintDevice& device) { return printChart(chart, device); };
  } else {
    bool made = true;
    if (page == PGStatistika) made = makeStatistics();
    else if (page == PGUctenka) made = makeReceipt();
    else if (page == PGCenik) made = makePriceListText();
    if (!made) return;
    PGCTRLOutPut->setCurrentWidget(PGTisk);
    const QString text = REDITOut->toPlainText();
    if (text.isEmpty()) {
      showMessage(this, QStringLiteral("Chyba"), QStringLiteral("Neni co tisknout ..."));
      return;
    }
    paint = [text](QPagedPaintDevice& device) { return paintPlainText(device, text); };
  }
  if (how == Output::Printer) printWithDialog(this, printer_, paint);
  else savePdf(this, *printer_, paint);
}

void TFRMGrafika::BUTNTiskClick() { outputPage(Output::Printer); }
void TFRMGrafika::BUTNPdfClick() { outputPage(Output::Pdf); }

void TFRMGrafika::BUTNNastaveniTiskuClick() {
  // After printing to a file the printer is a PDF writer, which the setup
  // dialog refuses; the system's printer comes back where there is one.
  if (printer_->outputFormat() != QPrinter::NativeFormat) printer_->setOutputFormat(QPrinter::NativeFormat);
  QPageSetupDialog dialog(printer_, this);
  dialog.setObjectName(QStringLiteral("DLGPrinterSetup"));
  runDialog(&dialog);
}
