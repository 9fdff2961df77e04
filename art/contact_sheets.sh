#!/usr/bin/env bash
# Draws one contact sheet per scene: its frames in a row (wrapped every 14), small, with
# the frame numbers underneath, so that a scene can be read at a glance.
#   art/contact_sheets.sh [animations-dir] [out-dir]
set -euo pipefail
animations=${1:-build/animations}
out=${2:-build/contact-sheets}
mkdir -p "$out"
for scene in "$animations"/*/; do
  name=$(basename "$scene")
  frames=("$scene"*.jpg)
  [ -e "${frames[0]}" ] || continue
  montage "${frames[@]}" -tile 14x -geometry 80x120+2+2 -background '#202020' \
    -fill '#d0d0d0' -pointsize 9 -title "$name (${#frames[@]} frames)" \
    -label '%t' "$out/$name.png"
  echo "$out/$name.png"
done
