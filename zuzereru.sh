#!/usr/bin/env bash
# Set-up, build and start of Zuzereru vevizor on Debian.
#   ./zuzereru.sh        install what is missing, build, start the program
#   ./zuzereru.sh test   install what is missing, build, run all tests (ctest)
#   ./zuzereru.sh sanitize   the same in a build with AddressSanitizer and
#                            UndefinedBehaviorSanitizer (folder build-sanitize)
#   ./zuzereru.sh package    build the .deb, install it with apt-get and run
#                            the installed program's --version
#   ./zuzereru.sh format     format every C++ file with clang-format (do this
#                            before committing)
#   ./zuzereru.sh check      fail on a C++ file that is not formatted or on a
#                            clang-tidy warning in src/ (uses the test build)
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}
build=${BUILD_DIR:-build}

packages=(cmake make g++ qt6-base-dev qt6-charts-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core desktop-file-utils appstream dpkg-dev poppler-utils python3
          xvfb xauth openbox x11-utils)
case "$mode" in
  format) packages=(clang-format git) ;;
  check) packages+=(clang-format clang-tidy git) ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# The C++ files of the tree: those git knows, or in a copy without git every
# one below the source folders.
cxx_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z -- '*.cpp' '*.h'
  else
    find src tests tools bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0
  fi
}

if [ "$mode" = format ]; then
  cxx_files | xargs -0 clang-format -i
  exit 0
fi

config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON)
if [ "$mode" = sanitize ]; then
  build=${BUILD_DIR:-build-sanitize}
  config=(-DCMAKE_BUILD_TYPE=Debug -DZUZERERU_SANITIZE=ON -DZUZERERU_BUILD_BENCH=OFF)
fi
cmake -S . -B "$build" "${config[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

case "$mode" in
  test|sanitize)
    cd "$build"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
  package)
    # The .deb of this build, installed as a user would install it.
    (cd "$build" && cpack -G DEB >/dev/null)
    deb=$(ls -t "$build"/zuzereru_*.deb | head -n1)
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$(realpath "$deb")" >/dev/null
    QT_QPA_PLATFORM=offscreen /usr/bin/zuzereru --version
    ;;
  check)
    # Formatting first: it is quick, and its fix is one command.
    if ! cxx_files | xargs -0 clang-format --dry-run --Werror 2>"$build/format.log"; then
      grep -E '^[^ ].*(error|warning):' "$build/format.log" | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
      rm -f "$build/format.log"
      echo "Format the sources with: ./zuzereru.sh format" >&2
      exit 1
    fi
    rm -f "$build/format.log"
    # Every source of src/ through clang-tidy (.clang-tidy names the checks);
    # a warning is an error.
    if ! run-clang-tidy -quiet -p "$build" -j"$(nproc)" "^$PWD/src/.*\.cpp\$" >"$build/tidy.log" 2>&1; then
      sed 's/\x1b\[[0-9;]*m//g' "$build/tidy.log" | grep -E '(warning|error):' | sort -u >&2
      rm -f "$build/tidy.log"
      echo "Mend the findings above; clang-tidy -p $build <file> shows one file's (clang-tidy --fix-errors applies the fixes it knows)." >&2
      exit 1
    fi
    rm -f "$build/tidy.log"
    echo "check: formatted, no clang-tidy warning"
    ;;
  run)
    # The program works with help/, nastaveni/ and hry/ in its working folder.
    mkdir -p nastaveni hry
    exec "$build/src/zuzereru"
    ;;
  *)
    echo "usage: $0 [test|sanitize|package|format|check]" >&2
    exit 2
    ;;
esac
