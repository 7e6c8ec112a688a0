#!/usr/bin/env bash
# The real program under Xvfb on an 800 x 600 screen, smaller than the main
# window: the window fits the screen with its frame on it, the wheel over a
# team picker scrolls the window down, and a click on Restart, brought up
# that way, replaces the window with a new one; then Ctrl+Q ends the program.
set -euo pipefail
program="$(realpath "$1")"
work="$(mktemp -d)"
log="$work/quandrel.log"

source "$(dirname "$0")/x_session.sh"
start_x 200 800x600

(cd "$work" && exec env QT_QPA_PLATFORM=xcb "$program") >"$log" 2>&1 &
app=$!
# fits ID: the window lies on the screen, its top edge included.
fits() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 800 ] && [ $((Y + HEIGHT)) -le 600 ] ||
    { echo "the window ${WIDTH}x${HEIGHT} at $X,$Y is not on the 800x600 screen"; exit 1; }
}

window="$(main_window)"
sleep 0.5
fits "$window"
shot small-1-top
# The wheel over the first team picker (designed at 23, 47, 80 x 20, under
# the menu bar of about 22 pixels) scrolls the window to the bottom of its
# content.
xdotool mousemove --sync $((X + 23 + 40)) $((Y + 22 + 47 + 10))
for _ in $(seq 20); do xdotool click 5; sleep 0.02; done
sleep 0.5
shot small-2-scrolled
# The content's bottom edge now lies on the horizontal scroll bar, which the
# style makes about 14 pixels high; Restart (546, 569, 80 x 20) is 81 pixels
# above that edge at its centre, with room for a few pixels either way.
xdotool mousemove --sync $((X + 546 + 40)) $((Y + HEIGHT - 14 - 650 + 569 + 10)) click 1
sleep 0.5
fresh="$(main_window "$window")"
if xdotool getwindowname "$window" >/dev/null 2>&1; then
  echo "Restart left the old window on the screen"; exit 1
fi
fits "$fresh"
shot small-3-restarted

quit_program
echo "small screen end to end: 1 passed, 0 failed"
