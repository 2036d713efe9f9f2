// The season of 500 evenings of 100 hands: the files read into evenings, the
// players matched, and the rows of the tables and the chart's series made.

#include "seasonbench.h"
#include "stats/season.h"

#include <benchmark/benchmark.h>

static void BM_ReadSeason(benchmark::State& state) {
  const SeasonBenchFolder folder;
  for (auto _ : state) {
    const kvadus::season::Season s = kvadus::season::readSeason(folder.path());
    if (s.evenings.size() != SeasonBenchFolder::kEvenings || !s.skipped.isEmpty()) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(kvadus::season::seasonRows(s));
    benchmark::DoNotOptimize(kvadus::season::playerRows(s));
    benchmark::DoNotOptimize(kvadus::season::seasonSeries(s, true));
  }
}
BENCHMARK(BM_ReadSeason)->Unit(benchmark::kMillisecond)->UseRealTime();
