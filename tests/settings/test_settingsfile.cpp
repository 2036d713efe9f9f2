// The settings text as plain rules: the writer, the reader with its report
// and counters, the selection's file list. Under a '.' and a ',' locale
// wherever a decimal is written or read.

#include "common/textfile.h"
#include "settings/settingsfile.h"
#include "testsupport.h"

#include <QFile>
#include <QLocale>
#include <QStringEncoder>
#include <QtTest>

using namespace kvadus::settingsfile;
using testsupport::local;

namespace {

const QStringList kRoster = {"Ja", "Franta", "Pepa", "Karel"};

// What the window does with the changes, done on plain values.
void applyTo(Values& v, const ReadResult& r) {
  bool rosterEmptied = false;
  for (const Change& c : r.changes) {
    switch (c.kind) {
      case Kind::Decimal:
        v.decimals[c.control] = c.text;
        break;
      case Kind::Choice:
        v.choices[c.control] = c.index;
        break;
      case Kind::Switch:
        v.switches[c.control] = c.on;
        break;
      case Kind::Players:
        if (!rosterEmptied) v.players.clear();
        rosterEmptied = true;
        v.players << c.text;
        break;
      case Kind::Fleks:
        v.fleks[c.index] = c.text;
        break;
      case Kind::Suits:
        v.suits[c.index] = c.text;
        break;
      case Kind::Section:
        break;
    }
  }
}

ReadResult read(const QStringList& lines, bool fits = true) { return readSettings(lines, kAllSections, fits); }

QString statusOf(const QString& reportLine) { return reportLine.left(11); }

}  // namespace

class TestSettingsFile : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

  void theTable() {
    QCOMPARE(rows().size(), 56);
    QSet<QString> keys;
    int valueRows = 0;
    for (const Row& row : rows()) {
      keys << QString(row.key).toLower();
      if (row.kind == Kind::Decimal || row.kind == Kind::Choice || row.kind == Kind::Switch) {
        ++valueRows;
        QVERIFY2(row.control, row.key);
      }
      if (row.kind == Kind::Choice) QVERIFY2(row.letters && *row.letters, row.key);
    }
    QCOMPARE(keys.size(), rows().size());  // every key finds its own row
    QCOMPARE(valueRows, 45);
  }

  // The default text, byte for byte where the format fixes it, and the
  // shipped automatic configuration is exactly the writer's text.
  void defaultText() {
    const QStringList text = writeSettings(defaultValues(kRoster));
    QCOMPARE(text.size(), 2 + 24 + 45 + 4 + 9 + 4);
    QCOMPARE(text.mid(0, 7),
             QStringList({"Nastaveni programu 'Zuzereru vevizor'", "=====================================", "",
                          "Ceny : ", "------", "cena za hru : 0.10", "nasobeni ceny hry - stovka : 2.0"}));
    QCOMPARE(text.mid(16, 8), QStringList({"nasobeni cervenych : 2", "nasobeni fleku : 2", "", "Stovka : ", "--------",
                                           "pocitani nad sto (nic - n, scitat - +, nasobit - *) : *",
                                           "odkud pocitat prohranych sto (uhrane body - u, proti - p) : p",
                                           "pri prohrane stovce zapocitavat i hlasky : Ne"}));
    QVERIFY(text.contains("cena za durcha : 1.00"));
    QVERIFY(text.contains("roztahnout okno : Ne"));
    QVERIFY(text.contains("jmeno hrace : Franta"));
    QVERIFY(text.contains("nazev fleku : 0x: "));
    QVERIFY(text.contains("nazev fleku : 8x: help! :-)"));
    QCOMPARE(text.last(), QString("nazev barvy : 3: zaludy"));

    const QByteArray bytes = kvadus::encodeTextLines(text);
    QVERIFY(bytes.startsWith(
        "Nastaveni programu 'Zuzereru vevizor'\r\n=====================================\r\n\r\nCeny : \r\n"));
    QVERIFY(bytes.endsWith("nazev barvy : 3: zaludy\r\n"));
    QFile shipped(QStringLiteral(ZUZ_SOURCE_ROOT "/nastaveni/auto.cfg"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), bytes);
  }

  void defaultTextAppliesUnchanged_data() { testsupport::localeRows(); }
  void defaultTextAppliesUnchanged() {
    testsupport::useRowLocale();
    const Values before = defaultValues(kRoster);
    const QStringList text = writeSettings(before);
    QVERIFY(text.contains(local("cena za hru : 0#10")));
    // Through the file form: what is written reads back as it was.
    const ReadResult r = read(kvadus::decodeTextLines(kvadus::encodeTextLines(text)));
    QCOMPARE(r.lines, text.size());
    QCOMPARE(r.ignored, 26);
    QCOMPARE(r.errors, 0);
    QCOMPARE(r.used, text.size() - 26);
    QCOMPARE(r.report.size(), text.size());
    QCOMPARE(r.report[5], "+           > " + local("cena za hru : 0#10"));
    QCOMPARE(r.report[3], QString("-           > Ceny : "));
    Values after;  // nothing set: every value comes from the text
    after.fleks = QStringList(kFlekCount, "?");
    after.suits = QStringList(kSuitCount, "?");
    applyTo(after, r);
    QCOMPARE(writeSettings(after), text);
  }

  void decimals_data() { testsupport::localeRows(); }
  void decimals() {
    testsupport::useRowLocale();
    // Key case and spacing do not matter, either mark is accepted.
    ReadResult r = read({"CENA ZA HRU:0,5", "cena za hru : 0.25", "  nasobeni fleku   :  3  "});
    QCOMPARE(r.used, 3);
    QCOMPARE(r.changes.size(), 3);
    QCOMPARE(r.changes[0].control, QString("EDITCenaZaHru"));
    QCOMPARE(r.changes[0].text, local("0#5"));
    QCOMPARE(r.changes[1].text, local("0#25"));  // the later line wins, applied after
    QCOMPARE(r.changes[2].control + r.changes[2].text, QString("EDITNasobeniFleku3"));

    r = read({"cena za hru : -1", "cena za hru : 2000000", "cena za hru :   ", "cena za hru : 0.3"});
    QCOMPARE(r.report, QStringList({"X zaporne   > cena za hru : -1", "X hodnota   > cena za hru : 2000000",
                                    "X hodnota   > cena za hru :   ", "+           > cena za hru : 0.3"}));
    QCOMPARE(r.errors, 3);
    QCOMPARE(r.changes.size(), 1);
  }

  // A number that does not convert stops at its line: what came before
  // stays, nothing after is read.
  void conversionErrorStops_data() { testsupport::localeRows(); }
  void conversionErrorStops() {
    testsupport::useRowLocale();
    for (const QString& bad : {QString("abc"), QString("1e2"), QString("1.2.3"), QString("inf")}) {
      const ReadResult r = read({"cena za betla : 1", "bez dvojtecky", "cena za hru : " + bad, "nasobeni fleku : 3"});
      QVERIFY2(r.stopped, qPrintable(bad));
      QCOMPARE(r.stopLine, 2);
      QCOMPARE(r.stopMessage, "'" + bad + "' neni platne cislo");
      QCOMPARE(r.report.size(), 2);
      QCOMPARE(r.lines, 2);
      QCOMPARE(r.changes.size(), 1);
    }
    // An item number that is no whole number stops too.
    for (const QString& bad : {QString("x: super"), QString("99999999999x: super")}) {
      const ReadResult r = read({"nazev fleku : " + bad, "nazev fleku : 1x: a"});
      QVERIFY(r.stopped && r.changes.isEmpty() && r.report.isEmpty());
    }
  }

  void choices() {
    const ReadResult r = read({"pocitani nad sto (nic - n, scitat - +, nasobit - *) : x",
                               "pocitani nad sto (nic - n, scitat - +, nasobit - *) : +",
                               "odkud pocitat prohranych sto (uhrane body - u, proti - p) : Uhrane",
                               "pocitani pauzirujicich hracu s (vitezem - v, porazenymi - p, nehraji - n, "
                               "do krize - k) : K"});
    QCOMPARE(statusOf(r.report[0]), status::badChoice);
    QCOMPARE(r.changes.size(), 3);
    QCOMPARE(r.changes[0].control + QString::number(r.changes[0].index), QString("RAGRNadSto1"));
    QCOMPARE(r.changes[1].index, 0);  // the first letter, either case
    QCOMPARE(r.changes[2].control + QString::number(r.changes[2].index), QString("RAGRPocitaniPauziraku3"));
  }

  void switches() {
    ReadResult r = read(
        {"roztahnout okno : ano", "roztahnout okno : 1", "zobrazovat druhy her : Ne", "hrat i hru dvou sedem : a"});
    QCOMPARE(r.changes.size(), 4);
    QVERIFY(r.changes[0].on && !r.changes[1].on && !r.changes[2].on && r.changes[3].on);
    QCOMPARE(r.changes[0].control, QString("CHBXOknoRoztazene"));
    // The stretched window that does not fit the screen is refused.
    r = read({"roztahnout okno : ano", "zobrazovat druhy her : Ano"}, false);
    QCOMPARE(r.report[0], QString("X - displej > roztahnout okno : ano"));
    QCOMPARE(r.errors, 1);
    QCOMPARE(r.changes.size(), 1);
  }

  void sectionSwitchedOff() {
    Values v = defaultValues(kRoster);
    v.sections[Prices] = false;
    const QStringList text = writeSettings(v);
    QVERIFY(!text.contains("Ceny : "));
    QCOMPARE(text.size(), 2 + 21 + 32 + 4 + 9 + 4);
    QCOMPARE(text[3], QString("Stovka : "));

    Sections noPrices = kAllSections;
    noPrices[Prices] = false;
    const QStringList withPrices = writeSettings(defaultValues(kRoster)).mid(2, 15);
    const ReadResult r = readSettings(withPrices, noPrices, true);
    QCOMPARE(r.ignored, withPrices.size());
    QVERIFY(r.changes.isEmpty());
    for (const QString& line : r.report) QCOMPARE(statusOf(line), status::ignored);
  }

  void ignoredLines() {
    const ReadResult r = read({"", "bez dvojtecky", "neznamy klic : 1", "Stovka : x", ": 1", "Ceny :"});
    QCOMPARE(r.ignored, 6);
    QCOMPARE(r.lines, 6);
  }

  void playersFleksAndSuits() {
    ReadResult r = read({"jmeno hrace : Karel", "JMENO HRACE:Ja", "jmeno hrace : karel"});
    QCOMPARE(r.used, 3);
    QVERIFY(r.hasPlayers());
    Values v = defaultValues(kRoster);
    applyTo(v, r);
    QCOMPARE(v.players, QStringList({"Karel", "Ja", "karel"}));

    r = read({"nazev fleku : 9x: super", "nazev fleku : 8x: super", "nazev fleku : 3",
              "nazev fleku : 0x: ", "nazev fleku : 2x: re: znovu", "nazev fleku : 07x:sedm"});
    QCOMPARE(statusOf(r.report[0]), status::badValue);
    QCOMPARE(statusOf(r.report[2]), status::badValue);  // no ':' in the value
    QCOMPARE(r.errors, 2);
    applyTo(v, r);
    QCOMPARE(v.fleks.value(8), QString("super"));
    QCOMPARE(v.fleks.value(0), QString());
    QCOMPARE(v.fleks.value(2), QString("re: znovu"));  // only the first ':' separates
    QCOMPARE(v.fleks.value(7), QString("sedm"));

    r = read({"nazev barvy : 4: nic", "nazev barvy : 0: srdce"});
    QCOMPARE(statusOf(r.report[0]), status::badValue);
    QCOMPARE(r.changes.size(), 1);
    QCOMPARE(r.changes[0].index, 0);
    QCOMPARE(r.changes[0].text, QString("srdce"));
  }

  // Old files came in the Central European code page, with any line end.
  void legacyCodePageAndLineEnds() {
    const QString name = QString::fromUtf8("Jiří Šťastný");
    QStringEncoder legacy("windows-1250");
    QByteArray bytes = "jmeno hrace : " + QByteArray(legacy.encode(name)) + "\rnasobeni fleku : 3\n" +
                       "zobrazovat druhy her : Ne\r\nroztahnout okno : Ano";
    const ReadResult r = read(kvadus::decodeTextLines(bytes));
    QCOMPARE(r.lines, 4);
    QCOMPARE(r.used, 4);
    QCOMPARE(r.changes[0].text, name);
  }

  void summaryText() {
    const ReadResult r = read({"", "cena za hru : 1", "cena za hru : x1"});
    QVERIFY(r.stopped);
    const ReadResult ok = read({"", "cena za hru : 1", "cena za hru : -1"});
    QCOMPARE(summary("nastaveni/a.cfg", ok),
             QString("Byla zpracovana konfigurace\n soubor            : nastaveni/a.cfg\n radku celkem__: 3\n"
                     "  - pouzito_____: 1\n  - ignorovano__: 1\n  - chyb_______: 1"));
    QCOMPARE(read({}).lines, 0);
  }

  void selectionFileList() {
    FileList list = settingsFileList({"b.cfg", "auto.cfg", "A.cfg"});
    QCOMPARE(list.entries, QStringList({"auto.cfg", "A.cfg", "b.cfg"}));
    QCOMPARE(list.autoName, QString("auto.cfg"));
    list = settingsFileList({"b.cfg", "Zz.txt", "A.cfg", "_x"});
    QCOMPARE(list.entries, QStringList({"A.cfg", "Zz.txt", "_x", "b.cfg"}));  // plain character codes
    QVERIFY(list.autoName.isEmpty());
    // The automatic file in any letter case is the automatic file, under its
    // own name; the exact name wins, and no other file is ever left out.
    list = settingsFileList({"b.cfg", "AUTO.CFG", "A.cfg"});
    QCOMPARE(list.entries, QStringList({"AUTO.CFG", "A.cfg", "b.cfg"}));
    QCOMPARE(list.autoName, QString("AUTO.CFG"));
    list = settingsFileList({"Auto.cfg", "auto.cfg", "AUTO.CFG"});
    QCOMPARE(list.entries, QStringList({"auto.cfg", "AUTO.CFG", "Auto.cfg"}));
    QCOMPARE(automaticFile({"b.cfg", "aUto.cfg", "Auto.cfg"}), QString("Auto.cfg"));
    QVERIFY(automaticFile({"auto.cfg.bak", "xauto.cfg"}).isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
