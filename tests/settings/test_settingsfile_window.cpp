// The settings page "disk" and the settings file selection, driven through
// their controls: the text made from the controls and applied back onto
// them, files loaded, saved and written as the automatic configuration, and
// the file chosen at start applied.

#include "common/dialogs.h"
#include "common/textfile.h"
#include "settings/fileselect.h"
#include "settings/settingsfile.h"
#include "dialogperson.h"
#include "testsupport.h"

#include <QComboBox>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTimer>

using kvadus::MsgAnswer;
using kvadus::MsgButtons;
using namespace testsupport;

namespace {

void setText(const QStringList& lines) { FRMMain->MEMONastaveni->setPlainText(lines.join('\n')); }
QStringList report() { return FRMMain->MEMOCHybyZpracovani->toPlainText().split('\n'); }

// Runs the first showing; the person leaves the settings selection with the button.
void firstShowing(QPushButton* leaveWith) {
  QTimer::singleShot(0, leaveWith, &QPushButton::click);
  FRMMain->show();
  FRMMain->FormShow();
}

const QStringList kRoster = {"Ja", "Franta", "Pepa", "Karel"};

// ---- the tariff as written and as applied ----------------------------------

// A number field typed and left, as a person does.
void type(QLineEdit* field, const QString& text) { FRMMain->applyNumericValue(field, text); }

QString cents(QRandomGenerator& rng, int maxUnits) {
  return QString::number(rng.bounded(maxUnits * 100 + 1) / 100.0, 'f', 2);
}

// The panel's controls that a random tariff sets, looked up once per window.
struct Panel {
  QList<QLineEdit*> multipliers, prices;
  QList<kvadus::RadioGroup*> choices;
  QList<QCheckBox*> switches;
  Panel() {
    for (const auto& pair : kvadus::tariff::pricePairs()) {
      multipliers << FRMMain->findChild<QLineEdit*>(pair.multiplier);
      prices << FRMMain->findChild<QLineEdit*>(pair.price);
    }
    for (const auto& row : kvadus::settingsfile::rows()) {
      if (!row.control || row.control == QLatin1String(kvadus::settingsfile::kStretchSwitch)) continue;
      if (row.kind == kvadus::settingsfile::Kind::Choice)
        choices << FRMMain->findChild<kvadus::RadioGroup*>(row.control);
      if (row.kind == kvadus::settingsfile::Kind::Switch) switches << FRMMain->findChild<QCheckBox*>(row.control);
    }
  }
};

// A random tariff typed into the panel: the base, then every pair by its
// price (two decimals, 0 to 1000) or now and then by a multiplier, so that
// the rounding of both forms meets every size of base; the factors, the
// choices, the switches and the names of fleks and suits.
void typeRandomSettings(QRandomGenerator& rng, const Panel& panel) {
  TFRMMain* m = FRMMain;
  auto amount = [&](int maxUnits) {
    switch (rng.bounded(4)) {
      case 0:
        return cents(rng, 1);
      case 1:
        return cents(rng, 10);
      default:
        return cents(rng, maxUnits);
    }
  };
  type(m->EDITCenaZaHru, rng.bounded(20) == 0 ? QStringLiteral("0") : amount(1000));
  for (int pair = 0; pair < panel.prices.size(); ++pair) {
    if (rng.bounded(4) == 0) type(panel.multipliers[pair], cents(rng, 1000));
    else type(panel.prices[pair], amount(1000));
  }
  // The prices follow the multipliers; a base of at most 10 keeps every
  // price within what a field takes.
  if (rng.bounded(8) == 0) type(m->EDITCenaZaHru, amount(10));
  for (QLineEdit* factor : {m->EDITCenaNasobeniCervenych, m->EDITNasobeniFleku, m->EDITFaktorNadStoNasobit})
    type(factor, QString::number(1 + rng.bounded(300) / 100.0));
  for (kvadus::RadioGroup* group : panel.choices) group->setItemIndex(rng.bounded(group->count()));
  for (QCheckBox* box : panel.switches) box->setChecked(rng.bounded(2));
  const QString letters = QStringLiteral("abcz ěšž:!-X");
  auto name = [&] {
    QString n;
    for (int i = 0, len = 1 + rng.bounded(8); i < len; ++i) n += letters[rng.bounded(letters.size())];
    return n.trimmed();  // a name is read back trimmed
  };
  for (int i = 0; i < m->LIBXFlekHraAbbrev->count(); ++i) m->LIBXFlekHraAbbrev->item(i)->setText(name());
  for (int i = 0; i < m->RAGRTrumfy->count(); ++i) {
    const QString suit = name();
    m->RAGRTrumfy->button(i)->setText(suit.isEmpty() ? QStringLiteral("x") : suit);
  }
}

// Every decimal setting as shown, and the prices of hands of every kind.
struct Priced {
  QStringList fields;
  QVector<double> hands;
};
Priced priced() {
  Priced out;
  for (QLineEdit* field : FRMMain->decimalSettings()) out.fields << field->objectName() + "=" + field->text();
  const kvadus::pricing::Tariff tariff = FRMMain->tariffFromControls();
  for (int kind = 0; kind < 64; ++kind) {
    kvadus::pricing::Hand hand{.type = kind % 4,
                               .seven = bool(kind & 4),
                               .hundred = bool(kind & 8),
                               .red = bool(kind & 16),
                               .won = !(kind & 32),
                               .declarerTens = kind & 8 ? 14 : 6,
                               .defenderTens = 3,
                               .gameFleks = kind % 3};
    hand.gameMultiplier = kvadus::pricing::flekMultiplier(tariff.flekFactor, hand.gameFleks);
    out.hands << kvadus::pricing::handAmount(hand, tariff);
  }
  return out;
}

// The settings text made from the panel, as "Vytvor" makes it.
QStringList createdText() {
  FRMMain->MEMONastaveni->clear();
  FRMMain->BUTNNastaveniVytvorClick();
  return FRMMain->settingsTextLines();
}

}  // namespace

class TestSettingsFileWindow : public QObject {
  Q_OBJECT

  ScriptedPerson person;
  DialogPerson dialogs;
  TFRMMain* m = nullptr;

  // The summary of the last apply, and that it was the last box shown.
  QString lastSummary() const {
    if (person.shown.isEmpty() || person.shown.last().caption != "Informace") return QString();
    return person.shown.last().text;
  }

 private slots:
  void init() {
    person.reset();
    dialogs.file.clear();
    dialogs.titles.clear();
  }
  void cleanup() { destroyWindows(); }

  void thePage() {
    freshWindows(true);
    m = FRMMain;
    for (const auto& row : kvadus::settingsfile::rows())
      if (row.control) QVERIFY2(m->findChildren<QWidget*>(row.control).size() == 1, row.control);
    for (const char* name : kvadus::settingsfile::sectionSwitchNames()) {
      auto* box = m->findChild<QCheckBox*>(name);
      QVERIFY2(box && box->isChecked(), name);
    }
    QVERIFY(m->CHBXPridavaniHracuNulovani->isChecked() && !m->CHBXPridavaniHracuNulovani->isEnabled());
    QVERIFY(m->MEMONastaveni->isReadOnly() && m->MEMOCHybyZpracovani->isReadOnly());
    m->CHBXPovolitEditaciNastaveni->setChecked(true);
    QVERIFY(!m->MEMONastaveni->isReadOnly() && !m->MEMOCHybyZpracovani->isReadOnly());
    m->CHBXPovolitEditaciNastaveni->setChecked(false);
    QVERIFY(m->MEMONastaveni->isReadOnly());

    // The page creates its text when it comes into view empty.
    m->flags.firstShowing = 0;
    m->show();
    m->BUTNNastaveniParametruClick();
    QVERIFY(m->MEMONastaveni->toPlainText().isEmpty());
    m->PGCTRLNastaveni->setCurrentWidget(m->TABDisk);
    QCOMPARE(m->settingsTextLines().value(0), QString("Nastaveni programu 'Zuzereru vevizor'"));
    QVERIFY(person.shown.isEmpty());
  }

  // Created from the default controls, the text is the shipped automatic
  // configuration; applied unchanged it changes nothing.
  void defaultTextRoundTrip_data() { localeRows(); }
  void defaultTextRoundTrip() {
    useRowLocale();
    createWindows();
    m = FRMMain;
    m->BUTNKontrolaCislaClick();
    m->BUTNNastaveniVytvorClick();
    const QStringList text = m->settingsTextLines();
    QCOMPARE(text.size(), 88);
    QCOMPARE(text[5], local("cena za hru : 0#10"));
    if (QLocale().decimalPoint() == ".")
      QCOMPARE(kvadus::encodeTextLines(text), bytesOf(ZUZ_SOURCE_ROOT "/nastaveni/auto.cfg"));

    const QStringList typesBefore = m->RAGRTypHry->items();
    m->BUTNPouzijNastaveniClick();
    QCOMPARE(person.texts(), QStringList({"Byla zpracovana konfigurace\n soubor            : \n radku celkem__: 88\n"
                                          "  - pouzito_____: 62\n  - ignorovano__: 26\n  - chyb_______: 0"}));
    QCOMPARE(report().size(), 88);
    QCOMPARE(FORMZadaniHracu->names(), kRoster);
    QCOMPARE(FORMZadaniHracu->EDITJmenoHrace->text(), QString("Novy hrac"));
    QCOMPARE(m->RAGRTypHry->items(), typesBefore);
    QVERIFY(m->GRPBXNastaveni->isHidden());  // no errors: the panel stays as it was
    person.reset();
    m->BUTNNastaveniVytvorClick();  // asks before replacing the text
    QCOMPARE(person.texts(), QStringList({"Textova reprezentace neni prazdna,\nopravdu chcete vytvorit novou ?"}));
    QCOMPARE(m->settingsTextLines(), text);
  }

  void valuesReachTheControls_data() { localeRows(); }
  void valuesReachTheControls() {
    useRowLocale();
    createWindows();
    m = FRMMain;
    m->BUTNKontrolaCislaClick();
    setText({"CENA ZA HRU:0,5", "pocitani nad sto (nic - n, scitat - +, nasobit - *) : x", "roztahnout okno : ano",
             "hrat i hru dvou sedem : Ne", "nasobeni fleku : 3", "nazev fleku : 9x: super", "nazev fleku : 8x: super",
             "nazev barvy : 0: srdce", "cena za hru :"});
    m->BUTNPouzijNastaveniClick();
    QCOMPARE(m->EDITCenaZaHru->text(), local("0#50"));
    QCOMPARE(m->EDITCenaZaStovku->text(), local("1#00"));  // the pairs follow the base
    QCOMPARE(m->RAGRNadSto->itemIndex(), 2);
    QVERIFY(m->CHBXOknoRoztazene->isChecked());
    QVERIFY(!m->RAGRTypHry->items().contains("dve sedmy"));  // the switch's own behaviour ran
    QCOMPARE(m->UPDNHraFlekCount->maximum(), 13);
    QCOMPARE(m->LIBXFlekHraAbbrev->item(8)->text(), QString("super"));
    QCOMPARE(m->RAGRTrumfy->itemText(0), QString("srdce"));
    QCOMPARE(m->RAGRTrumfy->itemIndex(), 0);
    for (QCheckBox* box : {m->CKBXCervene, m->CHBXCerveneVlevo, m->CHBXCerveneVpravo, m->CHBXHlaskyHlaska0})
      QCOMPARE(box->text(), QString("srdce"));
    QCOMPARE(report(), QStringList({"+           > CENA ZA HRU:0,5",
                                    "X prepinac  > pocitani nad sto (nic - n, scitat - +, nasobit - *) : x",
                                    "+           > roztahnout okno : ano", "+           > hrat i hru dvou sedem : Ne",
                                    "+           > nasobeni fleku : 3", "X hodnota   > nazev fleku : 9x: super",
                                    "+           > nazev fleku : 8x: super", "+           > nazev barvy : 0: srdce",
                                    "X hodnota   > cena za hru :"}));
    QVERIFY(lastSummary().endsWith("pouzito_____: 6\n  - ignorovano__: 0\n  - chyb_______: 3"));
    // Errors bring the report into view.
    QVERIFY(!m->GRPBXNastaveni->isHidden());
    QCOMPARE(m->PGCTRLNastaveni->currentWidget(), m->TABDisk);
    QCOMPARE(m->PGCTRLDisk->currentWidget(), m->PAGEVysledkyZpracovani);

    setText({"roztahnout okno : 1"});
    m->BUTNPouzijNastaveniClick();
    QVERIFY(!m->CHBXOknoRoztazene->isChecked());
  }

  // Hand-written lines whose price and multiplier disagree: the price wins,
  // whichever comes last; with a base of 0 both stay. The report is as ever.
  void handWrittenPriceWins() {
    freshWindows(true);
    m = FRMMain;
    auto pairs = [this] {
      return QStringList({m->EDITNasobekHryStovka->text(), m->EDITCenaZaStovku->text()}).join(' ');
    };
    setText({"cena za hru : 0.30", "cena za stovku : 0.40", "nasobeni ceny hry - stovka : 7"});
    m->BUTNPouzijNastaveniClick();
    QCOMPARE(pairs(), QString("1.3 0.40"));
    QVERIFY(lastSummary().endsWith("pouzito_____: 3\n  - ignorovano__: 0\n  - chyb_______: 0"));
    setText({"cena za hru : 0", "nasobeni ceny hry - stovka : 3", "cena za stovku : 0.20"});
    m->BUTNPouzijNastaveniClick();
    QCOMPARE(pairs(), QString("3.0 0.20"));
  }

  // The property: the text of any tariff, applied onto other settings,
  // gives back every field and the price of every hand. One window serves
  // all cases; another random tariff is typed in between, so that nothing
  // of the written one is left to hide a field the text lost.
  void randomTariffsComeBackAsWritten_data() { localeRows(); }
  void randomTariffsComeBackAsWritten() {
    useRowLocale();
    // TARIFF_SEED and TARIFF_CASES run other tariffs, or more of them.
    const quint32 seed = qEnvironmentVariableIsSet("TARIFF_SEED") ? qEnvironmentVariable("TARIFF_SEED").toUInt() : 25;
    QRandomGenerator rng(seed);
    createWindows();
    m = FRMMain;
    m->BUTNKontrolaCislaClick();
    const Panel panel;
    const int cases = qEnvironmentVariableIsSet("TARIFF_CASES") ? qEnvironmentVariableIntValue("TARIFF_CASES")
                      : QLocale().decimalPoint() == "."         ? 1000
                                                                : 200;
    for (int i = 0; i < cases; ++i) {
      typeRandomSettings(rng, panel);
      const Priced written = priced();
      const QStringList text = createdText();
      typeRandomSettings(rng, panel);
      setText(text);
      person.reset();
      m->BUTNPouzijNastaveniClick();
      const Priced applied = priced();
      const QString where = QString("seed %1 (TARIFF_SEED), case %2: %3 became %4")
                                .arg(seed)
                                .arg(i)
                                .arg(written.fields.join(' '), applied.fields.join(' '));
      QVERIFY2(lastSummary().endsWith("chyb_______: 0"), qPrintable(where));
      QVERIFY2(applied.fields == written.fields && applied.hands == written.hands, qPrintable(where));
      QVERIFY2(createdText() == text, qPrintable(where));
    }
  }

  void conversionErrorStopsTheApply() {
    freshWindows(true);
    m = FRMMain;
    setText({"nasobeni fleku : 3", "cena za hru : abc", "nasobeni cervenych : 5"});
    m->BUTNPouzijNastaveniClick();
    QCOMPARE(m->EDITNasobeniFleku->text(), QString("3"));
    QCOMPARE(m->EDITCenaNasobeniCervenych->text(), QString("2"));
    QCOMPARE(m->EDITCenaZaHru->text(), QString("0.10"));
    QCOMPARE(report(), QStringList({"+           > nasobeni fleku : 3"}));
    QCOMPARE(person.shown.size(), 1);  // no summary
    QCOMPARE(person.shown[0].caption + "|" + person.shown[0].text, QString("Chyba|'abc' neni platne cislo"));

    // An empty text applies nothing; a section switched off is neither written nor read.
    person.reset();
    m->MEMONastaveni->clear();
    m->BUTNPouzijNastaveniClick();
    QVERIFY(lastSummary().contains("radku celkem__: 0\n  - pouzito_____: 0\n  - ignorovano__: 0\n  - chyb_______: 0"));

    m->CHBXNastaveniNahravaniCeny->setChecked(false);
    m->MEMONastaveni->clear();
    m->BUTNNastaveniVytvorClick();
    QVERIFY(!m->settingsTextLines().contains("Ceny : "));
    QVERIFY(m->settingsTextLines().contains("Stovka : "));
    person.reset();
    m->BUTNNastaveniVymazClick();
    QCOMPARE(person.texts(), QStringList({"Textova reprezentace neni prazdna,\nopravdu ji chcete smazat ?"}));
    QVERIFY(m->MEMONastaveni->toPlainText().isEmpty());
    setText({"cena za hru : 0.5"});
    m->BUTNPouzijNastaveniClick();
    QCOMPARE(m->EDITCenaZaHru->text(), QString("0.10"));
    QCOMPARE(report(), QStringList({"-           > cena za hru : 0.5"}));
  }

  // Player lines replace the roster; a name that repeats asks the player
  // dialog's question, and the line counts as applied whatever the answer.
  void playerLines() {
    freshWindows(true);
    m = FRMMain;
    setText({"jmeno hrace : Karel", "jmeno hrace : Ja", "jmeno hrace : karel", "jmeno hrace : Pe;pa"});
    person.answers = {MsgAnswer::No};
    m->BUTNPouzijNastaveniClick();
    QCOMPARE(FORMZadaniHracu->names(), QStringList({"Karel", "Ja", "Pepa"}));
    QCOMPARE(person.shown[0].text,
             QString("V seznamu se jiz hrac s podobnym jmenem nachazi.\nChcete ho presto pridat ? "));
    QCOMPARE(person.shown[1].caption, QString("Chyba"));  // the ';' is removed with its message
    QVERIFY(lastSummary().contains("pouzito_____: 4"));
    QCOMPARE(FORMZadaniHracu->EDITJmenoHrace->text(), QString("Novy hrac"));

    person.reset();
    setText({"jmeno hrace : Karel", "jmeno hrace : karel"});  // Yes: both stay
    m->BUTNPouzijNastaveniClick();
    QCOMPARE(FORMZadaniHracu->names(), QStringList({"Karel", "karel"}));
  }

  void filesLoadedAndSaved() {
    WorkingFolder folder;
    freshWindows(true);
    m = FRMMain;
    m->BUTNNastaveniVytvorClick();
    const QStringList text = m->settingsTextLines();

    // Auto: written, and asked before it is overwritten.
    m->BUTNNastaveniAutoClick();
    QVERIFY(person.shown.isEmpty());
    QCOMPARE(kvadus::decodeTextLines(bytesOf("nastaveni/auto.cfg")), text);
    setText({"cena za hru : 1"});
    person.answers = {MsgAnswer::No};
    m->BUTNNastaveniAutoClick();
    QCOMPARE(person.shown.size(), 1);
    QCOMPARE(person.shown[0].caption, QString("Informace"));
    QCOMPARE(person.shown[0].buttons, MsgButtons::YesNo);
    QCOMPARE(kvadus::decodeTextLines(bytesOf("nastaveni/auto.cfg")), text);

    // Save: a new file is created after the question, in UTF-8 with CR LF.
    person.reset();
    setText({"jmeno hrace : Jiří"});
    dialogs.file = folder.path("nastaveni/nove.cfg");
    m->BUTNNastaveniUlozClick();
    QCOMPARE(dialogs.titles, QStringList({"ulozeni nastaveni"}));
    QCOMPARE(person.texts(), QStringList({"Soubor s danym jmenem neexistuje.\nOpravdu ho chcete vytvorit ?"}));
    QCOMPARE(bytesOf(dialogs.file), QString("jmeno hrace : Jiří\r\n").toUtf8());
    // A file that cannot be written: the caption and the system's reason, the text kept.
    person.reset();
    dialogs.file = folder.path("hry");
    m->BUTNNastaveniUlozClick();
    QCOMPARE(person.shown.size(), 2);
    QCOMPARE(person.shown[1].caption, QString("Chyba pri zapisu konfigurace"));
    QVERIFY(!person.shown[1].text.isEmpty());
    QCOMPARE(m->settingsTextLines(), QStringList({"jmeno hrace : Jiří"}));

    // Load: replaces the text after the question, applies nothing; the
    // summary of the next apply names the file, the one after does not.
    person.reset();
    writeBytes("nastaveni/b.cfg", "nasobeni fleku : 4\rnasobeni cervenych : 3\n");
    dialogs.file = folder.path("nastaveni/b.cfg");
    m->BUTNNastaveniNahrejClick();
    QCOMPARE(person.texts(), QStringList({"Textova reprezentace neni prazdna,\nopravdu chcete nahrat jinou ?"}));
    QCOMPARE(m->settingsTextLines(), QStringList({"nasobeni fleku : 4", "nasobeni cervenych : 3"}));
    QCOMPARE(m->EDITNasobeniFleku->text(), QString("2"));
    m->BUTNPouzijNastaveniClick();
    QCOMPARE(m->EDITNasobeniFleku->text(), QString("4"));
    QVERIFY(lastSummary().contains(" soubor            : " + QDir::toNativeSeparators(dialogs.file) + "\n"));
    m->BUTNPouzijNastaveniClick();
    QVERIFY(lastSummary().contains(" soubor            : \n"));

    // A file that cannot be read: its message, and the text is cleared.
    person.reset();
    dialogs.file = folder.path("nastaveni/chybi.cfg");
    m->BUTNNastaveniNahrejClick();
    QCOMPARE(person.shown.last().caption, QString("Chyba pri nahravani konfigurace"));
    QVERIFY(m->MEMONastaveni->toPlainText().isEmpty());
  }

  // The file chosen at start is applied: here the automatic configuration,
  // named in other letters and written by an older tool in the Central
  // European code page; it is offered and applied under its own name, and
  // "Auto" writes into it.
  void startAppliesTheChosenFile() {
    WorkingFolder folder;
    writeBytes("nastaveni/b.cfg", "x");
    writeBytes("nastaveni/Auto.cfg",
               QStringEncoder("windows-1250")
                   .encode(QString("cena za hru : 0,2\r\njmeno hrace : Jiří\r\njmeno hrace : Žofie\r\n"
                                   "automaticky otevirat i jmena hracu : Ano\r\n")));
    freshWindows();
    m = FRMMain;
    QCOMPARE(FRMFileSelect->COMBOFileList->itemText(0) + " " + FRMFileSelect->COMBOFileList->itemText(1),
             QString("Auto.cfg b.cfg"));
    QCOMPARE(FRMFileSelect->EDITSelectedFile->text(), QDir::toNativeSeparators("nastaveni/Auto.cfg"));
    firstShowing(FRMFileSelect->BUTNOk);
    QCOMPARE(FORMZadaniHracu->names(), QStringList({"Jiří", "Žofie"}));
    QCOMPARE(m->EDITCenaZaHru->text(), QString("0.20"));
    QCOMPARE(m->EDITCenaZaBetla->text(), QString("1.00"));
    QCOMPARE(person.shown.size(), 1);  // the summary, the only box
    QVERIFY(person.shown[0].text.contains(" soubor            : " + QDir::toNativeSeparators("nastaveni/Auto.cfg")));
    QVERIFY(FORMZadaniHracu->isVisible());
    QVERIFY(!m->MEMOPokec->toPlainText().isEmpty());  // the start went on

    setText({"cena za hru : 0.7"});
    m->BUTNNastaveniAutoClick();
    QCOMPARE(person.shown.last().caption, QString("Informace"));  // asked before it is overwritten
    QCOMPARE(bytesOf("nastaveni/Auto.cfg"), QByteArray("cena za hru : 0.7\r\n"));
    QCOMPARE(QDir("nastaveni").entryList(QDir::Files), QStringList({"Auto.cfg", "b.cfg"}));
  }

  void startWithoutSettingsOrQuit() {
    WorkingFolder folder;
    writeBytes("nastaveni/auto.cfg", "cena za hru : 0.5\r\n");
    freshWindows();
    FRMFileSelect->BUTNClearClick();  // "<< prazdne"
    firstShowing(FRMFileSelect->BUTNOk);
    QCOMPARE(FRMMain->EDITCenaZaHru->text(), QString("0.10"));
    QVERIFY(person.shown.isEmpty());
    destroyWindows();

    freshWindows();
    firstShowing(FRMFileSelect->BUTNExit);
    QVERIFY(FRMFileSelect->CHBXExit->isChecked());
    QVERIFY(!FRMMain->isVisible());
    QCOMPARE(FRMMain->EDITCenaZaHru->text(), QString("0.1"));  // nothing applied, not even checked
    QVERIFY(person.shown.isEmpty());
  }

  void selectionDialog() {
    WorkingFolder folder;
    for (const char* name : {"b.cfg", "auto.cfg", "A.cfg"}) writeBytes(QString("nastaveni/") + name, "x");
    QDir().mkdir("nastaveni/slozka.cfg");  // no folders in the list
    freshWindows();
    TFRMFileSelect* d = FRMFileSelect;
    QCOMPARE(d->LABLNastaveniPath->text(), QString("soubory v adresari  \"nastaveni\""));
    QStringList entries;
    for (int i = 0; i < d->COMBOFileList->count(); ++i) entries << d->COMBOFileList->itemText(i);
    QCOMPARE(entries, QStringList({"auto.cfg", "A.cfg", "b.cfg"}));
    QCOMPARE(d->COMBOFileList->currentIndex(), 0);
    QCOMPARE(d->EDITSelectedFile->text(), QDir::toNativeSeparators("nastaveni/auto.cfg"));
    d->COMBOFileList->setCurrentIndex(2);
    QCOMPARE(d->EDITSelectedFile->text(), QDir::toNativeSeparators("nastaveni/b.cfg"));
    d->BUTNClear->click();
    QVERIFY(d->EDITSelectedFile->text().isEmpty());
    QCOMPARE(d->COMBOFileList->currentIndex(), -1);
    dialogs.file = folder.path("hry/jine.txt");
    writeBytes(dialogs.file, "x");
    d->COMBOFileList->setCurrentIndex(1);
    d->BUTNChangePath->click();
    QCOMPARE(d->EDITSelectedFile->text(), QDir::toNativeSeparators(dialogs.file));
    QCOMPARE(d->COMBOFileList->currentIndex(), -1);

    person.openerSucceeds = false;
    d->BUTNHelp->click();
    const QString help = QDir::toNativeSeparators("help/help.htm");
    QCOMPARE(person.opened, QStringList({help}));
    QCOMPARE(person.texts(), QStringList({"Nelze otevrit tento soubor s napovedou :\n" + help}));

    // Without the automatic file nothing is chosen.
    QVERIFY(QFile::remove("nastaveni/auto.cfg"));
    d->BUTNLoadFilesClick();
    QCOMPARE(d->COMBOFileList->count(), 2);
    QCOMPARE(d->COMBOFileList->currentIndex(), -1);

    // No system buttons: the window manager draws no frame (one would bring
    // its buttons), the window its own title bar; dragged, the window moves;
    // Escape still quits.
    QVERIFY(d->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(d->LABLTitulek->text(), QString("Vyberte nastaveni"));
    QCOMPARE(d->LABLTitulek->geometry(), QRect(1, 1, d->width() - 2, d->LABLTitulek->height()));
    QVERIFY(d->LABLNastaveniPath->mapTo(d, QPoint(0, 0)).y() > d->LABLTitulek->geometry().bottom());

    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    const QPoint at = d->pos();
    QTest::mousePress(d->LABLTitulek, Qt::LeftButton, {}, {50, 10});
    QTest::mouseMove(d->LABLTitulek, {90, 30});
    QTest::mouseRelease(d->LABLTitulek, Qt::LeftButton, {}, {90, 30});
    QCOMPARE(d->pos(), at + QPoint(40, 20));
    d->hide();

    QTimer::singleShot(0, d, [d] { QTest::keyClick(d, Qt::Key_Escape); });
    QCOMPARE(d->exec(), int(QDialog::Rejected));
    QVERIFY(d->CHBXExit->isChecked());
  }
};

QTEST_MAIN(TestSettingsFileWindow)
#include "test_settingsfile_window.moc"
