// How the ledger's rules scale with the length of an evening.

#include "common/textforms.h"
#include "ledger/ledger.h"

#include <benchmark/benchmark.h>

using namespace kvadus;

static MemoryGrid evening(int hands, int players) {
  QStringList names;
  for (int p = 0; p < players; ++p) names << QStringLiteral("P%1").arg(p);
  MemoryGrid grid;
  ledger::freshTable(grid, names);
  ledger::addDescriptionColumn(grid, players);
  grid.setRowCount(hands + 2);
  for (int r = 1; r <= hands; ++r)
    for (int c = 0; c < players; ++c) grid.setCell(c, r, signedMoneyText(((r + c) % 7 - 3) * 0.1));
  return grid;
}

static void BM_RecomputeSums(benchmark::State& state) {
  MemoryGrid grid = evening(static_cast<int>(state.range(0)), 4);
  for (auto _ : state) benchmark::DoNotOptimize(ledger::recomputeSums(grid, 4, true));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RecomputeSums)->Arg(10)->Arg(100)->Arg(1000)->Complexity();

static void BM_SignedMoneyText(benchmark::State& state) {
  double v = -12.345;
  for (auto _ : state) {
    benchmark::DoNotOptimize(signedMoneyText(v));
    v += 0.01;
  }
}
BENCHMARK(BM_SignedMoneyText);

BENCHMARK_MAIN();
