#!/usr/bin/env bash
# Takes the screenshots the AppStream metainfo shows, from the real program under Xvfb
# (tools/screenshot.sh), and trims them to the program's window:
#   tools/metainfoshots.sh [OUTDIR]     (default data/screenshots)
# The menu positions are those of the German menus at the window's start-up place.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-data/screenshots}
mkdir -p "$out"
raw=$(mktemp -d)
trap 'rm -rf "$raw"' EXIT

shoot() {
  local name=$1
  shift
  tools/screenshot.sh "$raw/$name.png" "$@" >/dev/null
  # The window sits on Xvfb's black root without a frame: trimming leaves the window.
  convert "$raw/$name.png" -bordercolor black -border 1 -trim +repage "$out/$name.png"
  echo "metainfoshots: $out/$name.png $(identify -format '%wx%h' "$out/$name.png")"
}

methode_menu=("mousemove 316 110" "click 1" "sleep 0.5")
# Scrolling notes (checked at start) in practice.
shoot scrolling-notes "${methode_menu[@]}" "mousemove 345 286" "click 1" "sleep 5"
# Single notes, answered on the note-name buttons.
shoot single-notes "${methode_menu[@]}" "mousemove 345 135" "click 1" "sleep 3"
