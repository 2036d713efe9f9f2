// Saving and loading a long evening as results text, against the floor of
// any text format: splitting the same bytes into lines.

#include "common/textfile.h"
#include "common/textforms.h"
#include "ledger/ledger.h"
#include "results/resultstext.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kvadus;

namespace {

constexpr int kHands = 10000;
constexpr int kPlayers = 6;

MemoryGrid longEvening() {
  QStringList names;
  for (int p = 0; p < kPlayers; ++p) names << QStringLiteral("Hrac %1").arg(p);
  MemoryGrid grid;
  ledger::freshTable(grid, names);
  ledger::addDescriptionColumn(grid, kPlayers);
  grid.setRowCount(kHands + 2);
  for (int r = 1; r <= kHands; ++r) {
    for (int c = 0; c < kPlayers; ++c) grid.setCell(c, r, signedMoneyText(((r + c) % 7 - 3) * 0.1));
    grid.setCell(kPlayers, r, QStringLiteral("Hrac %1 : obycejna,flek [70,20]").arg(r % kPlayers));
  }
  ledger::recomputeSums(grid, kPlayers, true);
  return grid;
}

results::WriteInput input() { return {kPlayers, true, 2, false, QStringLiteral("8.12.2026 - 10:00:00")}; }

struct Folder {
  QTemporaryDir dir;
  QString file() const { return QDir(dir.path()).filePath(QStringLiteral("vysledky.kvd")); }
};

}  // namespace

// Table -> text -> file, replaced atomically.
static void BM_SaveEvening(benchmark::State& state) {
  const MemoryGrid grid = longEvening();
  Folder folder;
  for (auto _ : state) {
    const TextFileWrite w = writeTextFile(folder.file(), results::writeResults(grid, input()), SaveMode::Overwrite);
    if (!w.ok) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_SaveEvening)->Unit(benchmark::kMillisecond);

// File -> lines -> table, sums recomputed.
static void BM_LoadEvening(benchmark::State& state) {
  Folder folder;
  writeTextFile(folder.file(), results::writeResults(longEvening(), input()), SaveMode::Overwrite);
  const MemoryGrid none;
  for (auto _ : state) {
    const TextFileRead r = readTextFile(folder.file());
    const results::ReadResult read = results::readResults(r.lines, results::ReadMode::Replace, none, "f");
    if (!read.ok || read.table.rowCount() != kHands + 2) state.SkipWithError("read failed");
  }
}
BENCHMARK(BM_LoadEvening)->Unit(benchmark::kMillisecond);

// The floor: the same bytes, already in memory, split into lines.
static void BM_SplitLines(benchmark::State& state) {
  const QByteArray bytes = encodeTextLines(results::writeResults(longEvening(), input()));
  for (auto _ : state) benchmark::DoNotOptimize(bytes.split('\n'));
  state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_SplitLines)->Unit(benchmark::kMillisecond);

// Of the load, the part that any text file costs: bytes from disk, decoded, as lines.
static void BM_ReadFileLines(benchmark::State& state) {
  Folder folder;
  writeTextFile(folder.file(), results::writeResults(longEvening(), input()), SaveMode::Overwrite);
  for (auto _ : state) benchmark::DoNotOptimize(readTextFile(folder.file()));
}
BENCHMARK(BM_ReadFileLines)->Unit(benchmark::kMillisecond);

// A text of 1000 columns and 4,000 short hand lines (16 KB) asks for four
// million cells: the reader refuses it before building any.
static void BM_RefuseTextBeyondCellBound(benchmark::State& state) {
  QStringList text{QStringLiteral("sloupcu : 999+1"), QStringLiteral("hry")};
  for (int i = 0; i < 4000; ++i) text << QStringLiteral("0;0");
  text << QStringLiteral("suma") << QStringLiteral("0; ").repeated(1000);
  const MemoryGrid none;
  for (auto _ : state) {
    const results::ReadResult read = results::readResults(text, results::ReadMode::Replace, none, "f");
    if (read.ok) state.SkipWithError("read");
  }
}
BENCHMARK(BM_RefuseTextBeyondCellBound)->Unit(benchmark::kMicrosecond);
