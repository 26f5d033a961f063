#!/usr/bin/env bash
# Starts the built program in a real X server, clicks through the intro to
# German level 1 and ends it through the menu, checking each window.
#   realwindow.sh PROGRAM SOURCE_DIR
set -euo pipefail
program=$1
source_dir=$2

if [ -z "${TF_IN_XVFB:-}" ]; then
    export TF_IN_XVFB=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb
cd "$source_dir"
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# Waits for a visible window whose title is exactly $1; prints its id.
wait_window() {
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Size of a window as "WxH".
size_of() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }

click() { # window x y (pixels inside the window)
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

intro=$(wait_window "Intro") || fail "no intro window"
[ "$(size_of "$intro")" = "704x479" ] || fail "intro size $(size_of "$intro")"
# "Intro überspringen": 8760/6720 twips, 1695 x 375 twips.
click "$intro" $((584 + 56)) $((448 + 12))

start=$(wait_window "Tintenfunkel") || fail "no start screen after the intro"
geometry=$(size_of "$start")
width=${geometry%x*}
height=${geometry#*x}
[ "$width" = 539 ] || fail "start screen width $width"
menu=$((height - 444))
[ "$menu" -gt 10 ] && [ "$menu" -lt 60 ] || fail "start screen height $height (menu bar $menu)"
xdotool search --onlyvisible --name "^Intro\$" >/dev/null 2>&1 && fail "intro still open"

# "Deutsch": 360/3240 twips, 1815 x 495 twips, below the menu bar.
click "$start" $((24 + 60)) $((menu + 216 + 16))
for _ in $(seq 1 100); do
    game=$(xdotool search --onlyvisible --name "^Tintenfunkel\$" 2>/dev/null | grep -v "^$start\$" | tail -n 1 || true)
    [ -n "$game" ] && break
    sleep 0.1
done
[ -n "${game:-}" ] || fail "German level 1 did not open"
[ "$(size_of "$game")" = "788x600" ] || fail "game size $(size_of "$game")"

# Menu "&Spiel" then "&Beenden" on the start screen, which the game covers.
xdotool windowraise "$start"
sleep 0.3
click "$start" 15 $((menu / 2))
sleep 0.5
xdotool key --clearmodifiers b
for _ in $(seq 1 50); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "program still running after Beenden"
wait $pid || fail "program exited with an error"
trap - EXIT
echo "real window run passed"
