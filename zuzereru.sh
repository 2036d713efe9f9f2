#!/usr/bin/env bash
# Set-up, build and start of Zuzereru vevizor on Debian.
#   ./zuzereru.sh        install what is missing, build, start the program
#   ./zuzereru.sh test   install what is missing, build, run all tests (ctest)
#   ./zuzereru.sh sanitize   the same in a build with AddressSanitizer and
#                            UndefinedBehaviorSanitizer (folder build-sanitize)
#   ./zuzereru.sh package    build the .deb, install it with apt-get and run
#                            the installed program's --version
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}
build=${BUILD_DIR:-build}

packages=(cmake make g++ qt6-base-dev qt6-charts-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core desktop-file-utils appstream dpkg-dev poppler-utils python3
          xvfb xauth openbox x11-utils)
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
config=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
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
  run)
    # The program works with help/, nastaveni/ and hry/ in its working folder.
    mkdir -p nastaveni hry
    exec "$build/src/zuzereru"
    ;;
  *)
    echo "usage: $0 [test|sanitize|package]" >&2
    exit 2
    ;;
esac
