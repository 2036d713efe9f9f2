// The roster's name rules and the choices of the player entry window.
//
// Input: a choices byte (bits 0-1 locale: English, Czech, Turkish; bits 2-3
// text coding; bit 4 two-player games allowed; bit 5 sitting out allowed; bit
// 6 an entry is selected), bytes for the selected entry, the player count of
// a partial game and the players of the running game, then the roster's names
// one a line. The whole rest is also taken as one typed name.
#include "fuzzsupport.h"
#include "players/roster.h"

#include <QHash>

#include <algorithm>

using namespace kvadus;
using namespace kvadus::fuzz;

namespace {

constexpr int kMaxNames = 64;

// White space and control characters: never at either end of a kept name.
bool spaceOrControl(QChar c) { return c.unicode() <= 0x20 || c.isSpace() || c.category() == QChar::Other_Control; }
// What trimming may take from the ends, judged by whole characters: also the
// invisible format characters (zero-width spaces and joiners), but not the
// tags (U+E0000 to U+E007F), which belong to the emoji before them (a flag).
bool trimmable(char32_t u) {
  const QChar::Category k = QChar::category(u);
  return u <= 0x20 || QChar::isSpace(u) || k == QChar::Other_Control ||
         (k == QChar::Other_Format && !(u >= 0xE0000 && u <= 0xE007F));
}
bool allTrimmable(const QString& s) {
  const QList<uint> points = s.toUcs4();
  return std::all_of(points.begin(), points.end(), [](uint u) { return trimmable(char32_t(u)); });
}

// Shows nothing, judged by whole characters (code points), so that those
// beyond U+FFFF, which a QString holds as two surrogates, count as they show:
// a language tag (U+E0001) or a variation selector (U+E0100) shows nothing.
// (A tag after a visible character may belong to it, as in a flag, so only a
// name made of nothing else must come out empty.)
bool invisible(char32_t u) {
  const QChar::Category k = QChar::category(u);
  return u <= 0x20 || QChar::isSpace(u) || k == QChar::Other_Control || k == QChar::Other_Format ||
         k == QChar::Mark_NonSpacing || k == QChar::Mark_Enclosing;
}

QString flipAsciiCase(const QString& text) {
  QString out = text;
  for (QChar& c : out) {
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z') c = QChar(char16_t(u - 'a' + 'A'));
    else if (u >= 'A' && u <= 'Z') c = QChar(char16_t(u - 'A' + 'a'));
  }
  return out;
}

void checkName(const QString& text, bool caseFlipHolds) {
  const QString t = roster::trimmedName(text);
  const auto where = [&] { return QString(QStringLiteral("trimmedName(%1) = %2").arg(show(text), show(t))); };
  // A name that shows nothing is empty; any other keeps what lies between
  // its first and last visible character.
  FUZZ_CHECK(t.isEmpty() == roster::isBlankName(text), where());
  FUZZ_CHECK(roster::isBlankName(t) == t.isEmpty(), where());
  if (!t.isEmpty()) {
    FUZZ_CHECK(!spaceOrControl(t.front()) && !spaceOrControl(t.back()), where());
    // Only the ends go: what lies before and after the kept name is all
    // trimmable (the kept name starts with a character that is not, so its
    // first occurrence is where it was kept).
    const qsizetype lead = text.indexOf(t);
    FUZZ_CHECK(lead >= 0, where());
    FUZZ_CHECK(allTrimmable(text.left(lead)) && allTrimmable(text.mid(lead + t.size())), where());
  }
  FUZZ_CHECK(roster::trimmedName(t) == t, where());
  {
    const QList<uint> points = text.toUcs4();
    if (std::all_of(points.begin(), points.end(), [](uint u) { return invisible(char32_t(u)); }))
      FUZZ_CHECK(t.isEmpty(), where() + QStringLiteral(" (shows nothing)"));
  }

  const QString w = roster::withoutForbiddenChars(text);
  const auto wWhere = [&] {
    return QString(QStringLiteral("withoutForbiddenChars(%1) = %2").arg(show(text), show(w)));
  };
  FUZZ_CHECK(!w.contains(roster::kForbiddenChar), wWhere());
  FUZZ_CHECK(w.size() == text.size() - text.count(roster::kForbiddenChar), wWhere());
  FUZZ_CHECK(!roster::trimmedName(w).contains(roster::kForbiddenChar), wWhere());

  FUZZ_CHECK(roster::sameName(text, text), QStringLiteral("sameName(%1, itself)").arg(show(text)));
  if (caseFlipHolds)
    FUZZ_CHECK(roster::sameName(text, flipAsciiCase(text)),
               QStringLiteral("sameName(%1, %2)").arg(show(text), show(flipAsciiCase(text))));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  const uint8_t choices = in.byte();
  const int locale = (choices & 3) % 3;
  useLocale(locale);
  const Coding coding = codingOf((choices >> 2) & 3);
  const bool twoAllowed = choices & 16;
  const bool sittingOutAllowed = choices & 32;
  const bool hasSelection = choices & 64;
  const int selectedByte = int(int8_t(in.byte()));
  const int countByte = in.byte();
  const int gameByte = in.byte();
  const size_t restStart = size - in.left();
  QStringList names;
  while (!in.empty() && names.size() < kMaxNames) names << decode(in.line(), coding);
  const QString typed =
      decode(QByteArray(reinterpret_cast<const char*>(data + restStart), qsizetype(size - restStart)), coding);

  // Turkish lower-cases 'I' to a dotless i, so there "Ivan" and "ivan" differ.
  const bool caseFlipHolds = locale != 2;
  checkName(typed, caseFlipHolds);
  for (const QString& name : names) checkName(name, caseFlipHolds);

  // The roster as the window keeps it: names without ';', trimmed.
  QStringList roster;
  for (const QString& name : names) {
    const QString kept = roster::trimmedName(roster::withoutForbiddenChars(name));
    if (kept.isEmpty()) continue;
    const int before = roster::findSameName(roster, kept);
    const auto where = [&] { return QString(QStringLiteral("findSameName(%1) = %2").arg(show(kept)).arg(before)); };
    FUZZ_CHECK(before >= -1 && before < roster.size(), where());
    if (before >= 0) FUZZ_CHECK(roster::sameName(roster[before], kept), where());
    for (int j = 0; j < (before < 0 ? roster.size() : before); ++j)
      FUZZ_CHECK(!roster::sameName(roster[j], kept), where() + QStringLiteral(" misses %1").arg(j));
    const int at = roster::insertionIndex(int(roster.size()), selectedByte);
    FUZZ_CHECK(at >= 0 && at <= roster.size(), QStringLiteral("insertionIndex = %1").arg(at));
    roster.insert(at, kept);
  }
  const int n = int(roster.size());

  // A partial game: never more names than asked or than the roster holds,
  // only roster names, no entry taken twice, taken in order from the selection.
  const int count = countByte % (2 * n + 4);
  const int selected = hasSelection ? selectedByte : -1;
  const QStringList players = roster::partialGamePlayers(roster, selected, count);
  const auto pWhere = [&] {
    return QString(QStringLiteral("partialGamePlayers(%1 names, selected %2, count %3) = %4")
                       .arg(n)
                       .arg(selected)
                       .arg(count)
                       .arg(players.join(u'|')));
  };
  FUZZ_CHECK(players.size() == std::min(count, n), pWhere());
  QHash<QString, int> left;
  for (const QString& name : roster) ++left[name];
  for (const QString& name : players) FUZZ_CHECK(--left[name] >= 0, pWhere());
  const int start = (selected >= 0 && selected < n) ? selected : 0;
  for (int k = 0; k < players.size(); ++k) FUZZ_CHECK(players[k] == roster[(start + k) % n], pWhere());
  const int next = roster::partialGameNextSelection(n, selected, count);
  FUZZ_CHECK(n == 0 ? next == -1 : (next >= 0 && next < n), pWhere() + QStringLiteral(", next selection %1").arg(next));

  // Renaming the running game's players.
  const int gamePlayers = gameByte % 12;
  QStringList game;
  for (int i = 0; i < gamePlayers; ++i) game << QStringLiteral("P%1").arg(i);
  const QStringList renamed = roster::renamedPlayers(game, roster);
  FUZZ_CHECK(renamed.size() == game.size(), QStringLiteral("renamedPlayers size"));
  for (int i = 0; i < gamePlayers; ++i)
    FUZZ_CHECK(renamed[i] == (i < n ? roster[i] : game[i]), QStringLiteral("renamedPlayers at %1").arg(i));
  FUZZ_CHECK(roster::renameFallsShort(n, gamePlayers) == (n < gamePlayers), QStringLiteral("renameFallsShort"));

  // Moving the selected entry.
  const int up = roster::moveUpTarget(n, selected);
  const int down = roster::moveDownTarget(n, selected);
  const auto mWhere = [&] {
    return QString(QStringLiteral("move of %1 in %2: up %3 down %4").arg(selected).arg(n).arg(up).arg(down));
  };
  FUZZ_CHECK(up == -1 || (up == selected - 1 && up >= 0 && up < n), mWhere());
  FUZZ_CHECK(down == -1 || (down == selected + 1 && down < n && selected >= 0), mWhere());

  // What the entry window enables.
  const roster::EntryState e = roster::entryState(n, hasSelection, gamePlayers, twoAllowed, sittingOutAllowed);
  const int minimum = roster::minimumPlayers(twoAllowed);
  const auto eWhere = [&] {
    return QString(QStringLiteral("entryState(%1, %2, %3, %4, %5)")
                       .arg(n)
                       .arg(hasSelection)
                       .arg(gamePlayers)
                       .arg(twoAllowed)
                       .arg(sittingOutAllowed));
  };
  FUZZ_CHECK(e.newGameEnabled == (n >= minimum) && e.noteEnabled == !e.newGameEnabled, eWhere());
  FUZZ_CHECK(e.rosterSizeText == QString::number(n), eWhere());
  FUZZ_CHECK(!e.twoEnabled || (twoAllowed && n >= 2), eWhere());
  FUZZ_CHECK(!e.threeEnabled || n >= 3, eWhere());
  FUZZ_CHECK(!e.allEnabled || (sittingOutAllowed && n >= 4), eWhere());
  FUZZ_CHECK(!e.renameEnabled || gamePlayers == n, eWhere());
  FUZZ_CHECK(e.removeAllEnabled == (n > 0), eWhere());
  return 0;
}
