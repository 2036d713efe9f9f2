// The settings text reader: any bytes as a settings file, under any section
// switches, with the stretched window fitting or not.
//
// Input: a choices byte (bits 0-1 locale: English, Czech, Turkish; bit 2 the
// stretched window fits), a byte of section switches, then the file's bytes.
//
// Properties: the reader never crashes or hangs; every line read has exactly
// one report line of an 11-character status, " > " and the line itself, and
// the counters add up to the lines read; a stop is at a line of its own with
// a message, and nothing after it is read; every change names a control of
// the table and an item in range. And the default text, written by the
// writer and read back through the file form, applies whole and unchanged.
#include "common/textfile.h"
#include "fuzzsupport.h"
#include "settings/settingsfile.h"

using namespace kvadus;
using namespace kvadus::fuzz;
using namespace kvadus::settingsfile;

namespace {

QString where(const QStringList& lines, const ReadResult& r) {
  return QStringLiteral("%1 lines, read %2, used %3, ignored %4, errors %5, stop %6")
      .arg(lines.size())
      .arg(r.lines)
      .arg(r.used)
      .arg(r.ignored)
      .arg(r.errors)
      .arg(r.stopLine);
}

bool knownStatus(const QString& s) {
  return s == status::applied || s == status::ignored || s == status::badValue || s == status::negative ||
         s == status::badChoice || s == status::noDisplay;
}

void checkDefaultRoundTrip() {
  const Values values = defaultValues({QStringLiteral("Ja"), QStringLiteral("Franta")});
  const QStringList text = writeSettings(values);
  const ReadResult r = readSettings(decodeTextLines(encodeTextLines(text)), kAllSections, true);
  FUZZ_CHECK(!r.stopped && r.errors == 0 && r.ignored == 26 && r.lines == text.size(), where(text, r));
  Values back;
  back.fleks = QStringList(kFlekCount, QString());
  back.suits = QStringList(kSuitCount, QString());
  for (const Change& c : r.changes) {
    if (c.kind == Kind::Decimal) back.decimals[c.control] = c.text;
    else if (c.kind == Kind::Choice) back.choices[c.control] = c.index;
    else if (c.kind == Kind::Switch) back.switches[c.control] = c.on;
    else if (c.kind == Kind::Players) back.players << c.text;
    else if (c.kind == Kind::Fleks) back.fleks[c.index] = c.text;
    else if (c.kind == Kind::Suits) back.suits[c.index] = c.text;
  }
  FUZZ_CHECK(writeSettings(back) == text, QStringLiteral("the default text does not round trip"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  const uint8_t choices = in.byte();
  useLocale(choices & 3);
  const bool fits = choices & 4;
  const uint8_t switches = in.byte();
  Sections sections{};
  for (int s = 0; s < kSectionCount; ++s) sections[s] = !(switches & (1 << s));
  const QStringList lines = decodeTextLines(in.rest());

  const ReadResult r = readSettings(lines, sections, fits);
  FUZZ_CHECK(r.lines == r.used + r.ignored + r.errors, where(lines, r));
  FUZZ_CHECK(r.report.size() == r.lines, where(lines, r));
  if (r.stopped) {
    FUZZ_CHECK(r.stopLine == r.lines && r.stopLine < lines.size() && !r.stopMessage.isEmpty(), where(lines, r));
  } else {
    FUZZ_CHECK(r.lines == lines.size() && r.stopLine == -1, where(lines, r));
  }
  for (int i = 0; i < r.report.size(); ++i) {
    const QString& line = r.report[i];
    FUZZ_CHECK(knownStatus(line.left(11)) && line.mid(11, 3) == QStringLiteral(" > ") && line.mid(14) == lines[i],
               show(line));
  }
  int previous = -1;
  for (const Change& c : r.changes) {
    FUZZ_CHECK(c.line > previous && c.line < r.lines, where(lines, r));
    FUZZ_CHECK(r.report[c.line].startsWith(status::applied), show(r.report[c.line]));
    previous = c.line;
    switch (c.kind) {
      case Kind::Decimal:
      case Kind::Choice:
      case Kind::Switch:
        FUZZ_CHECK(!c.control.isEmpty(), show(lines[c.line]));
        break;
      case Kind::Fleks:
        FUZZ_CHECK(c.index >= 0 && c.index < kFlekCount, show(lines[c.line]));
        break;
      case Kind::Suits:
        FUZZ_CHECK(c.index >= 0 && c.index < kSuitCount, show(lines[c.line]));
        break;
      case Kind::Players:
        FUZZ_CHECK(!c.text.isEmpty(), show(lines[c.line]));
        break;
      case Kind::Section:
        FUZZ_CHECK(false, show(lines[c.line]));
    }
    if (c.kind == Kind::Decimal) FUZZ_CHECK(plainNumberText(c.text), show(c.text));
  }
  (void)summary(QStringLiteral("f"), r);
  static const bool roundTrip = (checkDefaultRoundTrip(), true);
  (void)roundTrip;
  return 0;
}
