#pragma once
// The rules of the roster, the ordered names from which a new game takes its
// players: duplicates, where a name goes, who plays a partial game, the
// minimum number of players and what the player entry window enables.

#include <QString>
#include <QStringList>

namespace kvadus::roster {

// Texts of the player entry window's messages.
QString duplicateQuestion();  // "V seznamu se jiz hrac s podobnym jmenem ..."
QString crowdNoteCaption();   // "technicka poznamka :-)"
QString crowdNoteText();
QString semicolonMessage();    // "Jmeno hrace nemuze obsahovat znak ';'"
QString shortRosterWarning();  // "V seznamu je malo hracu.\nZamenim jen to co jde."

// Two names are the same player when they are equal as whole strings without
// regard to letter case (by the rules of the current locale).
bool sameName(const QString& a, const QString& b);
// Index of the first entry that is the same name, or -1.
int findSameName(const QStringList& roster, const QString& name);

// A name never holds the field separator ';'.
constexpr QChar kForbiddenChar = QLatin1Char(';');
QString withoutForbiddenChars(const QString& text);
// The name as kept once the user leaves the field: without leading and
// trailing blanks, control and format characters (zero-width spaces); a name
// that shows nothing at all is empty.
QString trimmedName(const QString& text);
// Nothing of the name would show: blanks, control and format characters,
// combining marks with no letter. Such a name counts as empty.
bool isBlankName(const QString& text);

// Where an added name goes: before the selected entry, or at the end when
// nothing (or nothing valid) is selected.
int insertionIndex(int rosterSize, int selected);

// The crowd note comes with a name added to a roster of six or more, once per
// opening of the window (while the note is armed).
bool crowdNoteDue(bool armed, int sizeBeforeAdding);

// Fewest players of a game: two when two-player games are allowed, else three.
int minimumPlayers(bool twoPlayersAllowed);
QString minimumPlayersText(int minimum);  // "DVA hraci !" / "TRI hraci !"

// A partial new game of `count` players: the names taken from the selected
// entry (the first when none) onward, wrapping around; never more names than
// the roster holds.
QStringList partialGamePlayers(const QStringList& roster, int selected, int count);
// The entry selected once the roster is whole again: the one after the last
// name taken, so that repeated partial games move who sits out around the
// table. -1 for an empty roster.
int partialGameNextSelection(int rosterSize, int selected, int count);

// The running game's players renamed from the roster, position by position,
// as far as both lists go.
QStringList renamedPlayers(const QStringList& players, const QStringList& roster);
// The roster is too short to rename every player.
bool renameFallsShort(int rosterSize, int players);

// Where the selected entry goes when moved up or down, or -1 when it stays.
int moveUpTarget(int rosterSize, int selected);
int moveDownTarget(int rosterSize, int selected);

// What the player entry window shows and enables for a roster of that size.
struct EntryState {
  QString rosterSizeText;         // EDITPocetHracu
  QString minimumText;            // LABLMinHracu
  QString minimumNote;            // LABLMinPocetHracuText
  bool noteEnabled = false;       // the "Pozn.:" box: readable while too few names
  bool newGameEnabled = false;    // "Nova hra" and the main window's "Nova"
  bool renameEnabled = false;     // "<-- zamenit jmena"
  bool twoEnabled = false;        // menu "dva"
  bool threeEnabled = false;      // menu "tri"
  bool allEnabled = false;        // menu "vsichni"
  bool selectionEnabled = false;  // "--> odebrat" and both move buttons
  bool removeAllEnabled = false;  // "Smaz vsechny"
  bool reloadEnabled = false;     // "--> obnovit jmena"
};
EntryState entryState(int rosterSize, bool hasSelection, int gamePlayers, bool twoPlayersAllowed,
                      bool sittingOutAllowed);

}  // namespace kvadus::roster
