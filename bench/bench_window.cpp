// A full pricing pass through the main window: read the controls, price,
// write the price, the shares and the description.

#include "common/radiogroup.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>

static void BM_PricingPass(benchmark::State& state) {
  FORMZadaniHracu->LBOXSeznamHracu->setCurrentRow(1);
  FRMMain->BUTNNOvaHraClick();
  FRMMain->RAGRUhrano->setItemIndex(6);
  FRMMain->RAGRProti->setItemIndex(3);
  for (auto _ : state) FRMMain->BUTNPrepoctiClick();
}
BENCHMARK(BM_PricingPass)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  createWindows();
  FRMMain->BUTNKontrolaCislaClick();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  destroyWindows();
  return 0;
}
