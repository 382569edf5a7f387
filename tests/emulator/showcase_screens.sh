#!/usr/bin/env bash
# The showcase on a DS equals the showcase on the host display model, screen for
# screen and pixel for pixel (in DS colours).
#
# The showcase sets showcase_snapshot to a name right before the vertical blank
# whose picture is worth keeping. The host runner saves its screens inside that
# swiWaitForVBlank. The emulator runner reads the same variable out of main RAM
# after every frame and keeps the frame during which it changed to a name: that
# frame was scanned out while the program drew its last frame of the scene and
# waited, so it shows the front buffer the host runner saves. (The frame after
# it would show what was flipped at that vertical blank.) The showcase holds
# every scene for several identical frames, so the picture is settled then.
#
# Usage: showcase_screens.sh PANE_EMULATOR SCREEN_COMPARE ARM_NM SHOWCASE.nds SHOWCASE_HOST OUT_DIR CPU_MODE
# (SHOWCASE.elf beside the ROM gives the variables' addresses; CPU_MODE is the
# core's desmume_cpu_mode, jit or interpreter.)
set -euo pipefail
[ $# -eq 7 ] || {
  echo "usage: $0 PANE_EMULATOR SCREEN_COMPARE ARM_NM SHOWCASE.nds SHOWCASE_HOST OUT_DIR CPU_MODE" >&2
  exit 2
}
emulator=$1 compare=$2 nm=$3 rom=$4 host_runner=$5 out=$6 cpu_mode=$7
elf=${rom%.nds}.elf

address() {
  local found
  found=$("$nm" "$elf" | awk -v name="$1" '$3 == name { print "0x" $1 }')
  [ -n "$found" ] || { echo "$1 not found in $elf" >&2; exit 1; }
  echo "$found"
}

rm -rf "$out"
mkdir -p "$out/host" "$out/ds"
"$host_runner" "$out/host" >/dev/null
"$emulator" --rom "$rom" --option desmume_cpu_mode="$cpu_mode" --frames 1800 --watch-name "$(address showcase_snapshot)" \
  --snapshots "$out/ds" --stop-when "$(address showcase_finished)"

status=0
for expected in "$out"/host/*.png; do
  name=$(basename "$expected" .png)
  actual="$out/ds/$name.png"
  if [ ! -f "$actual" ]; then
    echo "$name: the DS never showed this scene" >&2
    status=1
    continue
  fi
  "$compare" "$expected" "$actual" "$out/${name}_err.png" || status=1
done
for actual in "$out"/ds/*.png; do
  name=$(basename "$actual" .png)
  [ -f "$out/host/$name.png" ] || { echo "$name: shown on the DS only" >&2; status=1; }
done
[ "$(ls "$out"/host/*.png | wc -l)" -gt 0 ] || { echo "no scenes compared" >&2; status=1; }
exit $status
