// A full pricing pass through the main window: read the controls, price,
// write the price, the shares and the description.

#include "common/messages.h"
#include "common/radiogroup.h"
#include "players/playerentry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "common/textforms.h"
#include "ledger/tablegrid.h"
#include "results/diskoperations.h"
#include "results/recovery.h"
#include "results/recoverycopies.h"
#include "common/controls.h"
#include "stats/resultswindow.h"
#include "stats/seasonwindow.h"
#include "seasonbench.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

static void BM_PricingPass(benchmark::State& state) {
  FORMZadaniHracu->LBOXSeznamHracu->setCurrentRow(1);
  FRMMain->BUTNNOvaHraClick();
  FRMMain->RAGRUhrano->setItemIndex(6);
  FRMMain->RAGRProti->setItemIndex(3);
  for (auto _ : state) FRMMain->BUTNPrepoctiClick();
}
BENCHMARK(BM_PricingPass)->Unit(benchmark::kMicrosecond);

// An evening of `hands` hands of six players (Hrac 0 .. Hrac 5) with their
// descriptions, written straight into the table, sums and counters as the
// window makes them.
static void longEvening(int hands) {
  QStringList names;
  for (int p = 0; p < 6; ++p) names << QStringLiteral("Hrac %1").arg(p);
  FORMZadaniHracu->LBOXSeznamHracu->clear();
  FORMZadaniHracu->LBOXSeznamHracu->addItems(names);
  FRMMain->CKBXHraniPauzirovaneho->setChecked(true);
  FRMMain->CKBXZobrazovatDruhyHer->setChecked(true);
  FRMMain->BUTNNOvaHraClick();
  kvadus::ScoreGrid& g = *FRMMain->grid;
  g.setRowCount(hands + 2);
  for (int r = 1; r <= hands; ++r) {
    for (int c = 0; c < 6; ++c) g.setCell(c, r, kvadus::signedMoneyText(((r + c) % 7 - 3) * 0.1));
    g.setCell(6, r, QStringLiteral("Hrac %1 : obycejna,flek [70,20]").arg(r % 6));
  }
  FRMMain->BUTNSpoctiSumuClick();
}

// The recovery copy written after every change, as in the program once the
// start has offered the copies left behind; into a data folder of its own.
struct ArmedRecovery {
  QTemporaryDir dataHome;
  QByteArray previous = qgetenv("XDG_DATA_HOME");
  ArmedRecovery() {
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    FRMMain->offerRecovery();  // an empty folder: nothing to offer
  }
  ~ArmedRecovery() {
    FRMMain->endRecovery();
    FRMMain->recoveryCopies.reset();
    if (previous.isEmpty()) qunsetenv("XDG_DATA_HOME");
    else qputenv("XDG_DATA_HOME", previous);
  }
};

// "Pridat" in an evening of N hands with the recovery copy armed: the hand
// booked, the next one made ready and the window's share of the recovery
// copy (the CPU column is the window's thread; the writing thread's work
// and the sync show in the wall time). Between additions, outside the
// time, the hand is taken away again, so that every addition meets N hands.
// Cold: the processor's caches are emptied before every addition (outside
// the time), so that what the work around an addition leaves in them does
// not count: the recovery copy rewriting the whole evening on its thread
// and the sums recomputed after the removal, both of which grow with N.
static void addHand(benchmark::State& state, bool cold) {
  const ArmedRecovery recovery;
  longEvening(static_cast<int>(state.range(0)));
  FRMMain->RAGRUhrano->setItemIndex(6);
  FRMMain->RAGRProti->setItemIndex(3);
  FRMMain->BUTNPrepoctiClick();
  FRMMain->waitForRecoveryCopy();
  std::vector<char> beyondTheCaches(cold ? 64 << 20 : 0);
  for (auto _ : state) {
    FRMMain->BUTNPridejSkoreClick();
    FRMMain->waitForRecoveryCopy();
    state.PauseTiming();
    FRMMain->POPUPSmazPosledniClick();
    FRMMain->waitForRecoveryCopy();
    FRMMain->RAGRUhrano->setItemIndex(6);
    FRMMain->RAGRProti->setItemIndex(3);
    FRMMain->BUTNPrepoctiClick();
    for (std::size_t i = 0; i < beyondTheCaches.size(); i += 64) ++beyondTheCaches[i];
    benchmark::ClobberMemory();
    state.ResumeTiming();
  }
  state.counters["hands"] = FRMMain->STGOutput->rowCount() - 2;
}
static void BM_AddHand(benchmark::State& state) { addHand(state, false); }
static void BM_AddHandCold(benchmark::State& state) { addHand(state, true); }
BENCHMARK(BM_AddHand)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Iterations(100);
BENCHMARK(BM_AddHandCold)->Arg(10)->Arg(10000)->Unit(benchmark::kMicrosecond)->Iterations(100);

// Adding a hand and taking it away again ("posledni hru", which recomputes
// the sums) in an evening of N hands, without the recovery copy.
static void BM_AddAndRemoveHand(benchmark::State& state) {
  longEvening(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    FRMMain->RAGRUhrano->setItemIndex(6);
    FRMMain->RAGRProti->setItemIndex(3);
    FRMMain->BUTNPridejSkoreClick();
    FRMMain->POPUPSmazPosledniClick();
  }
}
BENCHMARK(BM_AddAndRemoveHand)->Arg(10)->Arg(1000)->Unit(benchmark::kMicrosecond);

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

// "Pouzit -->" over the text of a 10,000-hand evening of six players: the
// text read into a table and that table put into the window (the sums and
// counters, the player list rebuilt). Second argument 0: into a new evening
// of the same players ("Nova hra" before each, outside the time); 1: in
// place of the same evening, whose table items take the texts they hold;
// 2: as 0 with the recovery copy armed, as in the program, until the copy
// is written (the CPU column is the window's share).
static void BM_UseTextOfLongEvening(benchmark::State& state) {
  std::optional<ArmedRecovery> recovery;
  if (state.range(1) == 2) recovery.emplace();
  longEvening(static_cast<int>(state.range(0)));
  FORMDiskoveOperace->FormActivate();
  FORMDiskoveOperace->BUTNVytvorVystupClick();
  FRMMain->waitForRecoveryCopy();
  for (auto _ : state) {
    if (state.range(1) != 1) {
      state.PauseTiming();
      FRMMain->BUTNNOvaHraClick();
      FRMMain->waitForRecoveryCopy();
      state.ResumeTiming();
    }
    FORMDiskoveOperace->BUTNPouzitClick();
    FRMMain->waitForRecoveryCopy();
  }
  state.counters["hands"] = FRMMain->STGOutput->rowCount() - 2;
}
BENCHMARK(BM_UseTextOfLongEvening)
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The worst a results text may ask of "Pouzit -->": a table of columns x
// hands. Within the cell bound (1000 x 1000) it is read and shown; 1000
// columns of 4,000 short hand lines (16 KB) ask for four million cells and
// are refused before anything is built. Peak memory: run one alone under
// /usr/bin/time -v.
static void BM_UseTextOfManyCells(benchmark::State& state) {
  const int columns = static_cast<int>(state.range(0));
  const int hands = static_cast<int>(state.range(1));
  QStringList text{QStringLiteral("sloupcu : %1+1").arg(columns - 1), QStringLiteral("hry")};
  for (int i = 0; i < hands; ++i) text << QStringLiteral("0;0");
  text << QStringLiteral("suma") << QStringLiteral("0; ").repeated(columns);
  FORMDiskoveOperace->REDTOutput->setPlainText(text.join(u'\n'));
  for (auto _ : state) FORMDiskoveOperace->BUTNPouzitClick();
  state.counters["shown"] = FRMMain->STGOutput->rowCount() == hands + 2;
}
BENCHMARK(BM_UseTextOfManyCells)->Args({1000, 4000})->Args({1000, 998})->Unit(benchmark::kMillisecond)->Iterations(1);

// The recovery copy after a change of an evening of 1,000 hands of six
// players with their descriptions, into a data folder of its own.
static void BM_RecoveryCopyAfterHand(benchmark::State& state) {
  const ArmedRecovery recovery;
  longEvening(static_cast<int>(state.range(0)));
  if (state.range(1) == 1) {  // the lines only, without the file
    const QStringList players = kvadus::itemTexts(FRMMain->LIBXHraci);
    for (auto _ : state)
      benchmark::DoNotOptimize(kvadus::recovery::buildRecovery(*FRMMain->grid, players, 0, 0, true, "stamp"));
  }
  if (state.range(1) == 0)  // until the copy is on disk, synced
    for (auto _ : state) {
      FRMMain->eveningChanged();
      FRMMain->waitForRecoveryCopy();
    }
}
// Second argument 0: a change and its copy until it is written and synced
// (the CPU column is the window's share, the wall time the whole); 1:
// making the lines only.
BENCHMARK(BM_RecoveryCopyAfterHand)->Args({1000, 0})->Args({1000, 1})->Args({10000, 0})->Unit(benchmark::kMillisecond);

// "sezona >>" over a folder of 500 evenings of 100 hands: from the click
// until the window shows the table, the players and the chart (the files are
// read on the window's reading thread, so the time is wall time).
static void BM_OpenSeason(benchmark::State& state) {
  const SeasonBenchFolder folder;
  openSeasonWindow();
  FRMSezona->EDITSlozka->setText(folder.path());
  for (auto _ : state) {
    QEventLoop loop;
    QObject::connect(FRMSezona, &TFRMSezona::seasonShown, &loop, &QEventLoop::quit);
    FRMSezona->BUTNNacistClick();
    loop.exec();
    if (FRMSezona->STRGRSezona->rowCount() != SeasonBenchFolder::kEvenings + 1) state.SkipWithError("not shown");
  }
  FRMSezona->close();
}
BENCHMARK(BM_OpenSeason)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Questions (a new game over an evening) are answered Yes.
  kvadus::setMessageResponder(
      [](const QString&, const QString&, kvadus::MsgButtons) { return kvadus::MsgAnswer::Yes; });
  createWindows();
  FRMMain->BUTNKontrolaCislaClick();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  destroyWindows();
  return 0;
}
