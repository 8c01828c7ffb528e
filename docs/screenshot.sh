#!/usr/bin/env bash
# Makes docs/screenshot.png: both players drop a few pieces, then the picture is taken while the
# next pieces fall; docs/match-over.png: the left player pushes pieces down until the well
# overflows; and docs/pause-fr.png, a match paused in French. Needs the default build (build/) and
# xvfb-run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

drop() { # $1: keys that place a piece, $2: the key that pushes it down
    local keys=$1
    for _ in $(seq 17); do keys+=",$2"; done
    echo "$keys"
}

# Each round places one piece in each well, the players each their own way; the pause lets the
# next pieces come from a new second, which gives them another shape.
left=("a,a,a,a" "d,d,d,d" "w,a" "d,d" "w")
right=("Right,Right,Right" "Left,Left,Left,Left" "Up" "Up,Left,Left" "Right")
script=""
for i in "${!left[@]}"; do
    script+="$(drop "${left[$i]}" s),$(drop "${right[$i]}" Down),1100,"
done
script+="w,Right"

xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/cubefall_capture" "$build/cubefall" "$build" docs/screenshot.png \
    --keys "$script" --wait 1.5

over="d,d,Left,Up"
for _ in $(seq 250); do over+=",s"; done
xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/cubefall_capture" "$build/cubefall" "$build" docs/match-over.png --keys "$over" --wait 1

# docs/pause-fr.png: a match paused, in French.
LANG=C.UTF-8 LANGUAGE=fr xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/cubefall_capture" "$build/cubefall" "$build" docs/pause-fr.png \
    --keys "$(drop "a,a" s),$(drop "Right" Down),p" --wait 0.5 -- -geometry 640x640
