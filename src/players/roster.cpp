#include "players/roster.h"

#include <algorithm>

#include <QLocale>

namespace kvadus::roster {

QString duplicateQuestion() {
  return QStringLiteral("V seznamu se jiz hrac s podobnym jmenem nachazi.\n"
                        "Chcete ho presto pridat ? ");
}

QString crowdNoteCaption() { return QStringLiteral("technicka poznamka :-)"); }

QString crowdNoteText() {
  return QStringLiteral("... ne ze bych chtel kibicovat ... \n"
                        "... ale nebylo by lepsi koupit dalsi balicek karet ?\n\n") +
         QString(19, QLatin1Char(' ')) + QStringLiteral(";-)");
}

QString semicolonMessage() {
  return QStringLiteral("Jmeno hrace nemuze obsahovat znak '%1'").arg(kForbiddenChar);
}

QString shortRosterWarning() {
  return QStringLiteral("V seznamu je malo hracu.\nZamenim jen to co jde.");
}

namespace {
QString folded(const QString& s) {
  return QLocale().toLower(s).normalized(QString::NormalizationForm_C);
}
bool isTrimmed(QChar c) {
  return c.unicode() <= 0x20 || c.isSpace() || c.category() == QChar::Other_Control ||
         c.category() == QChar::Other_Format;  // zero-width spaces and joiners
}
// Shows nothing on its own: blanks, control and format characters, and marks
// that only change the letter before them.
bool isInvisible(QChar c) {
  const QChar::Category k = c.category();
  return isTrimmed(c) || k == QChar::Mark_NonSpacing || k == QChar::Mark_Enclosing;
}
}  // namespace

bool sameName(const QString& a, const QString& b) { return folded(a) == folded(b); }

int findSameName(const QStringList& roster, const QString& name) {
  for (int i = 0; i < roster.size(); ++i)
    if (sameName(roster[i], name)) return i;
  return -1;
}

QString withoutForbiddenChars(const QString& text) {
  QString out = text;
  out.remove(kForbiddenChar);
  return out;
}

bool isBlankName(const QString& text) {
  return std::all_of(text.begin(), text.end(), isInvisible);
}

QString trimmedName(const QString& text) {
  if (isBlankName(text)) return QString();
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && isTrimmed(text[begin])) ++begin;
  while (end > begin && isTrimmed(text[end - 1])) --end;
  return text.mid(begin, end - begin);
}

int insertionIndex(int rosterSize, int selected) {
  return (selected >= 0 && selected < rosterSize) ? selected : rosterSize;
}

bool crowdNoteDue(bool armed, int sizeBeforeAdding) { return armed && sizeBeforeAdding >= 6; }

int minimumPlayers(bool twoPlayersAllowed) { return twoPlayersAllowed ? 2 : 3; }

QString minimumPlayersText(int minimum) {
  return minimum == 2 ? QStringLiteral("DVA hraci !") : QStringLiteral("TRI hraci !");
}

QStringList partialGamePlayers(const QStringList& roster, int selected, int count) {
  const int size = static_cast<int>(roster.size());
  QStringList players;
  if (size == 0) return players;
  const int start = (selected >= 0 && selected < size) ? selected : 0;
  // Wrapping past a short roster would seat a player twice.
  const int taken = qMin(count, size);
  for (int k = 0; k < taken; ++k) players << roster[(start + k) % size];
  return players;
}

int partialGameNextSelection(int rosterSize, int selected, int count) {
  if (rosterSize <= 0) return -1;
  const int start = (selected >= 0 && selected < rosterSize) ? selected : 0;
  return (start + qMin(count, rosterSize)) % rosterSize;
}

QStringList renamedPlayers(const QStringList& players, const QStringList& roster) {
  QStringList out = players;
  const qsizetype common = qMin(players.size(), roster.size());
  for (qsizetype i = 0; i < common; ++i) out[i] = roster[i];
  return out;
}

bool renameFallsShort(int rosterSize, int players) { return rosterSize < players; }

int moveUpTarget(int rosterSize, int selected) {
  return (selected > 0 && selected < rosterSize) ? selected - 1 : -1;
}

int moveDownTarget(int rosterSize, int selected) {
  return (selected >= 0 && selected < rosterSize - 1) ? selected + 1 : -1;
}

EntryState entryState(int rosterSize, bool hasSelection, int gamePlayers,
                      bool twoPlayersAllowed, bool sittingOutAllowed) {
  EntryState s;
  const int n = rosterSize;
  const int m = minimumPlayers(twoPlayersAllowed);
  s.rosterSizeText = QString::number(n);
  s.minimumText = QString::number(m);
  s.minimumNote = minimumPlayersText(m);
  s.noteEnabled = n < m;
  s.newGameEnabled = n >= m;
  s.renameEnabled = gamePlayers > 0 && gamePlayers == n;
  s.twoEnabled = twoPlayersAllowed && n >= 2;
  s.threeEnabled = n >= 3;
  s.allEnabled = sittingOutAllowed && n >= 4;
  s.selectionEnabled = hasSelection;
  s.removeAllEnabled = n > 0;
  s.reloadEnabled = gamePlayers > 0;
  return s;
}

}  // namespace kvadus::roster
