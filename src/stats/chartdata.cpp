#include "stats/chartdata.h"

#include "common/textforms.h"
#include "stats/records.h"

#include <algorithm>
#include <cmath>

namespace kvadus::stats {

namespace {
struct Entry {
  const char* name;
  Rgb rgb;
};
constexpr Entry kPalette[kPaletteSize] = {
    {"aqua", {0, 255, 255}},        {"black", {0, 0, 0}},       {"blue", {0, 0, 255}},
    {"dark grey", {128, 128, 128}}, {"fuchsia", {255, 0, 255}}, {"grey", {128, 128, 128}},
    {"green", {0, 128, 0}},         {"lime", {0, 255, 0}},      {"light grey", {192, 192, 192}},
    {"maroon", {128, 0, 0}},        {"navy", {0, 0, 128}},      {"olive", {128, 128, 0}},
    {"purple", {128, 0, 128}},      {"red", {255, 0, 0}},       {"silver", {192, 192, 192}},
    {"teal", {0, 128, 128}},        {"white", {255, 255, 255}}, {"yellow", {255, 255, 0}},
};

int wrapEntry(int entry) { return ((entry % kPaletteSize) + kPaletteSize) % kPaletteSize; }

// Whether a point reaches a record as the records table shows it. The table
// keeps its values to the cent, while the points carry the binary noise of
// their running sums (0.1 + 0.2 is not 0.3): they are compared as the table
// writes them.
bool reaches(double value, double reference) { return signedMoneyText(value) == signedMoneyText(reference); }
}  // namespace

Rgb paletteColor(int entry) { return kPalette[wrapEntry(entry)].rgb; }
QString paletteName(int entry) { return QLatin1String(kPalette[wrapEntry(entry)].name); }
int playerPaletteEntry(int column) { return wrapEntry(column + 9); }

Rgb plotAreaColor() { return {236, 236, 236}; }
Rgb outlineColor() { return {64, 64, 64}; }

double contrastRatio(Rgb a, Rgb b) {
  // The relative luminance of an sRGB colour.
  auto luminance = [](Rgb c) {
    auto linear = [](int channel) {
      const double v = channel / 255.0;
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
  };
  const double la = luminance(a) + 0.05, lb = luminance(b) + 0.05;
  return la > lb ? la / lb : lb / la;
}

bool needsOutline(Rgb colour) { return contrastRatio(colour, plotAreaColor()) < 3; }

double roundToFourDecimals(double x) { return std::floor(x * 10000 + 0.5) * 0.0001; }

QString courseTitle(CourseKind kind) {
  return kind == CourseKind::Balances ? QStringLiteral("Prubeh penez celkem") : QStringLiteral("Jednotlive vyhry");
}

QString courseSeriesTitle(int column, const QString& name) {
  return QStringLiteral("  (") + QString::number(column) + QStringLiteral(") - ") + name;
}

QString lastPointMark(double value, int column) {
  return generalNumberText(value) + QStringLiteral("  (") + QString::number(column) + QLatin1Char(')');
}

QList<CourseSeries> courseSeries(const ScoreGrid& scores, int players, int hands,
                                 const QList<MarkReferences>& references, CourseKind kind, bool showMarks) {
  const bool balances = kind == CourseKind::Balances;
  QList<CourseSeries> out;
  for (int p = 0; p < players; ++p) {
    CourseSeries s;
    s.title = courseSeriesTitle(p, scores.cell(p, 0));
    s.palette = playerPaletteEntry(p);
    const MarkReferences refs = p < references.size() ? references[p] : MarkReferences{};
    const double lowest = strictValue(refs.lowest);
    const double highest = strictValue(refs.highest);
    bool markLowest = showMarks, markHighest = showMarks;
    const bool markLast = showMarks && balances;

    s.points.reserve(hands + 1);
    s.points.append({0.0, QString()});
    double running = 0;
    for (int h = 1; h <= hands; ++h) {
      const double v = lenientNumber(normalizeDecimalMark(scores.cell(p, h)));
      running += v;
      double value = balances ? running : v;
      QString label;
      if (h == hands && markLast) {
        value = roundToFourDecimals(value);
        label = lastPointMark(value, p);
      } else if (markLowest && reaches(value, lowest)) {
        value = roundToFourDecimals(value);
        label = generalNumberText(value);
        markLowest = false;
      } else if (markHighest && reaches(value, highest)) {
        value = roundToFourDecimals(value);
        label = generalNumberText(value);
        markHighest = false;
      }
      if (balances && !label.isEmpty()) running = value;
      s.points.append({value, label});
    }
    out << s;
  }
  return out;
}

QList<Bar> finalBars(const QStringList& names, const QStringList& balanceTexts) {
  QList<Bar> out;
  for (int k = 0; k < names.size(); ++k) {
    const double b = strictValue(k < balanceTexts.size() ? balanceTexts[k] : QString());
    out << Bar{roundToFourDecimals(b), names[k], playerPaletteEntry(k)};
  }
  return out;
}

QString paidNote() { return QStringLiteral(" [  jiz ZAPLACENO!  ]"); }

QString chartFooter(const QString& stamp, bool paid) { return paid ? stamp + paidNote() : stamp; }

QString finalTitle(bool paid, int hands) {
  return (paid ? QStringLiteral("Konecny stav") : QStringLiteral("Stav")) + QStringLiteral(" po ") +
         QString::number(hands) + QLatin1Char(' ') + (hands == 1 ? QStringLiteral("hre") : QStringLiteral("hrach"));
}

AxisScale wholeNumberScale(double low, double high, int ticks) {
  if (!std::isfinite(low) || !std::isfinite(high)) low = high = 0;
  if (low > high) std::swap(low, high);
  low = std::floor(low);
  high = std::ceil(high);
  if (high - low < 1) {
    low -= 1;
    high += 1;
  }
  ticks = std::max(ticks, 1);
  double step = 1;
  for (double decade = 1;; decade *= 10) {
    bool found = false;
    for (double m : {1.0, 2.0, 5.0}) {
      step = m * decade;
      if ((high - low) / step <= ticks) {
        found = true;
        break;
      }
    }
    if (found || decade > 1e15) break;
  }
  return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

AxisScale courseValueScale(const QList<CourseSeries>& series) {
  double low = 0, high = 0;
  for (const CourseSeries& s : series)
    for (const ChartPoint& p : s.points) {
      low = std::min(low, p.value);
      high = std::max(high, p.value);
    }
  const double room = (high - low) * 0.08;
  return wholeNumberScale(low - room, high + room, 10);
}

}  // namespace kvadus::stats
