// The program's start against a bare Qt window, as pairs: each iteration
// starts kvadus_bare_window and the program (with ZUZERERU_START_REPORT, in
// the source folder, offscreen, with a data folder of its own) one after
// the other. The time is the program's processor time; the counters are
// the medians of both and their ratios (bench/startup.sh prints the same).

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Use {
  double cpuMs = 0;
  double wallMs = 0;
  double memoryMiB = 0;
};

// One start of `program`, its processor time (user and system), wall time
// and peak memory; all zero when it could not start or did not end well.
Use start(const std::string& program, bool report) {
  char home[] = "/tmp/kvadus-start-XXXXXX";
  if (!mkdtemp(home)) return {};
  const std::string reportFile = std::string(home) + "/report.txt";
  const auto began = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_DATA_HOME", home, 1);
    setenv("XDG_RUNTIME_DIR", home, 1);
    setenv("XDG_CONFIG_HOME", home, 1);
    if (report) setenv("ZUZERERU_START_REPORT", reportFile.c_str(), 1);
    if (chdir(ZUZERERU_SOURCE_DIR) != 0) _exit(127);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const auto ended = std::chrono::steady_clock::now();
  std::filesystem::remove_all(home);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return {ms(usage.ru_utime) + ms(usage.ru_stime), std::chrono::duration<double, std::milli>(ended - began).count(),
          usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void BM_StartAgainstBareWindow(benchmark::State& state) {
  const std::string bare = ZUZERERU_BINARY_DIR "/bench/kvadus_bare_window";
  const std::string program = ZUZERERU_BINARY_DIR "/src/zuzereru";
  std::vector<double> bareCpu, bareWall, bareMemory, cpu, wall, memory;
  start(bare, false);  // the caches warm
  start(program, true);
  for (auto _ : state) {
    const Use b = start(bare, false);
    const Use p = start(program, true);
    if (b.cpuMs <= 0 || p.cpuMs <= 0) {
      state.SkipWithError("the bare window or the program did not start");
      break;
    }
    state.SetIterationTime(p.cpuMs / 1e3);
    bareCpu.push_back(b.cpuMs);
    bareWall.push_back(b.wallMs);
    bareMemory.push_back(b.memoryMiB);
    cpu.push_back(p.cpuMs);
    wall.push_back(p.wallMs);
    memory.push_back(p.memoryMiB);
  }
  if (cpu.empty()) return;
  state.counters["bare_cpu_ms"] = median(bareCpu);
  state.counters["cpu_ms"] = median(cpu);
  state.counters["cpu_ratio"] = median(cpu) / median(bareCpu);
  state.counters["wall_ratio"] = median(wall) / median(bareWall);
  state.counters["memory_ratio"] = median(memory) / median(bareMemory);
}
BENCHMARK(BM_StartAgainstBareWindow)->UseManualTime()->Iterations(9)->Unit(benchmark::kMillisecond);

}  // namespace
