// The settings page "disk": the settings text made from the controls, cleared,
// loaded, saved, saved as the automatic configuration and applied back onto
// the controls; and the settings file applied at start.

#include "common/appfolders.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/messages.h"
#include "common/radiogroup.h"
#include "common/textfile.h"
#include "players/playerentry.h"
#include "settings/fileselect.h"
#include "settings/settingsfile.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "common/fontscale.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

using namespace kvadus;
namespace sf = kvadus::settingsfile;

namespace {

const QString kFilters[] = {QStringLiteral("konfiguracni soubory (*.cfg)"), QStringLiteral("textove soubory (*.txt)"),
                            QStringLiteral("vsechny soubory (*)")};

// Runs a function whenever the watched widget comes into view.
class ShowWatcher : public QObject {
 public:
  ShowWatcher(QWidget* watched, std::function<void()> shown) : QObject(watched), shown_(std::move(shown)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) shown_();
    return false;
  }

 private:
  std::function<void()> shown_;
};

QWidget* diskPage(QTabWidget* tabs, const char* name, const QString& caption, const QString& hint) {
  return makePage(tabs, name, caption, hint);
}

void setupSettingsDialog(QFileDialog* dialog, const QString& title) {
  dialog->setWindowTitle(title);
  dialog->setNameFilters({kFilters[0], kFilters[1], kFilters[2]});
  // Folder relative to the working folder; the dialog wants it whole.
  if (QDir(settingsFolder()).exists()) dialog->setDirectory(QDir(settingsFolder()).absolutePath());
}

QStringList textLines(const QPlainTextEdit* memo) {
  const QString text = memo->toPlainText();
  return text.isEmpty() ? QStringList() : text.split(u'\n');
}

// The section switches, in the order of the sections.
std::array<QCheckBox*, sf::kSectionCount> sectionSwitches(const TFRMMain& m) {
  return {m.CHBXNastaveniNahravaniCeny,     m.CHBXNastaveniNahravaniSto,     m.CHBXNastaveniNahravaniDveSedmy,
          m.CHBXNastaveniNahravaniPauzirak, m.CHBXNastaveniNahravaniOstatni, m.CHBXUkladatIJmenaHracu,
          m.CHBXNastaveniNazvyFleku,        m.CHBXNastaveniNazvyBarev};
}

sf::Sections sectionsOn(const TFRMMain& m) {
  sf::Sections on{};
  const auto boxes = sectionSwitches(m);
  for (int s = 0; s < sf::kSectionCount; ++s) on[s] = boxes[s]->isChecked();
  return on;
}

// The controls of the settings table by object name, found in one walk
// over the window (a lookup per row would walk it once for every row).
class SettingControls {
 public:
  explicit SettingControls(const TFRMMain& m) {
    for (const sf::Row& row : sf::rows())
      if (row.control) byName_.insert(QLatin1String(row.control), nullptr);
    for (QWidget* w : m.findChildren<QWidget*>()) {
      const auto it = byName_.find(w->objectName());
      if (it != byName_.end() && !*it) *it = w;
    }
  }
  template <class T>
  T* get(const QString& name) const {
    T* control = qobject_cast<T*>(byName_.value(name));
    Q_ASSERT_X(control, "settings table", qPrintable(name));
    return control;
  }

 private:
  QHash<QString, QWidget*> byName_;
};

sf::Values currentValues(const TFRMMain& m) {
  sf::Values v;
  const SettingControls controls(m);
  for (const sf::Row& row : sf::rows()) {
    if (!row.control) continue;
    const QString name = QLatin1String(row.control);
    switch (row.kind) {
      case sf::Kind::Decimal:
        if (auto* field = controls.get<QLineEdit>(name)) v.decimals[name] = field->text();
        break;
      case sf::Kind::Choice:
        if (auto* group = controls.get<RadioGroup>(name)) v.choices[name] = group->itemIndex();
        break;
      case sf::Kind::Switch:
        if (auto* box = controls.get<QCheckBox>(name)) v.switches[name] = box->isChecked();
        break;
      default:
        break;
    }
  }
  v.players = FORMZadaniHracu ? FORMZadaniHracu->names() : QStringList();
  v.fleks = itemTexts(m.LIBXFlekHraAbbrev);
  v.suits = m.RAGRTrumfy->items();
  v.sections = sectionsOn(m);
  return v;
}

}  // namespace

void TFRMMain::buildSettingsFilePage() {
  auto* diskLayout = new QVBoxLayout(TABDisk);
  diskLayout->setContentsMargins(2, 2, 2, 2);
  PGCTRLDisk = new QTabWidget;
  PGCTRLDisk->setObjectName(QStringLiteral("PGCTRLDisk"));
  PGCTRLDisk->setToolTip(QStringLiteral("nastaveni - diskove operace "));
  diskLayout->addWidget(PGCTRLDisk);

  // ---- "Textova reprezentace": the text and its buttons.
  PAGETextovaReprezentace = diskPage(PGCTRLDisk, "PAGETextovaReprezentace", QStringLiteral("Textova reprezentace"),
                                     QStringLiteral("textova reprezentace nastaveni"));
  MEMONastaveni = makeMemo("MEMONastaveni");
  MEMONastaveni->setLineWrapMode(QPlainTextEdit::NoWrap);
  MEMONastaveni->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MEMONastaveni->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  BUTNNastaveniVymaz = makeButton(nullptr, "BUTNNastaveniVymaz", QStringLiteral("Vymaz"),
                                  QStringLiteral("vymaze textovou reprezentaci nastaveni"));
  BUTNNastaveniVytvor = makeButton(nullptr, "BUTNNastaveniVytvor", QStringLiteral("Vytvor"),
                                   QStringLiteral("vytvori textovou reprezentaci nastaveni"));
  BUTNNastaveniNahrej = makeButton(nullptr, "BUTNNastaveniNahrej", QStringLiteral("Nahrej"),
                                   QStringLiteral("Vybere soubor a nahraje ho do text. reprezentace"));
  BUTNNastaveniUloz = makeButton(nullptr, "BUTNNastaveniUloz", QStringLiteral("Uloz"),
                                 QStringLiteral("vybere soubor a do nej ulozi text. reprezentaci"));
  BUTNNastaveniAuto =
      makeButton(nullptr, "BUTNNastaveniAuto", QStringLiteral("Auto"),
                 QStringLiteral("Ulozi konfiguraci, ktera se bude automaticky nahravat pri startu programu"));
  BUTNPouzijNastaveni = makeButton(nullptr, "BUTNPouzijNastaveni", QStringLiteral("Pouzij"),
                                   QStringLiteral("Zpracuje text. reprezentaci"));
  QFont bold = BUTNPouzijNastaveni->font();
  bold.setBold(true);
  BUTNPouzijNastaveni->setFont(bold);
  auto* textRow = new QHBoxLayout(PAGETextovaReprezentace);
  textRow->setContentsMargins(2, 2, 2, 2);
  textRow->addWidget(MEMONastaveni, 1);
  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(2);
  for (QPushButton* b : {BUTNNastaveniVymaz, BUTNNastaveniVytvor, BUTNNastaveniNahrej, BUTNNastaveniUloz,
                         BUTNNastaveniAuto, BUTNPouzijNastaveni}) {
    b->setFixedWidth(80);
    buttons->addWidget(b);
  }
  buttons->addStretch(1);
  textRow->addLayout(buttons);

  // ---- "vysledky zpracovani": the report of the last apply.
  MEMOCHybyZpracovani = makeMemo("MEMOCHybyZpracovani");
  MEMOCHybyZpracovani->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The status fields line up only in a fixed-pitch font.
  MEMOCHybyZpracovani->setFont(fixedFont());
  PAGEVysledkyZpracovani = memoPage(MEMOCHybyZpracovani);
  PAGEVysledkyZpracovani->setObjectName(QStringLiteral("PAGEVysledkyZpracovani"));
  PGCTRLDisk->setTabToolTip(PGCTRLDisk->addTab(PAGEVysledkyZpracovani, QStringLiteral("vysledky zpracovani")),
                            QStringLiteral("vysledky zpracovani po stisknuti 'Pouzij'"));

  // ---- "nastaveni": how the text is made and applied.
  PAGENastaveniZpracovani = diskPage(PGCTRLDisk, "PAGENastaveniZpracovani", QStringLiteral("nastaveni"),
                                     QStringLiteral("nastaveni zpracovani nastaveni"));
  auto* options = new QVBoxLayout(PAGENastaveniZpracovani);
  options->setContentsMargins(6, 4, 6, 4);
  CHBXPovolitEditaciNastaveni =
      makeCheck(nullptr, "CHBXPovolitEditaciNastaveni", QStringLiteral("povolit editaci textu"), {},
                QStringLiteral("povoli/zakaze editaci text. repr. a vysledku zpracovani"), false);
  options->addWidget(CHBXPovolitEditaciNastaveni);
  GRPBXNastaveniPolozky =
      new QGroupBox(QStringLiteral("Pri vytvareni a pouziti konfigurace brat v potaz jen tyto polozky:"));
  GRPBXNastaveniPolozky->setObjectName(QStringLiteral("GRPBXNastaveniPolozky"));
  auto* grid = new QGridLayout(GRPBXNastaveniPolozky);
  grid->setVerticalSpacing(2);
  const QList<QPair<QCheckBox**, QPair<const char*, QString>>> sections = {
      {&CHBXNastaveniNahravaniCeny, {"CHBXNastaveniNahravaniCeny", QStringLiteral("ceny")}},
      {&CHBXNastaveniNahravaniSto, {"CHBXNastaveniNahravaniSto", QStringLiteral("stovka")}},
      {&CHBXNastaveniNahravaniDveSedmy, {"CHBXNastaveniNahravaniDveSedmy", QStringLiteral("dve sedmy")}},
      {&CHBXNastaveniNahravaniPauzirak, {"CHBXNastaveniNahravaniPauzirak", QStringLiteral("pauzirak")}},
      {&CHBXNastaveniNahravaniOstatni, {"CHBXNastaveniNahravaniOstatni", QStringLiteral("ostatni")}},
      {&CHBXUkladatIJmenaHracu, {"CHBXUkladatIJmenaHracu", QStringLiteral("jmena hracu")}},
      {&CHBXNastaveniNazvyFleku, {"CHBXNastaveniNazvyFleku", QStringLiteral("nazvy fleku")}},
      {&CHBXNastaveniNazvyBarev, {"CHBXNastaveniNazvyBarev", QStringLiteral("nazvy barev")}},
  };
  for (int i = 0; i < sections.size(); ++i) {
    *sections[i].first = makeCheck(nullptr, sections[i].second.first, sections[i].second.second, {}, {}, true);
    grid->addWidget(*sections[i].first, i % 4, i / 4);
  }
  options->addWidget(GRPBXNastaveniPolozky);
  CHBXPridavaniHracuNulovani =
      makeCheck(PAGENastaveniZpracovani, "CHBXPridavaniHracuNulovani",
                QStringLiteral("Pri pridavani hracu ze souboru vymazat seznam hracu"), {}, {}, true);
  CHBXPridavaniHracuNulovani->setEnabled(false);
  CHBXPridavaniHracuNulovani->hide();
  options->addStretch(1);

  // ---- "pravidla": how the settings text works (a help text).
  PAGEPravidla =
      memoPageOnDemand(MEMOPravidlaNahravani, "MEMOPravidlaNahravani", [this](QPlainTextEdit* m) { helpMemoMade(m); });
  PAGEPravidla->setObjectName(QStringLiteral("PAGEPravidla"));
  PGCTRLDisk->setTabToolTip(PGCTRLDisk->addTab(PAGEPravidla, QStringLiteral("pravidla")),
                            QStringLiteral("Popis pravidel, kterymi se ridi prace a diskove operace s nastavenim"));

  DLGOpenFile.setMaker([this] {
    auto* dialog = makeFileDialog(this, "DLGOpenFile", false);
    return dialog;
  });
  SaveDialog.setMaker([this] {
    auto* dialog = makeFileDialog(this, "SaveDialog", true);
    // Overwriting and creating are asked here, after the dialog.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
  });

  connect(BUTNNastaveniVymaz, &QPushButton::clicked, this, &TFRMMain::BUTNNastaveniVymazClick);
  connect(BUTNNastaveniVytvor, &QPushButton::clicked, this, &TFRMMain::BUTNNastaveniVytvorClick);
  connect(BUTNNastaveniNahrej, &QPushButton::clicked, this, &TFRMMain::BUTNNastaveniNahrejClick);
  connect(BUTNNastaveniUloz, &QPushButton::clicked, this, &TFRMMain::BUTNNastaveniUlozClick);
  connect(BUTNNastaveniAuto, &QPushButton::clicked, this, &TFRMMain::BUTNNastaveniAutoClick);
  connect(BUTNPouzijNastaveni, &QPushButton::clicked, this, &TFRMMain::BUTNPouzijNastaveniClick);
  connect(CHBXPovolitEditaciNastaveni, &QCheckBox::toggled, this, &TFRMMain::CHBXPovolitEditaciNastaveniClick);
  new ShowWatcher(TABDisk, [this] { PAGEDiskShow(); });
}

QStringList TFRMMain::settingsTextLines() const { return textLines(MEMONastaveni); }

void TFRMMain::CHBXPovolitEditaciNastaveniClick() {
  const bool editable = CHBXPovolitEditaciNastaveni->isChecked();
  MEMONastaveni->setReadOnly(!editable);
  MEMOCHybyZpracovani->setReadOnly(!editable);
}

void TFRMMain::PAGEDiskShow() {
  if (MEMONastaveni->toPlainText().isEmpty()) BUTNNastaveniVytvorClick();
}

void TFRMMain::BUTNNastaveniVymazClick() {
  if (!MEMONastaveni->toPlainText().isEmpty() &&
      !askYesNo(this, QStringLiteral("Textova reprezentace neni prazdna,\nopravdu ji chcete smazat ?")))
    return;
  MEMONastaveni->clear();
}

void TFRMMain::BUTNNastaveniVytvorClick() {
  if (!MEMONastaveni->toPlainText().isEmpty() &&
      !askYesNo(this, QStringLiteral("Textova reprezentace neni prazdna,\nopravdu chcete vytvorit novou ?")))
    return;
  MEMONastaveni->setPlainText(sf::writeSettings(currentValues(*this)).join(u'\n'));
}

// Replaces the text by the file's lines; a file that cannot be read is
// reported under the caption and leaves the text empty.
bool TFRMMain::loadSettingsText(const QString& path, const QString& caption) {
  MEMONastaveni->clear();
  const TextFileRead read = readTextFile(path);
  if (read.status != TextFileRead::Ok) {
    showMessage(this, caption, read.error);
    return false;
  }
  MEMONastaveni->setPlainText(read.lines.join(u'\n'));
  return true;
}

void TFRMMain::BUTNNastaveniNahrejClick() {
  PGCTRLNastaveni->setCurrentWidget(TABDisk);
  setupSettingsDialog(DLGOpenFile, QStringLiteral("Nahrani nastaveni"));
  if (runDialog(DLGOpenFile) != QDialog::Accepted) return;
  const QString path = DLGOpenFile->selectedFiles().value(0);
  if (path.isEmpty()) return;
  if (!MEMONastaveni->toPlainText().isEmpty() &&
      !askYesNo(this, QStringLiteral("Textova reprezentace neni prazdna,\nopravdu chcete nahrat jinou ?")))
    return;
  DLGOpenFileName = QDir::toNativeSeparators(path);
  loadSettingsText(path, QStringLiteral("Chyba pri nahravani konfigurace"));
}

void TFRMMain::BUTNNastaveniUlozClick() {
  PGCTRLNastaveni->setCurrentWidget(TABDisk);
  setupSettingsDialog(SaveDialog, QStringLiteral("ulozeni nastaveni"));
  if (runDialog(SaveDialog) != QDialog::Accepted) return;
  const QString path = SaveDialog->selectedFiles().value(0);
  if (path.isEmpty()) return;
  const bool exists = QFileInfo::exists(path);
  if (!askYesNo(this, exists ? QStringLiteral("Soubor s danym jmenem jiz existuje.\nOpravdu ho chcete prepsat ?")
                             : QStringLiteral("Soubor s danym jmenem neexistuje.\nOpravdu ho chcete vytvorit ?")))
    return;
  const TextFileWrite written = writeTextFile(path, settingsTextLines(), SaveMode::Overwrite);
  if (!written.ok) showMessage(this, QStringLiteral("Chyba pri zapisu konfigurace"), written.error);
}

void TFRMMain::BUTNNastaveniAutoClick() {
  const QString path = automaticSettingsPath();
  PGCTRLNastaveni->setCurrentWidget(TABDisk);
  if (QFileInfo::exists(path) &&
      showMessage(this, QStringLiteral("Informace"),
                  QStringLiteral("Opravdu chcete prepsat soubor\ns automatickou konfiguraci\n"
                                 "a pouzit stavajici text. reprezentaci?"),
                  MsgButtons::YesNo) != MsgAnswer::Yes)
    return;
  const TextFileWrite written = writeTextFile(path, settingsTextLines(), SaveMode::Overwrite);
  if (!written.ok) showMessage(this, QStringLiteral("Chyba pri zapisu autokonfigurace"), written.error);
}

void TFRMMain::BUTNPouzijNastaveniClick() {
  MEMOCHybyZpracovani->clear();
  const sf::ReadResult r = sf::readSettings(settingsTextLines(), sectionsOn(*this), CHBXOknoRoztazene->isEnabled());
  const QString baseBefore = EDITCenaZaHru->text();
  const QVector<tariff::PairTexts> pairsBefore = pairTexts();
  // Each line goes through its field's own check, which reconciles the
  // pairs up to its own; once the lines are in, the prices and multipliers
  // the text gave are put back, so that the tariff prices as written.
  auto settlePairs = [&] {
    writePairs(tariff::settlePairs(baseBefore, pairsBefore, EDITCenaZaHru->text(), sf::givenPairs(r)),
               tariff::kPairCount);
    BUTNPrepoctiClick();
  };

  const SettingControls controls(*this);
  // Each line's check prices the hand anew; it is priced once, after them.
  std::optional<PricingHold> hold(std::in_place, *this);
  bool rosterEmptied = false;
  for (const sf::Change& c : r.changes) {
    switch (c.kind) {
      case sf::Kind::Decimal:
        applyNumericValue(controls.get<QLineEdit>(c.control), c.text);
        break;
      case sf::Kind::Choice:
        controls.get<RadioGroup>(c.control)->setItemIndex(c.index);
        break;
      case sf::Kind::Switch:
        controls.get<QCheckBox>(c.control)->setChecked(c.on);
        break;
      case sf::Kind::Players: {
        QListWidget* roster = FORMZadaniHracu->LBOXSeznamHracu;
        if (!rosterEmptied && CHBXPridavaniHracuNulovani->isChecked()) {
          while (roster->count() > 0) {
            roster->setCurrentRow(0);
            FORMZadaniHracu->BUTNOdebratClick();
          }
        }
        rosterEmptied = true;
        FORMZadaniHracu->EDITJmenoHrace->setText(c.text);
        FORMZadaniHracu->BUTNPridatClick();
        break;
      }
      case sf::Kind::Fleks:
        if (QListWidgetItem* item = LIBXFlekHraAbbrev->item(c.index)) item->setText(c.text);
        BUTNFlekSelectClick();
        break;
      case sf::Kind::Suits: {
        RAGRTrumfy->button(c.index)->setText(c.text);
        RAGRTrumfy->setItemIndex(c.index);
        const QString red = RAGRTrumfy->itemText(0);
        for (QCheckBox* box : {CKBXCervene, CHBXCerveneVlevo, CHBXCerveneVpravo}) box->setText(red);
        const QList<QCheckBox*> melds = {CHBXHlaskyHlaska0, CHBXHlaskyHlaska1, CHBXHlaskyHlaska2, CHBXHlaskyHlaska3};
        for (int suit = 0; suit < melds.size(); ++suit) melds[suit]->setText(RAGRTrumfy->itemText(suit));
        break;
      }
      case sf::Kind::Section:
        break;
    }
  }
  MEMOCHybyZpracovani->setPlainText(r.report.join(u'\n'));
  if (r.stopped) {
    hold.reset();
    settlePairs();  // the lines before the stop stay applied as they read
    showMessage(this, QStringLiteral("Chyba"), r.stopMessage);
    return;
  }

  const QString summary = sf::summary(DLGOpenFileName, r);
  formatAllNumbers();
  hold.reset();
  settlePairs();
  DLGOpenFileName.clear();
  showMessage(this, QStringLiteral("Informace"), summary);
  if (r.errors > 0) {
    if (GRPBXNastaveni->isHidden()) BUTNNastaveniParametruClick();
    PGCTRLNastaveni->setCurrentWidget(TABDisk);
    PGCTRLDisk->setCurrentWidget(PAGEVysledkyZpracovani);
    PGCTRLNastaveni->setFocus();
  }
  if (r.hasPlayers()) FORMZadaniHracu->EDITJmenoHrace->setText(QStringLiteral("Novy hrac"));
}

bool TFRMMain::chooseStartSettings() {
  FRMFileSelect->exec();
  if (FRMFileSelect->CHBXExit->isChecked()) return false;

  // The first check of the tariff, before anything is applied onto it.
  numberCheckField_ = EDITCenaZaHru;
  if (flags.numberCheckPending) BUTNKontrolaCislaClick();
  return true;
}

void TFRMMain::applyStartSettings() {
  const QString chosen = FRMFileSelect->EDITSelectedFile->text();
  if (chosen.isEmpty()) return;
  DLGOpenFileName = chosen;
  if (!loadSettingsText(QDir::fromNativeSeparators(chosen), QStringLiteral("Chyba pri nahravani konfigurace"))) {
    DLGOpenFileName.clear();
    return;
  }
  BUTNPouzijNastaveniClick();
  if (CHBXPoStartuOtevritJmena->isChecked()) BUTNHraci->click();
}
