#pragma once
// The settings text: the tariff and the counting rules as lines of
// "key : value", grouped in sections. One table drives both the writer and
// the reader. Neither touches a control: the writer takes the settings as
// plain values, the reader returns the changes to make (in order) and the
// report of every line, and the window applies the changes through each
// control's own handling.

#include "settings/tariff.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace kvadus::settingsfile {

enum class Kind {
  Section,  // a section header: never applied
  Decimal,  // an edit field holding a number
  Choice,   // a radio group, written as one letter per item
  Switch,   // a check box, "Ano" or "Ne"
  Players,  // the roster, one line per name
  Fleks,    // the nine flek names, "3x: tuti"
  Suits,    // the four suit names, "1: zelene"
};

// The eight sections, in the order of the text.
enum Section { Prices, Hundred, TwoSevens, SittingOut, Other, PlayerNames, FlekNames, SuitNames };
constexpr int kSectionCount = 8;
using Sections = std::array<bool, kSectionCount>;
constexpr Sections kAllSections{true, true, true, true, true, true, true, true};

// The object names of the section switches, by section.
const std::array<const char*, kSectionCount>& sectionSwitchNames();

struct Row {
  Kind kind;
  const char* key;      // the key text of the line
  const char* control;  // the object name of the setting's control (null for the lists)
  const char* letters;  // a choice's value letters, one per item in item order
  Section section;
};
// The 56 rows, in the order of the text.
const QVector<Row>& rows();

// The object name of the stretched-window switch, which applies only while
// the wide window fits the screen.
constexpr const char* kStretchSwitch = "CHBXOknoRoztazene";

constexpr int kFlekCount = 9;
constexpr int kSuitCount = 4;

// ---- writing ----------------------------------------------------------------

// The settings as the controls hold them, by object name.
struct Values {
  QMap<QString, QString> decimals;  // the field texts
  QMap<QString, int> choices;       // the selected item indexes
  QMap<QString, bool> switches;
  QStringList players;
  QStringList fleks;  // items 0 to 8
  QStringList suits;  // items 0 to 3
  Sections sections = kAllSections;
};

// The text of the settings: the two title lines, then every row of a section
// that is switched on.
QStringList writeSettings(const Values& values);

// ---- reading ----------------------------------------------------------------

// The status field of a report line: exactly 11 characters.
namespace status {
inline const QString applied = QStringLiteral("+          ");
inline const QString ignored = QStringLiteral("-          ");
inline const QString badValue = QStringLiteral("X hodnota  ");
inline const QString negative = QStringLiteral("X zaporne  ");
inline const QString badChoice = QStringLiteral("X prepinac ");
inline const QString noDisplay = QStringLiteral("X - displej");
}  // namespace status

// "status > line".
QString reportLine(const QString& status, const QString& line);

// One change to make, in the order of the lines.
struct Change {
  Kind kind = Kind::Decimal;
  QString control;  // Decimal, Choice, Switch: the control's object name
  QString text;     // Decimal: the normalised number; Players, Fleks, Suits: the name
  int index = 0;    // Choice: the item; Fleks, Suits: the item number
  bool on = false;  // Switch
  int line = 0;     // the line it came from (0-based)
};

struct ReadResult {
  QList<Change> changes;
  QStringList report;  // one line per line read, up to a stop
  int lines = 0;       // lines read (the stopping line is not one of them)
  int used = 0;
  int ignored = 0;
  int errors = 0;
  // A number that does not convert stops the reading at its line: the
  // changes and the report hold the lines before it.
  bool stopped = false;
  int stopLine = -1;
  QString stopMessage;
  bool hasPlayers() const;
};

// Reads the text. `sections` are the section switches; `stretchFits` tells
// whether the stretched window can be switched on (its switch is enabled).
ReadResult readSettings(const QStringList& lines, const Sections& sections, bool stretchFits);

// What the applied lines gave for the nine price pairs: the last multiplier
// and the last price of each (see tariff::settlePairs).
QVector<tariff::GivenPair> givenPairs(const ReadResult& result);

// The summary shown after an apply that ran to the end.
QString summary(const QString& fileName, const ReadResult& result);

// The default settings as the program starts (after the first check of the
// tariff), with the given roster: what "nastaveni/auto.cfg" ships with.
Values defaultValues(const QStringList& players = {});

// ---- the settings file selection --------------------------------------------

// The automatic settings file, applied at start unless another is chosen.
inline const QString kAutoFileName = QStringLiteral("auto.cfg");

// The automatic file among the settings folder's files: a file named like it
// in any letter case ("Auto.cfg" too), the exact name first when several
// are; empty when there is none.
QString automaticFile(const QStringList& fileNames);

struct FileList {
  QStringList entries;
  QString autoName;  // the automatic file's own name: the first entry, chosen; empty when none
};
// The names of the settings folder's files as the selection lists them: the
// automatic file first when there is one, the rest by plain character codes.
FileList settingsFileList(const QStringList& fileNames);

}  // namespace kvadus::settingsfile
