#!/bin/sh
# The program's start against a bare Qt window, measured as pairs in one run:
# each pair starts build/bench/kvadus_bare_window (a QApplication that shows
# one QWidget and ends) and the program with ZUZERERU_START_REPORT (the
# whole start: the settings file selection confirmed, its summary answered,
# the first showing done), one after the other, offscreen, each program with
# a data folder of its own. Prints the median processor time, wall time and
# peak memory of each and their ratios.
#
#   bench/startup.sh [build folder] [pairs]      (defaults: build, 9)
#
# Run it from the source folder (the program takes help/ and nastaveni/ from
# the working folder). ZUZERERU_PROGRAM names another program to measure
# against the same bare window (e.g. an earlier build).
set -eu
build=${1:-build}
pairs=${2:-9}
bare="$build/bench/kvadus_bare_window"
program=${ZUZERERU_PROGRAM:-$build/src/zuzereru}
for f in "$bare" "$program"; do
  [ -x "$f" ] || { echo "startup.sh: $f is missing (build it first)" >&2; exit 1; }
done
[ "$pairs" -ge 9 ] 2>/dev/null || { echo "startup.sh: at least 9 pairs" >&2; exit 1; }
exec python3 - "$bare" "$program" "$pairs" <<'PY'
import os, statistics, subprocess, sys, tempfile, time

bare, program, pairs = sys.argv[1], sys.argv[2], int(sys.argv[3])

def run(argv, report=None):
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_DATA_HOME=home,
                   XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=home)
        if report:
            env["ZUZERERU_START_REPORT"] = os.path.join(home, "report.txt")
        start = time.perf_counter()
        child = subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        wall = time.perf_counter() - start
        if status != 0:
            sys.exit("startup.sh: %s ended with %d" % (argv[0], status))
        if report and "started: yes" not in open(env["ZUZERERU_START_REPORT"]).read():
            sys.exit("startup.sh: the program did not start")
        return (usage.ru_utime + usage.ru_stime) * 1000, wall * 1000, usage.ru_maxrss / 1024

runs = {"bare": [], "program": []}
run([bare]); run([program], report=True)  # warm the caches first
for _ in range(pairs):
    runs["bare"].append(run([bare]))
    runs["program"].append(run([program], report=True))

def median(name, i):
    return statistics.median(r[i] for r in runs[name])

print("%d pairs, medians        cpu ms   wall ms   memory MiB" % pairs)
for name in ("bare", "program"):
    print("%-22s %8.1f  %8.1f  %10.1f" % (name, median(name, 0), median(name, 1), median(name, 2)))
ratios = [median("program", i) / median("bare", i) for i in range(3)]
pair = lambda i: statistics.median(p[i] / b[i] for b, p in zip(runs["bare"], runs["program"]))
print("%-22s %8.2f  %8.2f  %10.2f" % ("ratio of medians", *ratios))
print("%-22s %8.2f  %8.2f  %10.2f" % ("median ratio of pairs", pair(0), pair(1), pair(2)))
PY
