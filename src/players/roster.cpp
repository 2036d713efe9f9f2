#include "players/roster.h"

#include <QLocale>

namespace kvadus::roster {

QString duplicateQuestion() {
  return QStringLiteral(
      "V seznamu se jiz hrac s podobnym jmenem nachazi.\n"
      "Chcete ho presto pridat ? ");
}

QString crowdNoteCaption() { return QStringLiteral("technicka poznamka :-)"); }

QString crowdNoteText() {
  return QStringLiteral(
             "... ne ze bych chtel kibicovat ... \n"
             "... ale nebylo by lepsi koupit dalsi balicek karet ?\n\n") +
         QString(19, QLatin1Char(' ')) + QStringLiteral(";-)");
}

QString semicolonMessage() { return QStringLiteral("Jmeno hrace nemuze obsahovat znak '%1'").arg(kForbiddenChar); }

QString shortRosterWarning() { return QStringLiteral("V seznamu je malo hracu.\nZamenim jen to co jde."); }

namespace {
QString folded(const QString& s) { return QLocale().toLower(s).normalized(QString::NormalizationForm_C); }
// Characters are taken whole: a character beyond U+FFFF is two UTF-16 units.
char32_t characterAt(const QString& s, qsizetype i, qsizetype* length) {
  *length = 1;
  if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
    *length = 2;
    return QChar::surrogateToUcs4(s[i], s[i + 1]);
  }
  return s[i].unicode();
}
char32_t characterBefore(const QString& s, qsizetype end, qsizetype* length) {
  *length = 1;
  if (s[end - 1].isLowSurrogate() && end >= 2 && s[end - 2].isHighSurrogate()) {
    *length = 2;
    return QChar::surrogateToUcs4(s[end - 2], s[end - 1]);
  }
  return s[end - 1].unicode();
}
bool isTag(char32_t c) { return c >= 0xE0000 && c <= 0xE007F; }
bool isTrimmed(char32_t c) {
  const QChar::Category k = QChar::category(c);
  return c <= 0x20 || QChar::isSpace(c) || k == QChar::Other_Control ||
         (k == QChar::Other_Format && !isTag(c));  // zero-width spaces and joiners;
                                                   // tags belong to the emoji before them
}
// Shows nothing on its own: blanks, control and format characters, and marks
// that only change the letter before them.
bool isInvisible(char32_t c) {
  const QChar::Category k = QChar::category(c);
  return isTrimmed(c) || k == QChar::Other_Format || k == QChar::Mark_NonSpacing || k == QChar::Mark_Enclosing;
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
  qsizetype length = 1;
  for (qsizetype i = 0; i < text.size(); i += length)
    if (!isInvisible(characterAt(text, i, &length))) return false;
  return true;
}

QString trimmedName(const QString& text) {
  if (isBlankName(text)) return QString();
  qsizetype begin = 0;
  qsizetype end = text.size();
  qsizetype length = 1;
  while (begin < end && isTrimmed(characterAt(text, begin, &length))) begin += length;
  while (end > begin && isTrimmed(characterBefore(text, end, &length))) end -= length;
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

int moveUpTarget(int rosterSize, int selected) { return (selected > 0 && selected < rosterSize) ? selected - 1 : -1; }

int moveDownTarget(int rosterSize, int selected) {
  return (selected >= 0 && selected < rosterSize - 1) ? selected + 1 : -1;
}

EntryState entryState(int rosterSize, bool hasSelection, int gamePlayers, bool twoPlayersAllowed,
                      bool sittingOutAllowed) {
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
