#!/usr/bin/env bash
# Makes the pictures of the help folder from screenshots of the program.
# Needs a built zuzereru_shots (build/tools) and ImageMagick's convert.
# Usage: tools/make_help_pictures.sh [build-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
QT_QPA_PLATFORM=offscreen "$build/tools/zuzereru_shots" "$shots" >/dev/null 2>&1
help=$root/help

gif() {  # gif SOURCE TARGET [CROP]
  local src=$shots/$1.png target=$help/$2
  if [ -n "${3:-}" ]; then convert "$src" -crop "$3" +repage "$target"
  else convert "$src" "$target"; fi
}

gif main_empty main_start.gif
gif main_game main.gif
gif main_game hra1.gif 460x270+4+310
gif main_game hra1_end.gif 460x270+4+310
gif main_game hra2.gif 636x310+0+0
gif main_game tah_franta.gif 204x154+130+2
gif main_game tah_franta_end.gif 204x154+130+2
gif main_game list.gif 204x154+130+2
gif main_game 107.gif 204x154+130+158
gif main_game betl.gif 204x154+130+158
gif main_extended rozsirene.gif 310x310+332+0
gif main_game large.gif
gif main_game align.gif 128x310+0+0
gif main_game align2.gif 128x310+0+0
gif main_game tl_jmena.gif 124x34+4+40
gif main_game next.gif 124x34+4+216
gif main_game prev.gif 124x34+4+276
gif settings_0 nast.GIF
gif settings_5 cfg1.gif
gif zadani_hracu jmena.gif
gif zadani_hracu jmena_clear.gif
gif zadani_hracu jmena_franta.gif
gif zadani_hracu jmena_new.gif
gif zadani_hracu jmena_start.gif
gif disk disk.gif
gif disk disk2.gif
gif file_select disk_start.gif
gif disk disk_vyber1.gif
gif disk disk_vyber2.gif
gif disk disk_vyber3.gif
gif disk disk_vytv.gif
gif vysledky_graf gr1.gif
gif vysledky_celkem gr2.gif
gif vysledky_ucet gr3.gif
gif zmena_volice zmena1.gif
gif zmena_volice zmena2.gif
for i in 3 4 5 6 7; do gif uprava_stavu "zmena$i.gif"; done

# The logo: the program's name on the green of a card table.
convert -size 120x120 xc:'#1f6b3a' -fill '#f4f1e6' -stroke '#f4f1e6' \
  -draw 'roundrectangle 14,10 78,98 8,8' -fill '#c0392b' -stroke none \
  -draw 'polygon 46,30 58,52 46,74 34,52' -fill '#f4f1e6' -font DejaVu-Sans-Bold \
  -pointsize 15 -gravity south -annotate +0+6 'Zuzereru' BMP3:"$help/logo.bmp"
echo "pictures written to $help"
