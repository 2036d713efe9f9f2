#include "results/diskoperations.h"

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/messages.h"
#include "common/printout.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "ledger/tablegrid.h"
#include "players/playerentry.h"
#include "results/resultstext.h"
#include "results/tablecsv.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "stats/seasonwindow.h"
#include "common/fontscale.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QVBoxLayout>

#include <memory>
#include <new>

using namespace kvadus;

namespace {

const QString kSaveCaption = QStringLiteral("Chyba pri ukladani souboru");
const QString kTextCaption = QStringLiteral("Chyba pri zpracovani textu");
// What a cell of the score table takes at the most, item and text (measured:
// about 170 bytes).
constexpr qint64 kBytesPerShownCell = 256;

// Plain text, read-only until editing is allowed, both scroll bars, no wrap.
QPlainTextEdit* makeTextBox(const char* name) {
  auto* box = new QPlainTextEdit;
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(true);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setFont(fixedFont());
  return box;
}

bool hasLines(const QPlainTextEdit* box) { return !box->document()->isEmpty(); }

QStringList linesOf(const QPlainTextEdit* box) {
  if (!hasLines(box)) return {};
  QStringList lines = box->toPlainText().split(u'\n');
  return lines;
}

// A page of text with its buttons in a group beside it.
QWidget* textPage(QPlainTextEdit* box, const QString& group, QPushButton* clear, QPushButton* print, QPushButton* pdf) {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->addWidget(box, 1);
  auto* buttons = new QGroupBox(group);
  auto* column = new QVBoxLayout(buttons);
  column->addWidget(clear);
  column->addWidget(print);
  column->addWidget(pdf);
  column->addStretch(1);
  row->addWidget(buttons);
  return page;
}

void setupFileDialog(QFileDialog* dialog, const QString& title) {
  dialog->setWindowTitle(title);
  dialog->setDefaultSuffix(QStringLiteral("kvd"));
  dialog->setNameFilters({QStringLiteral("vysledky kvaduse (*.kvd)"), QStringLiteral("textove soubory (*.txt)"),
                          QStringLiteral("vsechny soubory (*)")});
}

}  // namespace

namespace {
// The buttons of the two text pages share their keys: the page on view takes them.
constexpr Accelerator kAccelerators[] = {
    {"Alt+J", "EDITFileName"},
    {"Alt+M", "BUTNSmazNazev"},
    {"Alt+E", "BUTNDefaultFilename"},
    {"Alt+B", "BUTNVyber"},
    {"Alt+V", "BUTNVytvorVystup"},
    {"Alt+P", "BUTNPouzit"},
    {"Alt+R", "BUTNPridatVystup"},
    {"Alt+U", "BUTNSave"},
    {"Alt+A", "BUTNUlozitPridat"},
    {"Alt+N", "BUTNNahrat"},
    {"Alt+H", "BUTNNahratAPridat"},
    {"Alt+T", "BUTNUlozitTabulku"},
    {"Alt+S", "BUTNSmazatVystup BUTNSmazVysledky"},
    {"Alt+K", "BUTNTisk BUTNTiskVysledku"},
    {"Alt+F", "BUTNPdf BUTNPdfVysledku"},
    {"Alt+O", "BUTNSezona"},
    {"Alt+Z", "BUTNZavrit"},
};
}  // namespace

AcceleratorTable TFORMDiskoveOperace::accelerators() { return kAccelerators; }

TFORMDiskoveOperace::TFORMDiskoveOperace(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FORMDiskoveOperace"));
  setWindowTitle(QStringLiteral("diskove operace"));
  setModal(false);
  printer_.setMaker([] { return new QPrinter(QPrinter::HighResolution); });
  buildControls();
  connectControls();
  resize(760, 520);
  REDTOutputChange();
  RICHEDITVysledkyChange();
  BUTNNahrat->setFocus();
  setUpKeyboard(this, accelerators());
}

TFORMDiskoveOperace::~TFORMDiskoveOperace() {
  disconnect(REDTOutput, nullptr, this, nullptr);
  disconnect(RICHEDITVysledky, nullptr, this, nullptr);
  disconnect(EDITFileName, nullptr, this, nullptr);
}

void TFORMDiskoveOperace::buildControls() {
  auto* soubor = new QGroupBox(QStringLiteral("Soubor"), this);
  soubor->setObjectName(QStringLiteral("GRPBXSoubor"));
  EDITFileName = new QLineEdit(QStringLiteral("vysledky.kvd"), soubor);
  EDITFileName->setObjectName(QStringLiteral("EDITFileName"));
  EDITFileName->setToolTip(QStringLiteral("jmeno souboru pro nahrani/ulozeni"));
  auto* jmeno = new QLabel(QStringLiteral("Jmeno:"), soubor);
  jmeno->setBuddy(EDITFileName);
  BUTNSmazNazev = makeButton(soubor, "BUTNSmazNazev", QStringLiteral("smaz jmeno"),
                             QStringLiteral("pouze smaze jmeno souboru (ne na disku)"));
  BUTNDefaultFilename = makeButton(soubor, "BUTNDefaultFilename", QStringLiteral("prednastav"),
                                   QStringLiteral("zada prednastavene jmeno"));
  BUTNVyber = makeButton(soubor, "BUTNVyber", QStringLiteral("Vyber >>"));
  auto* souborLayout = new QGridLayout(soubor);
  souborLayout->addWidget(jmeno, 0, 0);
  souborLayout->addWidget(EDITFileName, 0, 1, 1, 3);
  souborLayout->addWidget(BUTNSmazNazev, 1, 1);
  souborLayout->addWidget(BUTNDefaultFilename, 1, 2);
  souborLayout->addWidget(BUTNVyber, 1, 3);
  souborLayout->setColumnStretch(1, 1);
  souborLayout->setColumnStretch(2, 1);
  souborLayout->setColumnStretch(3, 1);

  auto* tabulka = new QGroupBox(QStringLiteral("Prace s tabulkou her"), this);
  tabulka->setObjectName(QStringLiteral("GRPBXTabulka"));
  BUTNVytvorVystup = makeButton(tabulka, "BUTNVytvorVystup", QStringLiteral("<-- vytvorit"),
                                QStringLiteral("vytvori text z tabulky her"));
  BUTNPouzit =
      makeButton(tabulka, "BUTNPouzit", QStringLiteral("Pouzit -->"), QStringLiteral("naplni tabulku her z textu"));
  BUTNPridatVystup = makeButton(tabulka, "BUTNPridatVystup", QStringLiteral("Pridat -->"),
                                QStringLiteral("prida hry z textu do tabulky"));
  auto* tabulkaLayout = new QVBoxLayout(tabulka);
  for (QPushButton* b : {BUTNVytvorVystup, BUTNPouzit, BUTNPridatVystup}) tabulkaLayout->addWidget(b);

  auto* disk = new QGroupBox(QStringLiteral("Prace s diskem"), this);
  disk->setObjectName(QStringLiteral("GRPBXDisk"));
  BUTNSave = makeButton(disk, "BUTNSave", QStringLiteral("Ulozit"), QStringLiteral("ulozi text do souboru"));
  BUTNUlozitPridat = makeButton(disk, "BUTNUlozitPridat", QStringLiteral("Ulozit a pridat"),
                                QStringLiteral("prilepi text na konec souboru"));
  BUTNNahrat = makeButton(disk, "BUTNNahrat", QStringLiteral("Nahrat"), QStringLiteral("nahraje text ze souboru"));
  BUTNNahratAPridat = makeButton(disk, "BUTNNahratAPridat", QStringLiteral("Nahrat a pridat"),
                                 QStringLiteral("nahraje soubor a prilepi ho za text"));
  BUTNUlozitTabulku = makeButton(disk, "BUTNUlozitTabulku", QStringLiteral("Ulozit tabulku >>"),
                                 QStringLiteral("ulozit tabulku her pro tabulkovy procesor"));
  auto* diskLayout = new QGridLayout(disk);
  diskLayout->addWidget(BUTNSave, 0, 0);
  diskLayout->addWidget(BUTNUlozitPridat, 1, 0);
  diskLayout->addWidget(BUTNNahrat, 0, 1);
  diskLayout->addWidget(BUTNNahratAPridat, 1, 1);
  diskLayout->addWidget(BUTNUlozitTabulku, 2, 0, 1, 2);

  PGCTRLDisk = new QTabWidget(this);
  PGCTRLDisk->setObjectName(QStringLiteral("PGCTRLDisk"));

  REDTOutput = makeTextBox("REDTOutput");
  BUTNSmazatVystup = makeButton(nullptr, "BUTNSmazatVystup", QStringLiteral(" smazat"), QStringLiteral("smaze vystup"));
  BUTNTisk = makeButton(nullptr, "BUTNTisk", QStringLiteral("vytisknout >>"), QStringLiteral("vytiskne vystup"));
  BUTNPdf = makeButton(nullptr, "BUTNPdf", pdfButtonCaption(), pdfButtonHint());
  TABVystup = textPage(REDTOutput, QStringLiteral("textovy vystup"), BUTNSmazatVystup, BUTNTisk, BUTNPdf);
  TABVystup->setObjectName(QStringLiteral("TABVystup"));
  PGCTRLDisk->addTab(TABVystup, QStringLiteral("Textovy vstup/vystup"));

  RICHEDITVysledky = makeTextBox("RICHEDITVysledky");
  BUTNSmazVysledky = makeButton(nullptr, "BUTNSmazVysledky", QStringLiteral(" smazat"), QStringLiteral("smaze vystup"));
  BUTNTiskVysledku =
      makeButton(nullptr, "BUTNTiskVysledku", QStringLiteral("vytisknout >>"), QStringLiteral("vytiskne vystup"));
  BUTNPdfVysledku = makeButton(nullptr, "BUTNPdfVysledku", pdfButtonCaption(), pdfButtonHint());
  TABVysledky =
      textPage(RICHEDITVysledky, QStringLiteral("vysledky"), BUTNSmazVysledky, BUTNTiskVysledku, BUTNPdfVysledku);
  TABVysledky->setObjectName(QStringLiteral("TABVysledky"));
  PGCTRLDisk->addTab(TABVysledky, QStringLiteral("vysledky zpracovani"));

  MEMOPravidla = makeMemo("MEMOPravidla");
  TABPravidla = memoPage(MEMOPravidla);
  TABPravidla->setObjectName(QStringLiteral("TABPravidla"));
  PGCTRLDisk->addTab(TABPravidla, QStringLiteral("pravidla"));

  TABNastaveni = new QWidget;
  TABNastaveni->setObjectName(QStringLiteral("TABNastaveni"));
  CKBXEditace = new QCheckBox(QStringLiteral("povolit editaci textu"), TABNastaveni);
  CKBXEditace->setObjectName(QStringLiteral("CKBXEditace"));
  CKBXEditace->setToolTip(QStringLiteral("povoleni/zakazani editace textu"));
  BUTNNastaveniTisku = makeButton(TABNastaveni, "BUTNNastaveniTisku", QStringLiteral("Nastaveni tisku >>"),
                                  QStringLiteral("Zobrazeni dialogu pro nastaveni tisku"));
  auto* settings = new QVBoxLayout(TABNastaveni);
  settings->addWidget(CKBXEditace);
  auto* printRow = new QHBoxLayout;
  printRow->addWidget(BUTNNastaveniTisku);
  printRow->addStretch(1);
  settings->addLayout(printRow);
  settings->addStretch(1);
  PGCTRLDisk->addTab(TABNastaveni, QStringLiteral("nastaveni"));

  BUTNZavrit = makeButton(this, "BUTNZavrit", QStringLiteral("zavrit <<"),
                          QStringLiteral("zavre okno a navraceni k predchozi obrazovce"));

  auto* top = new QHBoxLayout;
  top->addWidget(soubor, 3);
  top->addWidget(tabulka, 1);
  top->addWidget(disk, 2);
  BUTNSezona = makeButton(this, "BUTNSezona", QStringLiteral("sezona >>"), QStringLiteral("souhrn ulozenych veceru"));
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(BUTNSezona);
  bottom->addStretch(1);
  bottom->addWidget(BUTNZavrit);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top);
  outer->addWidget(PGCTRLDisk, 1);
  outer->addLayout(bottom);

  DLGSaveFile.setMaker([this] {
    auto* dialog = makeFileDialog(this, "DLGSaveFile", true);
    // The save routine asks about an existing file itself.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    setupFileDialog(dialog, QStringLiteral("Ulozeni do souboru"));
    return dialog;
  });
  DLGOpenFile.setMaker([this] {
    auto* dialog = makeFileDialog(this, "DLGOpenFile", false);
    setupFileDialog(dialog, QStringLiteral("Vyber souboru"));
    return dialog;
  });
}

void TFORMDiskoveOperace::connectControls() {
  connect(BUTNSmazNazev, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNSmazNazevClick);
  connect(BUTNDefaultFilename, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNDefaultFilenameClick);
  connect(BUTNVyber, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNVyberClick);
  connect(BUTNPouzit, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNPouzitClick);
  connect(BUTNPridatVystup, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNPridatVystupClick);
  connect(BUTNVytvorVystup, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNVytvorVystupClick);
  connect(BUTNSave, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNSaveClick);
  connect(BUTNUlozitPridat, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNUlozitPridatClick);
  connect(BUTNNahrat, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNNahratClick);
  connect(BUTNNahratAPridat, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNNahratAPridatClick);
  connect(BUTNUlozitTabulku, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNUlozitTabulkuClick);
  connect(BUTNSmazatVystup, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNSmazatVystupClick);
  connect(BUTNTisk, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNTiskClick);
  connect(BUTNSmazVysledky, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNSmazVysledkyClick);
  connect(BUTNTiskVysledku, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNTiskVysledkuClick);
  connect(BUTNPdf, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNPdfClick);
  connect(BUTNPdfVysledku, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNPdfVysledkuClick);
  connect(BUTNNastaveniTisku, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNNastaveniTiskuClick);
  connect(BUTNZavrit, &QPushButton::clicked, this, &QWidget::close);
  connect(BUTNSezona, &QPushButton::clicked, this, &TFORMDiskoveOperace::BUTNSezonaClick);
  connect(CKBXEditace, &QCheckBox::toggled, this, &TFORMDiskoveOperace::CKBXEditaceClick);
  connect(REDTOutput, &QPlainTextEdit::textChanged, this, &TFORMDiskoveOperace::REDTOutputChange);
  connect(RICHEDITVysledky, &QPlainTextEdit::textChanged, this, &TFORMDiskoveOperace::RICHEDITVysledkyChange);
  connect(EDITFileName, &QLineEdit::textChanged, this, &TFORMDiskoveOperace::EDITFileNameChange);
}

QString TFORMDiskoveOperace::defaultFileName() {
  return QDir::toNativeSeparators(inFolder(gamesFolder(), QStringLiteral("vysledky.kvd")));
}

QStringList TFORMDiskoveOperace::outputLines() const { return linesOf(REDTOutput); }
QStringList TFORMDiskoveOperace::logLines() const { return linesOf(RICHEDITVysledky); }

// ---- states ------------------------------------------------------------------

void TFORMDiskoveOperace::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

bool TFORMDiskoveOperace::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(event);
}

void TFORMDiskoveOperace::FormActivate() {
  if (!FRMMain) return;
  BUTNVytvorVystup->setEnabled(FRMMain->STGOutput->rowCount() > 2);
  BUTNUlozitTabulku->setEnabled(FRMMain->STGOutput->rowCount() > 2);
  BUTNPridatVystup->setEnabled(FRMMain->LIBXHraci->count() > 0);
}

void TFORMDiskoveOperace::REDTOutputChange() {
  setEnabledAll({BUTNSmazatVystup, BUTNTisk, BUTNPdf, BUTNSave, BUTNUlozitPridat, BUTNPouzit}, hasLines(REDTOutput));
  FormActivate();
}

void TFORMDiskoveOperace::EDITFileNameChange() {
  const bool named = !EDITFileName->text().isEmpty();
  BUTNSave->setEnabled(named && BUTNSave->isEnabled());
  BUTNUlozitPridat->setEnabled(named && BUTNUlozitPridat->isEnabled());
  setEnabledAll({BUTNNahrat, BUTNNahratAPridat}, named);
}

void TFORMDiskoveOperace::RICHEDITVysledkyChange() {
  setEnabledAll({BUTNSmazVysledky, BUTNTiskVysledku, BUTNPdfVysledku}, hasLines(RICHEDITVysledky));
}

void TFORMDiskoveOperace::CKBXEditaceClick() {
  const bool editable = CKBXEditace->isChecked();
  REDTOutput->setReadOnly(!editable);
  RICHEDITVysledky->setReadOnly(!editable);
}

// ---- the file name -----------------------------------------------------------

void TFORMDiskoveOperace::BUTNSmazNazevClick() { EDITFileName->clear(); }

void TFORMDiskoveOperace::BUTNDefaultFilenameClick() { EDITFileName->setText(defaultFileName()); }

void TFORMDiskoveOperace::BUTNVyberClick() {
  DLGOpenFile->setNameFilters({QStringLiteral("Kvadusove partie (*.kvd)"), QStringLiteral("Textove soubory (*.txt)"),
                               QStringLiteral("Vsechny soubory (*)")});
  const QFileInfo current(EDITFileName->text());
  if (current.absoluteDir().exists()) DLGOpenFile->setDirectory(current.absoluteDir());
  DLGOpenFile->selectFile(current.fileName());
  if (runDialog(DLGOpenFile) != QDialog::Accepted) return;
  const QStringList chosen = DLGOpenFile->selectedFiles();
  if (!chosen.isEmpty()) EDITFileName->setText(QDir::toNativeSeparators(chosen.first()));
}

bool TFORMDiskoveOperace::obtainFileName(QFileDialog* dialog) {
  if (!EDITFileName->text().isEmpty()) return true;
  BUTNDefaultFilenameClick();
  const QFileInfo preset(QDir::fromNativeSeparators(EDITFileName->text()));
  QDir().mkpath(preset.absolutePath());
  dialog->setDirectory(preset.absoluteDir());
  dialog->selectFile(preset.fileName());
  if (runDialog(dialog) != QDialog::Accepted) return false;
  const QStringList chosen = dialog->selectedFiles();
  if (chosen.isEmpty()) return false;
  EDITFileName->setText(QDir::toNativeSeparators(chosen.first()));
  return true;
}

// ---- saving ------------------------------------------------------------------

int TFORMDiskoveOperace::saveToFile(const QString& fileName, SaveMode mode, const QStringList& lines) {
  const QString path = QDir::fromNativeSeparators(fileName);
  if (mode == SaveMode::Overwrite && QFileInfo(path).isFile() &&
      !askYesNo(this, QStringLiteral("Soubor s danym jmenem jiz existuje.\nOpravdu ho chcete prepsat ?")))
    return 0;
  TextFileWrite written = writeTextFile(path, lines, mode);
  if (written.needsUtf8) {
    if (!askYesNo(this, QStringLiteral("Soubor je v kodovani Windows-1250 a pridavany text obsahuje znaky, "
                                       "ktere v nem nejsou.\nPrevest cely soubor do UTF-8 ?")))
      return 0;
    written = writeTextFile(path, lines, mode, LegacyFile::ConvertToUtf8);
  }
  if (!written.ok) {
    showMessage(this, kSaveCaption, written.error);
    return -1;
  }
  showMessage(this, QStringLiteral("Oznameni"), QStringLiteral("Data uspesne ulozena"));
  return 1;
}

void TFORMDiskoveOperace::BUTNSaveClick() {
  if (!obtainFileName(DLGSaveFile)) return;
  saveToFile(EDITFileName->text(), SaveMode::Overwrite, outputLines());
}

void TFORMDiskoveOperace::BUTNUlozitPridatClick() {
  if (!obtainFileName(DLGSaveFile)) return;
  saveToFile(EDITFileName->text(), SaveMode::Append, outputLines());
}

// ---- loading -----------------------------------------------------------------

bool TFORMDiskoveOperace::clearOutputWithQuestion() {
  if (hasLines(REDTOutput) && !askYesNo(this, QStringLiteral("Opravdu premazat vystup?"))) return false;
  REDTOutput->clear();
  FormActivate();
  return true;
}

void TFORMDiskoveOperace::BUTNNahratClick() {
  if (!obtainFileName(DLGOpenFile)) return;
  if (!clearOutputWithQuestion()) return;
  const TextFileRead read = readTextFile(QDir::fromNativeSeparators(EDITFileName->text()));
  if (read.status == TextFileRead::Missing) {
    showMessage(this, QStringLiteral("Chyba"), QStringLiteral("Soubor neexistuje"));
    return;
  }
  if (read.status == TextFileRead::Failed) {
    showMessage(this, QStringLiteral("Chyba pri cteni ze souboru"), read.error);
    return;
  }
  REDTOutput->setPlainText(read.lines.join(u'\n'));
  PGCTRLDisk->setCurrentWidget(TABVystup);
  if (BUTNPouzit->isEnabled()) BUTNPouzit->setFocus();
}

void TFORMDiskoveOperace::BUTNNahratAPridatClick() {
  if (!obtainFileName(DLGOpenFile)) return;
  const TextFileRead read = readTextFile(QDir::fromNativeSeparators(EDITFileName->text()));
  if (read.status != TextFileRead::Ok) {
    showMessage(this, QStringLiteral("Chyba"), QStringLiteral("Soubor nelze otevrit."));
    return;
  }
  QStringList lines = outputLines();
  // The text ends where the next one begins: no blank line between them.
  if (lines.size() >= 2 && lines.last().trimmed().isEmpty()) lines.removeLast();
  for (const QString& line : read.lines)
    if (!line.isEmpty()) lines << line;
  REDTOutput->setPlainText(lines.join(u'\n'));
  PGCTRLDisk->setCurrentWidget(TABVystup);
}

// ---- text and table ----------------------------------------------------------

void TFORMDiskoveOperace::BUTNVytvorVystupClick() {
  if (!clearOutputWithQuestion()) return;
  const int players = FRMMain->playerCount();
  results::WriteInput input;
  input.players = players;
  input.descriptionShown = ledger::hasDescriptionColumn(*FRMMain->grid, players);
  input.declarer = FRMMain->declarerIndex();
  input.paid = false;
  input.stamp = dateTimeStamp();
  REDTOutput->setPlainText(results::writeResults(*FRMMain->grid, input).join(u'\n'));
  PGCTRLDisk->setCurrentWidget(TABVystup);
}

void TFORMDiskoveOperace::BUTNPouzitClick() {
  if (FRMMain->STGOutput->rowCount() > 2 &&
      !askYesNo(this, QStringLiteral("Mate rozehranou hru.\nChcete ji zrusit a nahrat z vystupu ?")))
    return;
  readOutput(results::ReadMode::Replace);
}

void TFORMDiskoveOperace::BUTNPridatVystupClick() { readOutput(results::ReadMode::Append); }

// Reads the text output into a new table; the evening is replaced only when
// the whole text was read (and, where its sums disagree with its hands, the
// person wants it), so a damaged text never costs the evening. Nor does a
// text too large for the memory: that is told, and the evening stays.
void TFORMDiskoveOperace::readOutput(results::ReadMode mode) {
  try {
    const results::ReadResult read =
        results::readResults(outputLines(), mode, *FRMMain->grid, EDITFileName->text(), FRMMain->playerCount());
    RICHEDITVysledky->setPlainText(read.log.join(u'\n'));
    if (!read.ok) {
      showMessage(this, read.caption, read.message);
      PGCTRLDisk->setCurrentWidget(TABVysledky);
    } else if (read.sumsDisagree && !askYesNo(this, results::disagreeingSumsQuestion(), MsgAnswer::No)) {
      PGCTRLDisk->setCurrentWidget(TABVysledky);  // the sum lines that disagree are marked there
    } else {
      applyEvening(read);
    }
  } catch (const std::bad_alloc&) {
    showMessage(this, kTextCaption, QStringLiteral("Nedostatek pameti - text nelze zpracovat"));
  }
  BUTNZavrit->setFocus();
}

void TFORMDiskoveOperace::applyEvening(const results::ReadResult& read) {
  TFRMMain* m = FRMMain;
  // The evening as it is, to come back whole when the memory runs out half way.
  const MemoryGrid table = MemoryGrid::copyOf(*m->grid);
  const QStringList players = itemTexts(m->LIBXHraci);
  const int declarer = m->declarerIndex();
  const QString chooser = m->LABLIndexVolice->text();
  const bool described = m->CKBXZobrazovatDruhyHer->isChecked();
  try {
    // The reader made the sums as the window makes them: they come with the table.
    showEvening(read.table, read.players, read.declarer, QString::number(read.chooser), true);
    m->scrollToRow(m->STGOutput->rowCount() - 1);
  } catch (const std::bad_alloc&) {
    showEvening(table, players, declarer, chooser, described);
    throw;
  }
  FormActivate();
  showMessage(this, read.caption, read.message);
  m->LIBXHraciClick();
  m->eveningChanged();
}

// Puts an evening into the main window: the table, the player list with its
// markers, the declarer, the chooser and the description column setting.
void TFORMDiskoveOperace::showEvening(const ScoreGrid& table, const QStringList& players, int declarer,
                                      const QString& chooser, bool described) {
  TFRMMain* m = FRMMain;
  const int n = int(players.size());
  {
    // Qt's table items do not survive an allocation that fails: the
    // memory the items take is asked for first, and only then filled.
    const qint64 bytes = qint64(table.rowCount()) * table.columnCount() * kBytesPerShownCell;
    if (!std::unique_ptr<char[]>(new (std::nothrow) char[bytes])) throw std::bad_alloc();
  }
  {
    // Filled whole and shown once.
    QTableWidget* grid = m->STGOutput;
    grid->setUpdatesEnabled(false);
    const auto show = qScopeGuard([grid] { grid->setUpdatesEnabled(true); });
    m->grid->assign(table);
  }
  {
    const QSignalBlocker block(m->LIBXHraci);
    m->LIBXHraci->clear();
    m->LIBXHraci->addItems(players);
  }
  m->LSTBXOznaceniVolice->clear();
  for (int i = 0; i < n; ++i) m->LSTBXOznaceniVolice->addItem(QString());
  m->selectDeclarer(declarer);
  m->LABLIndexVolice->setText(chooser);
  m->refreshRoleMarkers();
  m->BUTNPrepoctiClick();
  m->flags.descriptionColumnGuard = 0;
  m->CKBXZobrazovatDruhyHer->setChecked(described);
  m->flags.descriptionColumnGuard = 1;
  m->fitColumnWidths();
  m->LABLPocetHerClick();
  m->LABLPocetHracu->setText(ledger::playerCountText(n));
  m->LABLPocetHracu->setVisible(n > 3);
  FORMZadaniHracu->BUTNZamenit->setEnabled(n > 0 && FORMZadaniHracu->LBOXSeznamHracu->count() > 0);
}

void TFORMDiskoveOperace::BUTNSezonaClick() { openSeasonWindow(); }

// ---- clearing and printing ---------------------------------------------------

void TFORMDiskoveOperace::BUTNSmazatVystupClick() { REDTOutput->clear(); }
void TFORMDiskoveOperace::BUTNSmazVysledkyClick() { RICHEDITVysledky->clear(); }

namespace {
Printout textPrintout(const QString& text) {
  return [text](QPagedPaintDevice& device) { return paintPlainText(device, text); };
}
}  // namespace

void TFORMDiskoveOperace::print(const QString& text) { printWithDialog(this, printer_, textPrintout(text)); }
void TFORMDiskoveOperace::savePdf(const QString& text) { kvadus::savePdf(this, *printer_, textPrintout(text)); }

void TFORMDiskoveOperace::BUTNTiskClick() { print(REDTOutput->toPlainText()); }
// The processing log prints itself.
void TFORMDiskoveOperace::BUTNTiskVysledkuClick() { print(RICHEDITVysledky->toPlainText()); }
void TFORMDiskoveOperace::BUTNPdfClick() { savePdf(REDTOutput->toPlainText()); }
void TFORMDiskoveOperace::BUTNPdfVysledkuClick() { savePdf(RICHEDITVysledky->toPlainText()); }

// ---- the table for spreadsheets ----------------------------------------------

void TFORMDiskoveOperace::BUTNUlozitTabulkuClick() {
  const SaveAs how{"DLGSaveTable",
                   QStringLiteral("Ulozeni tabulky her"),
                   {QStringLiteral("tabulky CSV (*.csv)"), QStringLiteral("vsechny soubory (*)")},
                   QStringLiteral("csv")};
  saveFileAs(this, how, [] {
    const int players = FRMMain->playerCount();
    return results::scoreTableCsv(*FRMMain->grid, players, ledger::hasDescriptionColumn(*FRMMain->grid, players),
                                  csvFormFor(systemDecimalSeparator()));
  });
}

void TFORMDiskoveOperace::BUTNNastaveniTiskuClick() {
  // After printing to a file the printer is a PDF writer, which the setup
  // dialog refuses; the system's printer comes back where there is one.
  if (printer_->outputFormat() != QPrinter::NativeFormat) printer_->setOutputFormat(QPrinter::NativeFormat);
  QPageSetupDialog dialog(printer_, this);
  dialog.setObjectName(QStringLiteral("DLGPrinterSetup"));
  runDialog(&dialog);
}
