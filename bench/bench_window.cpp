// A full pricing pass through the main window: read the controls, price,
// write the price, the shares and the description.

#include "common/messages.h"
#include "common/radiogroup.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "ledger/tablegrid.h"

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

// Adding a hand to an evening of N hands, and taking it away again.
static void BM_AddAndRemoveHand(benchmark::State& state) {
  FRMMain->BUTNNOvaHraClick();
  FRMMain->RAGRUhrano->setItemIndex(6);
  FRMMain->RAGRProti->setItemIndex(3);
  for (int i = 0; i < state.range(0); ++i) {
    FRMMain->RAGRUhrano->setItemIndex(6);
    FRMMain->RAGRProti->setItemIndex(3);
    FRMMain->BUTNPridejSkoreClick();
  }
  for (auto _ : state) {
    FRMMain->RAGRUhrano->setItemIndex(6);
    FRMMain->RAGRProti->setItemIndex(3);
    FRMMain->BUTNPridejSkoreClick();
    FRMMain->POPUPSmazPosledniClick();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddAndRemoveHand)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

static void BM_AddHand(benchmark::State& state) {
  FRMMain->BUTNNOvaHraClick();
  for (int i = 0; i < state.range(0); ++i) FRMMain->BUTNPridejSkoreClick();
  for (auto _ : state) {
    FRMMain->BUTNPridejSkoreClick();
    state.PauseTiming();
    FRMMain->grid->setRowCount(FRMMain->grid->rowCount() - 1);  // back to N hands
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddHand)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Questions (a new game over an evening) are answered Yes.
  kvadus::setMessageResponder([](const QString&, const QString&, kvadus::MsgButtons) {
    return kvadus::MsgAnswer::Yes;
  });
  createWindows();
  FRMMain->BUTNKontrolaCislaClick();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  destroyWindows();
  return 0;
}
