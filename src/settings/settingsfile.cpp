#include "settings/settingsfile.h"

#include "common/textforms.h"

#include <algorithm>

namespace kvadus::settingsfile {

namespace {

constexpr Kind N = Kind::Section;
constexpr Kind E = Kind::Decimal;
constexpr Kind R = Kind::Choice;
constexpr Kind C = Kind::Switch;

const QString kTitle = QStringLiteral("Nastaveni programu 'Zuzereru vevizor'");
const QString kSeparator = QStringLiteral(" : ");

// The value after the first ':' trimmed; the item number is the run of
// digits at the front of the value, the name what follows the value's first
// ':'. The number reads as -1 when it is no whole number at all.
struct NumberedName {
  bool hasColon = false;
  QString digits;
  QString name;
};
NumberedName numberedName(const QString& value) {
  NumberedName out;
  const qsizetype colon = value.indexOf(u':');
  out.hasColon = colon >= 0;
  if (!out.hasColon) return out;
  out.name = value.mid(colon + 1).trimmed();
  qsizetype end = 0;
  while (end < value.size() && value.at(end) >= u'0' && value.at(end) <= u'9') ++end;
  out.digits = value.left(end);
  return out;
}

QString conversionMessage(const QString& text, bool whole) {
  return QLatin1Char('\'') + text +
         (whole ? QStringLiteral("' neni platne cele cislo") : QStringLiteral("' neni platne cislo"));
}

}  // namespace

const std::array<const char*, kSectionCount>& sectionSwitchNames() {
  static const std::array<const char*, kSectionCount> names = {
      "CHBXNastaveniNahravaniCeny",     "CHBXNastaveniNahravaniSto",     "CHBXNastaveniNahravaniDveSedmy",
      "CHBXNastaveniNahravaniPauzirak", "CHBXNastaveniNahravaniOstatni", "CHBXUkladatIJmenaHracu",
      "CHBXNastaveniNazvyFleku",        "CHBXNastaveniNazvyBarev"};
  return names;
}

const QVector<Row>& rows() {
  static const QVector<Row> table = {
      {N, "Ceny", nullptr, nullptr, Prices},
      {E, "cena za hru", "EDITCenaZaHru", nullptr, Prices},
      {E, "nasobeni ceny hry - stovka", "EDITNasobekHryStovka", nullptr, Prices},
      {E, "nasobeni ceny hry - nehlasena sedma", "EDITNasobekHrySedmaNeHlasena", nullptr, Prices},
      {E, "nasobeni ceny hry - sedma", "EDITNasobekHrySedmaHlasena", nullptr, Prices},
      {E, "nasobeni ceny hry - betl", "EDITNasobekHryBetl", nullptr, Prices},
      {E, "nasobeni ceny hry - durch", "EDITNasobekHryDruch", nullptr, Prices},
      {E, "cena za stovku", "EDITCenaZaStovku", nullptr, Prices},
      {E, "cena za sedmu nehlasenou", "EDITCenaZaSedmuNehlasenou", nullptr, Prices},
      {E, "cena za sedmu", "EDITCenaZaSedmu", nullptr, Prices},
      {E, "cena za betla", "EDITCenaZaBetla", nullptr, Prices},
      {E, "cena za durcha", "EDITCenaZaDurcha", nullptr, Prices},
      {E, "nasobeni cervenych", "EDITCenaNasobeniCervenych", nullptr, Prices},
      {E, "nasobeni fleku", "EDITNasobeniFleku", nullptr, Prices},

      {N, "Stovka", nullptr, nullptr, Hundred},
      {R, "pocitani nad sto (nic - n, scitat - +, nasobit - *)", "RAGRNadSto", "n+*", Hundred},
      {R, "odkud pocitat prohranych sto (uhrane body - u, proti - p)", "RAGRPocitaniProhraneStovky", "up", Hundred},
      {C, "pri prohrane stovce zapocitavat i hlasky", "CHBXProhranychStoPocitatIHlasky", nullptr, Hundred},
      {R, "hlasky pri hlasene stovce (prvni a dalsi pripocitat - +, pouze prvni - p, vsechny - v)",
       "RAGRPocitaniHlasekUStovky", "+pv", Hundred},
      {E, "zaklad pro nad sto pricitani - nasobek hry", "EDITFaktorNadStoNasobekHry", nullptr, Hundred},
      {E, "zaklad pro nad sto pricitani", "EDITFaktorNadStoPricitat", nullptr, Hundred},
      {E, "pri nasobeni bodu nad sto nasobit krat", "EDITFaktorNadStoNasobit", nullptr, Hundred},
      {R, "nad sto pocitat (dohromady - d, zvlast - z)", "RAGRStovkaZpusobPocitani", "dz", Hundred},
      {E, "zaklad pro pocitani stovky zvlast - nasobek hry", "EDITCenaZaStovkuNasobekHry", nullptr, Hundred},
      {E, "zaklad pro pocitani stovky zvlast", "EDITCenaZaStovkuPripocitat", nullptr, Hundred},

      {N, "Dve sedmy", nullptr, nullptr, TwoSevens},
      {C, "hrat i hru dvou sedem", "CHBXHratDveSedmy", nullptr, TwoSevens},
      {E, "cena za dve sedmy - nasobek hry", "EDITCenaZaDveSedmyNasobek", nullptr, TwoSevens},
      {E, "cena za dve sedmy cervene - nasobek hry", "EDITCenaZaDveSedmyCerveneNasobek", nullptr, TwoSevens},
      {E, "cena za dve sedmy", "EDITCenaZaDveSedmy", nullptr, TwoSevens},
      {E, "cena za dve sedmy cervene", "EDITCenaZaDveSedmyCervene", nullptr, TwoSevens},
      {C, "hrat dve sedmy i se stovkou", "CHBXDveSedmyAStovka", nullptr, TwoSevens},
      {C, "pocitat i tichou stovku u dvou sedem", "CHBXDveSedmyAStovkaTicha", nullptr, TwoSevens},
      {R, "zpusob pocitani stovky u dvou sedem (zvlast - z, dohromady - d)", "RAGRPocitaniDvouSedemNadSto", "zd",
       TwoSevens},

      {N, "Pauzirovany kvadus", nullptr, nullptr, SittingOut},
      {C, "povoleno i hrani pauzirovaneho kvaduse", "CKBXHraniPauzirovaneho", nullptr, SittingOut},
      {C, "povolena i hra jen ve dvou (lizany)", "CHBXPovolenaHraVeDvou", nullptr, SittingOut},
      {R, "pocitani pauzirujicich hracu s (vitezem - v, porazenymi - p, nehraji - n, do krize - k)",
       "RAGRPocitaniPauziraku", "vpnk", SittingOut},
      {R, "zpusob placeni kvaduse do krize ve hre dva na dva(jen jednomu - 1, obema - 2)", "RAGRPocitaniKrizoveho",
       "12", SittingOut},

      {N, "Ostatni nastaveni", nullptr, nullptr, Other},
      {C, "povolit opravy vypocitanych hodnot", "CHBXOpravyHodnot", nullptr, Other},
      {C, "zobrazovat druhy her", "CKBXZobrazovatDruhyHer", nullptr, Other},
      {C, "vynulovat hru po pridani", "CHBXNulovatPoPridani", nullptr, Other},
      {C, "kontrolovat pocet bodu ve hre na min. a max.", "CHKBXKontrolovatPocetBodu", nullptr, Other},
      {C, "kontrolovat soucet poctu bodu ve hre na suda cisla", "CHKBXKontrolovatPocetBoduLiche", nullptr, Other},
      {C, "automaticky otevirat i jmena hracu", "CHBXPoStartuOtevritJmena", nullptr, Other},
      {C, "zobrazovat bublinkovou napovedu", "CHBXZobrazovatBublinkovouNapovedu", nullptr, Other},
      {C, "zobrazovat rozsirene pocitani bodu", "CHBXRozsirenePocitaniBodu", nullptr, Other},
      {C, "v nazvu hry zobrazovat jmena hracu", "CHBXVNazvuHryZobrazovatJmena", nullptr, Other},
      {C, "roztahnout okno", kStretchSwitch, nullptr, Other},

      {N, "Jmena v seznamu jmen hracu", nullptr, nullptr, PlayerNames},
      {Kind::Players, "jmeno hrace", nullptr, nullptr, PlayerNames},
      {N, "Pojmenovani fleku", nullptr, nullptr, FlekNames},
      {Kind::Fleks, "nazev fleku", nullptr, nullptr, FlekNames},
      {N, "Pojmenovani barev", nullptr, nullptr, SuitNames},
      {Kind::Suits, "nazev barvy", nullptr, nullptr, SuitNames},
  };
  return table;
}

// ---- writing --------------------------------------------------------------------

QStringList writeSettings(const Values& values) {
  QStringList out;
  out << kTitle << QString(kTitle.size(), u'=');
  for (const Row& row : rows()) {
    if (!values.sections[row.section]) continue;
    const QString prefix = QLatin1String(row.key) + kSeparator;
    const QString control = row.control ? QLatin1String(row.control) : QString();
    switch (row.kind) {
      case Kind::Section:
        out << QString() << prefix << QString(prefix.size() - 1, u'-');
        break;
      case Kind::Decimal:
        out << prefix + values.decimals.value(control);
        break;
      case Kind::Choice: {
        const QString letters = QLatin1String(row.letters);
        const int index = values.choices.value(control, 0);
        out << prefix + letters.mid(std::clamp(index, 0, int(letters.size()) - 1), 1);
        break;
      }
      case Kind::Switch:
        out << prefix + (values.switches.value(control) ? QStringLiteral("Ano") : QStringLiteral("Ne"));
        break;
      case Kind::Players:
        for (const QString& name : values.players) out << prefix + name;
        break;
      case Kind::Fleks:
        for (int i = 0; i < values.fleks.size(); ++i)
          out << prefix + QString::number(i) + QStringLiteral("x: ") + values.fleks[i];
        break;
      case Kind::Suits:
        for (int i = 0; i < values.suits.size(); ++i)
          out << prefix + QString::number(i) + QStringLiteral(": ") + values.suits[i];
        break;
    }
  }
  return out;
}

// ---- reading --------------------------------------------------------------------

QString reportLine(const QString& status, const QString& line) { return status + QStringLiteral(" > ") + line; }

bool ReadResult::hasPlayers() const {
  return std::any_of(changes.begin(), changes.end(), [](const Change& c) { return c.kind == Kind::Players; });
}

ReadResult readSettings(const QStringList& lines, const Sections& sections, bool stretchFits) {
  ReadResult r;
  const QChar mark = systemDecimalSeparator();
  for (int i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    // Counts the line under the status, and reports it.
    auto report = [&](const QString& status) {
      ++r.lines;
      if (status == status::applied) ++r.used;
      else if (status == status::ignored) ++r.ignored;
      else ++r.errors;
      r.report << reportLine(status, line);
    };
    auto stop = [&](const QString& message) {
      r.stopped = true;
      r.stopLine = i;
      r.stopMessage = message;
    };

    const qsizetype colon = line.indexOf(u':');
    if (colon < 0) {
      report(status::ignored);
      continue;
    }
    const QString key = line.left(colon).trimmed();
    const Row* row = nullptr;
    for (const Row& candidate : rows())
      if (key.compare(QLatin1String(candidate.key), Qt::CaseInsensitive) == 0) {
        row = &candidate;
        break;
      }
    if (!row || row->kind == Kind::Section || !sections[row->section]) {
      report(status::ignored);
      continue;
    }
    const QString value = line.mid(colon + 1).trimmed();
    if (value.isEmpty()) {
      report(status::badValue);
      continue;
    }

    Change change;
    change.kind = row->kind;
    change.control = row->control ? QLatin1String(row->control) : QString();
    change.line = i;
    switch (row->kind) {
      case Kind::Section:
        break;
      case Kind::Decimal: {
        const QString text = normalizeDecimalMark(value, mark);
        double number = 0;
        if (!strictNumber(text, mark, &number)) {
          stop(conversionMessage(value, false));
          return r;
        }
        if (number < 0) {
          report(status::negative);
          continue;
        }
        // Beyond what a tariff field takes: the field's own check would
        // refuse it with a question in the middle of the reading.
        if (number > tariff::kMaxSettingValue) {
          report(status::badValue);
          continue;
        }
        change.text = text;
        break;
      }
      case Kind::Choice: {
        const QString letters = QString::fromLatin1(row->letters).toUpper();
        const qsizetype index = letters.indexOf(value.front().toUpper());
        if (index < 0) {
          report(status::badChoice);
          continue;
        }
        change.index = int(index);
        break;
      }
      case Kind::Switch:
        if (change.control == QLatin1String(kStretchSwitch) && !stretchFits) {
          report(status::noDisplay);
          continue;
        }
        change.on = value.front() == u'A' || value.front() == u'a';
        break;
      case Kind::Players:
        change.text = value;
        break;
      case Kind::Fleks:
      case Kind::Suits: {
        const NumberedName n = numberedName(value);
        if (!n.hasColon) {
          report(status::badValue);
          continue;
        }
        bool whole = false;
        const int number = n.digits.toInt(&whole);
        if (!whole) {
          stop(conversionMessage(n.digits, true));
          return r;
        }
        const int count = row->kind == Kind::Fleks ? kFlekCount : kSuitCount;
        if (number >= count) {
          report(status::badValue);
          continue;
        }
        change.index = number;
        change.text = n.name;
        break;
      }
    }
    r.changes << change;
    report(status::applied);
  }
  return r;
}

QVector<tariff::GivenPair> givenPairs(const ReadResult& result) {
  QVector<tariff::GivenPair> given(tariff::kPairCount);
  for (const Change& c : result.changes) {
    if (c.kind != Kind::Decimal) continue;
    const tariff::PairPosition pos = tariff::pairOf(c.control);
    if (pos.pair == 0) continue;
    (pos.multiplier ? given[pos.pair - 1].multiplier : given[pos.pair - 1].price) = c.text;
  }
  return given;
}

QString summary(const QString& fileName, const ReadResult& r) {
  return QStringLiteral("Byla zpracovana konfigurace") + QStringLiteral("\n soubor            : ") + fileName +
         QStringLiteral("\n radku celkem__: ") + QString::number(r.lines) + QStringLiteral("\n  - pouzito_____: ") +
         QString::number(r.used) + QStringLiteral("\n  - ignorovano__: ") + QString::number(r.ignored) +
         QStringLiteral("\n  - chyb_______: ") + QString::number(r.errors);
}

Values defaultValues(const QStringList& players) {
  Values v;
  const QList<QPair<const char*, double>> prices = {{"EDITCenaZaHru", 0.1},
                                                    {"EDITNasobekHryStovka", -2},
                                                    {"EDITCenaZaStovku", 0.2},
                                                    {"EDITNasobekHrySedmaNeHlasena", -1},
                                                    {"EDITCenaZaSedmuNehlasenou", 0.1},
                                                    {"EDITNasobekHrySedmaHlasena", -2},
                                                    {"EDITCenaZaSedmu", 0.2},
                                                    {"EDITNasobekHryBetl", -5},
                                                    {"EDITCenaZaBetla", 0.5},
                                                    {"EDITNasobekHryDruch", -10},
                                                    {"EDITCenaZaDurcha", 1.0},
                                                    {"EDITFaktorNadStoNasobekHry", -1},
                                                    {"EDITFaktorNadStoPricitat", 0.1},
                                                    {"EDITCenaZaStovkuNasobekHry", -1},
                                                    {"EDITCenaZaStovkuPripocitat", 0.1},
                                                    {"EDITCenaZaDveSedmyNasobek", -30},
                                                    {"EDITCenaZaDveSedmy", 3.0},
                                                    {"EDITCenaZaDveSedmyCerveneNasobek", -50},
                                                    {"EDITCenaZaDveSedmyCervene", 5.0}};
  // Multipliers (written negative above) show one decimal, prices two.
  for (const auto& [name, value] : prices)
    v.decimals[QLatin1String(name)] = value < 0 ? fixedText(-value, 1) : fixedText(value, 2);
  // The free factors keep their text as typed.
  for (const char* name : {"EDITCenaNasobeniCervenych", "EDITNasobeniFleku", "EDITFaktorNadStoNasobit"})
    v.decimals[QLatin1String(name)] = QStringLiteral("2");
  v.choices = {{"RAGRNadSto", 2},
               {"RAGRPocitaniProhraneStovky", 1},
               {"RAGRPocitaniHlasekUStovky", 0},
               {"RAGRStovkaZpusobPocitani", 0},
               {"RAGRPocitaniDvouSedemNadSto", 0},
               {"RAGRPocitaniPauziraku", 2},
               {"RAGRPocitaniKrizoveho", 0}};
  for (const char* on :
       {"CHBXHratDveSedmy", "CHBXDveSedmyAStovka", "CHBXDveSedmyAStovkaTicha", "CKBXHraniPauzirovaneho",
        "CHBXPovolenaHraVeDvou", "CKBXZobrazovatDruhyHer", "CHBXNulovatPoPridani", "CHKBXKontrolovatPocetBodu",
        "CHKBXKontrolovatPocetBoduLiche", "CHBXZobrazovatBublinkovouNapovedu", "CHBXVNazvuHryZobrazovatJmena"})
    v.switches[QLatin1String(on)] = true;
  for (const char* off : {"CHBXProhranychStoPocitatIHlasky", "CHBXOpravyHodnot", "CHBXPoStartuOtevritJmena",
                          "CHBXRozsirenePocitaniBodu", kStretchSwitch})
    v.switches[QLatin1String(off)] = false;
  v.players = players;
  v.fleks = flekNames();
  v.suits = {QStringLiteral("cervene"), QStringLiteral("zelene"), QStringLiteral("kule"), QStringLiteral("zaludy")};
  return v;
}

// ---- the settings file selection --------------------------------------------------

QString automaticFile(const QStringList& fileNames) {
  if (fileNames.contains(kAutoFileName)) return kAutoFileName;
  QString found;
  for (const QString& name : fileNames)
    if (name.compare(kAutoFileName, Qt::CaseInsensitive) == 0 && (found.isEmpty() || name < found)) found = name;
  return found;
}

FileList settingsFileList(const QStringList& fileNames) {
  FileList out;
  out.autoName = automaticFile(fileNames);
  QStringList rest = fileNames;
  rest.removeOne(out.autoName);
  // Plain character codes: capitals before small letters.
  std::sort(rest.begin(), rest.end(), [](const QString& a, const QString& b) { return a < b; });
  if (!out.autoName.isEmpty()) out.entries << out.autoName;
  out.entries << rest;
  return out;
}

}  // namespace kvadus::settingsfile
