#!/usr/bin/env bash
# Runs runtime_check.nds in the emulator; its upper screen must be green (every
# check passed; red otherwise, the failed checks' bits in blue and green) and its
# lower screen blue (sub engine powered, main engine on the upper screen). The checks
# take a few vertical blanks, so frame 30 shows the settled result.
# CPU_MODE is the core's desmume_cpu_mode, jit or interpreter.
# Usage: runtime_check.sh PANE_EMULATOR SCREEN_COMPARE ROM OUT_DIR CPU_MODE
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: $0 PANE_EMULATOR SCREEN_COMPARE ROM OUT_DIR CPU_MODE" >&2; exit 2; }
emulator=$1 compare=$2 rom=$3 out=$4 cpu_mode=$5
png="$out/runtime_check_$cpu_mode.png"
mkdir -p "$out"
rm -f "$png" "${png%.png}_err.png"
"$emulator" --rom "$rom" --option desmume_cpu_mode="$cpu_mode" --frames 30 --png "$png"
"$compare" --solid 0x03E0 0x7C00 "$png" "${png%.png}_err.png"
