#pragma once
// The monkey's record of what it did. Every action is kept as data: what kind
// of thing the person did, to which control ("Window/objectName"), with what
// argument, and how each message box it raised was answered. A failing list
// is shrunk to a shortest one that still fails the same way, and printed one
// readable line per action.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <map>
#include <vector>

namespace monkey {

enum class Kind {
  Click,     // a mouse click on a button, check box or radio button
  List,      // a click on a list item (n = row, -1 beside the items; text "ctrl" adds Ctrl)
  Cell,      // a click on a table cell (n = row, text = column, " ctrl" after it adds Ctrl)
  Key,       // a key pressed in a list (text = key name)
  Type,      // text typed into a field, which is then left (n = how)
  Menu,      // a popup menu opened by its button and an item clicked (n = 1: dismissed)
  Step,      // an arrow of an up-down control (n = 0 up, 1 down)
  Tab,       // a tab page chosen (n = index)
  Declarer,  // the modal declarer change, driven while open (text = its steps)
  Window,    // a window activated (n = 0), closed (1) or sent Escape (2)
};

// How a typed field is left.
enum Leave { LeaveByTab = 0, LeaveByClickElsewhere = 1, LeaveByHandler = 2, LeaveByNextAction = 3 };

struct Action {
  Kind kind = Kind::Click;
  QString target;
  QString text;
  int n = 0;
  // Bit k answers the k-th message box (or document opening) of this action:
  // set is Yes / OK / success, clear is No / Cancel / failure.
  quint32 answers = 0;
};

inline QString kindName(Kind k) {
  switch (k) {
    case Kind::Click:
      return QStringLiteral("click");
    case Kind::List:
      return QStringLiteral("pick");
    case Kind::Cell:
      return QStringLiteral("cell");
    case Kind::Key:
      return QStringLiteral("key");
    case Kind::Type:
      return QStringLiteral("type");
    case Kind::Menu:
      return QStringLiteral("menu");
    case Kind::Step:
      return QStringLiteral("arrow");
    case Kind::Tab:
      return QStringLiteral("tab");
    case Kind::Declarer:
      return QStringLiteral("dialog");
    case Kind::Window:
      return QStringLiteral("window");
  }
  return QStringLiteral("?");
}

// A text as C-like quoted source: controls, format characters and
// non-Latin-1 letters escaped, long runs of one character folded.
inline QString quoted(const QString& text) {
  QString out = QStringLiteral("\"");
  for (qsizetype i = 0; i < text.size();) {
    const QChar c = text.at(i);
    qsizetype run = 1;
    while (i + run < text.size() && text.at(i + run) == c) ++run;
    QString one;
    if (c == u'"' || c == u'\\') one = QStringLiteral("\\") + c;
    else if (c == u'\n') one = QStringLiteral("\\n");
    else if (c == u'\t') one = QStringLiteral("\\t");
    else if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Format || c.unicode() > 0x17f)
      one = QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    else one = c;
    if (run > 8) {
      out += QStringLiteral("\" + %1 x \"%2\" + \"").arg(run).arg(one);
      i += run;
    } else {
      out += one;
      ++i;
    }
  }
  return out + u'"';
}

inline QString leaveName(int how) {
  switch (how) {
    case LeaveByTab:
      return QStringLiteral("leaves by Tab");
    case LeaveByClickElsewhere:
      return QStringLiteral("leaves by clicking elsewhere");
    case LeaveByHandler:
      return QStringLiteral("leave handler called");
    default:
      return QStringLiteral("stays in the field");
  }
}

// The declarer dialog's steps, e.g. "p2 c0 o x", in words.
inline QString dialogSteps(const QString& steps) {
  QStringList words;
  for (const QString& s : steps.split(u' ', Qt::SkipEmptyParts)) {
    const QString row = s.mid(1);
    switch (s.at(0).unicode()) {
      case 'p':
        words << QStringLiteral("pick row ") + row;
        break;
      case 'c':
        words << QStringLiteral("ctrl-click row ") + row;
        break;
      case 'o':
        words << QStringLiteral("\"<-- puvodni\"");
        break;
      case 'd':
        words << QStringLiteral("key Down");
        break;
      case 'u':
        words << QStringLiteral("key Up");
        break;
      case 'x':
        words << QStringLiteral("\"Zavrit <<\"");
        break;
      case 'e':
        words << QStringLiteral("Escape");
        break;
      case 'w':
        words << QStringLiteral("window closed");
        break;
      default:
        words << s;
    }
  }
  return words.join(QStringLiteral(", "));
}

inline QString describe(const Action& a) {
  QString what = kindName(a.kind).leftJustified(7) + a.target;
  switch (a.kind) {
    case Kind::Click:
      break;
    case Kind::List:
      what += a.n < 0 ? QStringLiteral(" beside the items") : QStringLiteral(" row %1").arg(a.n);
      if (a.text == QLatin1String("ctrl")) what += QStringLiteral(" with Ctrl");
      break;
    case Kind::Cell:
      what += QStringLiteral(" row %1, column %2").arg(a.n).arg(a.text.section(u' ', 0, 0));
      if (a.text.endsWith(QLatin1String("ctrl"))) what += QStringLiteral(" with Ctrl");
      break;
    case Kind::Key:
      what += u' ' + a.text;
      break;
    case Kind::Type:
      what += u' ' + quoted(a.text) + QStringLiteral(", ") + leaveName(a.n);
      break;
    case Kind::Menu:
      if (a.n == 1) what += QStringLiteral(" (opened, then dismissed)");
      break;
    case Kind::Step:
      what += a.n == 0 ? QStringLiteral(" up") : QStringLiteral(" down");
      break;
    case Kind::Tab:
      what += QStringLiteral(" page %1").arg(a.n);
      break;
    case Kind::Declarer:
      what += QStringLiteral(": ") + dialogSteps(a.text);
      break;
    case Kind::Window:
      what += a.n == 0   ? QStringLiteral(" activated")
              : a.n == 1 ? QStringLiteral(" closed")
                         : QStringLiteral(" Escape");
      break;
  }
  return what;
}

// One action as a line of tab-separated, percent-encoded fields, and back.
inline QByteArray encode(const Action& a) {
  return QByteArray::number(static_cast<int>(a.kind)) + '\t' + a.target.toUtf8().toPercentEncoding() + '\t' +
         a.text.toUtf8().toPercentEncoding() + '\t' + QByteArray::number(a.n) + '\t' + QByteArray::number(a.answers);
}
inline bool decode(const QByteArray& line, Action* a) {
  const QList<QByteArray> f = line.split('\t');
  if (f.size() != 5) return false;
  a->kind = static_cast<Kind>(f[0].toInt());
  a->target = QString::fromUtf8(QByteArray::fromPercentEncoding(f[1]));
  a->text = QString::fromUtf8(QByteArray::fromPercentEncoding(f[2]));
  a->n = f[3].toInt();
  a->answers = f[4].toUInt();
  return true;
}

// What a replay of a candidate list tells: whether it failed the same way,
// and if so which of its actions mattered: those up to the failing one that
// could be done at all (positions in the candidate).
struct Verdict {
  bool same = false;
  std::vector<size_t> kept;
};
// Replays several candidates (side by side where it can) and judges each.
using Predicate = std::function<std::vector<Verdict>(const std::vector<std::vector<Action>>&)>;

// Delta debugging: the smallest list found within the time budget that still
// fails the same way (the list given must fail). Each failing replay also
// drops what came after the fault and what could not be done. Candidates are
// tried `jobs` at a time, in order; lists already tried are not replayed
// again. `tried` counts the replays.
inline std::vector<Action> shrink(const std::vector<Action>& failing, const Predicate& fails, int jobs,
                                  std::chrono::seconds budget, int* tried) {
  using Clock = std::chrono::steady_clock;
  using Indexes = std::vector<size_t>;
  const auto deadline = Clock::now() + budget;
  std::map<Indexes, bool> memo;

  // The first of the candidates (indexes into `failing`) that fails the same
  // way, cut down to what mattered; empty when none does.
  auto firstFailing = [&](const std::vector<Indexes>& candidates) -> Indexes {
    for (size_t from = 0; from < candidates.size() && Clock::now() < deadline;) {
      std::vector<Indexes> batch;
      std::vector<std::vector<Action>> lists;
      size_t next = from;
      for (; next < candidates.size() && static_cast<int>(batch.size()) < std::max(1, jobs); ++next) {
        if (memo.count(candidates[next])) continue;
        batch.push_back(candidates[next]);
        lists.emplace_back();
        for (size_t i : candidates[next]) lists.back().push_back(failing[i]);
      }
      const std::vector<Verdict> verdicts = lists.empty() ? std::vector<Verdict>{} : fails(lists);
      *tried += static_cast<int>(lists.size());
      for (size_t b = 0; b < batch.size() && b < verdicts.size(); ++b) memo[batch[b]] = verdicts[b].same;
      for (size_t b = 0; b < batch.size() && b < verdicts.size(); ++b)
        if (verdicts[b].same) {
          Indexes cut;
          for (size_t k : verdicts[b].kept)
            if (k < batch[b].size()) cut.push_back(batch[b][k]);
          return cut.empty() ? batch[b] : cut;
        }
      from = next;
    }
    return {};
  };

  Indexes current(failing.size());
  for (size_t i = 0; i < failing.size(); ++i) current[i] = i;
  if (Indexes cut = firstFailing({current}); !cut.empty()) current = cut;  // what could not be done
  size_t parts = 2;
  while (current.size() >= 2 && Clock::now() < deadline) {
    const size_t size = current.size();
    parts = std::min(parts, size);
    std::vector<Indexes> chunks(parts);
    for (size_t p = 0; p < parts; ++p)
      chunks[p].assign(current.begin() + static_cast<long>(p * size / parts),
                       current.begin() + static_cast<long>((p + 1) * size / parts));
    // A chunk alone seldom fails while chunks are large: tried in finer splits only.
    if (parts > 2 || size <= 16) {
      if (Indexes cut = firstFailing(chunks); !cut.empty() && cut.size() < size) {
        current = cut;
        parts = 2;
        continue;
      }
    }
    std::vector<Indexes> complements;
    for (size_t p = 0; p < parts; ++p) {
      Indexes rest;
      for (size_t q = 0; q < parts; ++q)
        if (q != p) rest.insert(rest.end(), chunks[q].begin(), chunks[q].end());
      complements.push_back(rest);
    }
    if (Indexes cut = firstFailing(complements); !cut.empty()) {
      current = cut;
      parts = std::max<size_t>(parts - 1, 2);
      continue;
    }
    if (parts >= size) break;  // no single action can go: minimal
    parts = std::min(size, parts * 2);
  }
  std::vector<Action> out;
  for (size_t i : current) out.push_back(failing[i]);
  return out;
}

}  // namespace monkey
