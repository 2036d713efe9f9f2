// A full pricing pass through the main window: read the controls, price,
// write the price, the shares and the description.

#include "common/messages.h"
#include "common/radiogroup.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "common/textforms.h"
#include "ledger/tablegrid.h"
#include "stats/resultswindow.h"

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

// The results window's recompute on activation (records, both charts and the
// settlement) over an evening of N hands and eight players.
static void BM_ResultsActivation(benchmark::State& state) {
  QListWidget* roster = FORMZadaniHracu->LBOXSeznamHracu;
  roster->clear();
  roster->addItems({"Pepa", "Jana", "Franta", "Karel", "Jirka", "Honza", "Vasek", "Eva"});
  FRMMain->BUTNNOvaHraClick();
  kvadus::ScoreGrid& g = *FRMMain->grid;
  const int players = 8;
  for (int h = 0; h < state.range(0); ++h) {
    const int p = g.rowCount() - 1;
    g.setRowCount(p + 2);
    const double amount = 0.1 * ((h * 7) % 13 - 6);
    for (int c = 0; c < players; ++c) g.setCell(c, p, kvadus::signedMoneyText(0));
    g.setCell(h % players, p, kvadus::signedMoneyText(2 * amount));
    g.setCell((h + 1) % players, p, kvadus::signedMoneyText(-amount));
    g.setCell((h + 2) % players, p, kvadus::signedMoneyText(-amount));
    g.setCell(players, p, QStringLiteral("Pepa : obycejna  ,7 [60,30,7 uhrana]"));
  }
  FRMMain->BUTNSpoctiSumuClick();
  for (auto _ : state) FRMGrafika->FormActivate();
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ResultsActivation)->Arg(12)->Arg(1000)->Unit(benchmark::kMillisecond);

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
