#!/usr/bin/env bash
# Runs runtime_check.nds in the emulator; its upper screen must be green (every
# check passed; red otherwise, the failed checks' bits in blue and green) and its
# lower screen blue (sub engine powered, main engine on the upper screen). The checks
# take a few vertical blanks, so frame 30 shows the settled result.
# Usage: runtime_check.sh PANE_EMULATOR SCREEN_COMPARE ROM OUT_DIR
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 PANE_EMULATOR SCREEN_COMPARE ROM OUT_DIR" >&2; exit 2; }
emulator=$1 compare=$2 rom=$3 out=$4
mkdir -p "$out"
rm -f "$out/runtime_check.png" "$out/runtime_check_err.png"
"$emulator" --rom "$rom" --frames 30 --png "$out/runtime_check.png"
"$compare" --solid 0x03E0 0x7C00 "$out/runtime_check.png" "$out/runtime_check_err.png"
