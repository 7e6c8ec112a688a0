#!/usr/bin/env bash
# The real program under Xvfb on an 800 x 600 screen, smaller than the main
# window, with openbox as its window manager: the window fits the screen
# with its whole frame on it, the wheel over a team picker scrolls it down,
# and a click on Restart, brought up that way, replaces the window with a new
# one whose frame is on the screen as well, three times over. A panel that
# reserves the screen's top, appearing and going away, leaves the window, its
# focus and its frame on the screen; a wheel notch over one picker leaves the
# typing to the focused one. The Instructions window's frame is on the
# screen too; then Ctrl+Q ends the program. Started again at a scale of 1.5,
# each window after three Restarts has its whole frame on the screen.
set -euo pipefail
program="$(realpath "$1")"
work="$(mktemp -d)"
log="$work/quandrel.log"

source "$(dirname "$0")/x_session.sh"
start_x 200 800x600
start_openbox
# The panel's window is there before the program, so that it takes no focus
# from it later; it reserves the screen's top only while told to.
xmessage -geometry 800x30+0+0 -name panel panel >/dev/null 2>&1 &
panel_app=$!
trap 'kill "$panel_app" 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 50); do panel="$(xdotool search --name '^panel$' | head -n 1 || true)"; [ -n "$panel" ] && break; sleep 0.1; done
[ -n "$panel" ] || { echo "the panel's window did not appear"; exit 1; }

# start_program [SCALE]: the program, at Qt's scale factor (1 by default).
scale=1
start_program() {
  scale="${1:-1}"
  (cd "$work" && exec env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$program") >"$log" 2>&1 &
  app=$!
}
# px N: N of the program's pixels in the screen's, at its scale.
px() { awk -v n="$1" -v s="$scale" 'BEGIN { printf "%d", n * s + 0.5 }'; }
start_program

# on_screen ID WHAT: the window's whole frame lies in the work area, and the
# window is not full-screen. A new window's place is corrected once it is
# framed, so it is given a moment.
on_screen() {
  local area fx fy fw fh
  for _ in $(seq 30); do
    read -r ax ay aw ah _ <<<"$(xprop -root _NET_WORKAREA | sed -n 's/.*= //p' | tr -d ,)"
    place "$1"
    if [ "$LEFT" != x ]; then
      fx=$((X - LEFT)) fy=$((Y - TOP)) fw=$((WIDTH + LEFT + RIGHT)) fh=$((HEIGHT + TOP + BOTTOM))
      area="${aw}x${ah} at $ax,$ay"
      [ "$fx" -ge "$ax" ] && [ "$fy" -ge "$ay" ] && [ $((fx + fw)) -le $((ax + aw)) ] &&
        [ $((fy + fh)) -le $((ay + ah)) ] && break
    fi
    sleep 0.1
  done
  [ "$LEFT" != x ] || { echo "$2: openbox gave it no frame"; exit 1; }
  [ "$fx" -ge "$ax" ] && [ "$fy" -ge "$ay" ] && [ $((fx + fw)) -le $((ax + aw)) ] &&
    [ $((fy + fh)) -le $((ay + ah)) ] ||
    { echo "$2: the frame ${fw}x${fh} at $fx,$fy is not in the work area $area"; exit 1; }
  if xprop -id "$1" _NET_WM_STATE | grep -q FULLSCREEN; then echo "$2 is full-screen"; exit 1; fi
}

# The pickers' places in the content, which starts under the menu bar of
# about 22 pixels.
menu=22
first_picker=(23 47)
fourth_picker=(299 47)
# at LEFT TOP: the screen point 40, 10 into the content's control at LEFT, TOP
# while the content is scrolled to its top.
at() { echo $((X + $(px $(($1 + 40))))) $((Y + $(px $((menu + $2 + 10))))); }

# restart ID: the wheel over the first team picker scrolls the window to the
# bottom and the right of its content, and Restart, brought up that way, is
# clicked. The content's bottom and right edges then lie on the scroll bars,
# which the style makes about 14 pixels wide; Restart (546, 569, 80 x 20) is
# 71 pixels above the bottom edge and 264 left of the right one at its
# centre, with room for a few pixels either way.
restart() {
  place "$1"
  xdotool mousemove --sync $(at "${first_picker[@]}")
  xdotool click --repeat 40 --delay 20 5 click --repeat 40 --delay 20 7
  sleep 0.5
  shot "small-scrolled-$scale-$2"
  xdotool mousemove --sync $((X + WIDTH - $(px $((14 + 264))))) $((Y + HEIGHT - $(px $((14 + 71))))) \
    click 1
  sleep 0.5
  fresh="$(main_window "$1")"
  if xdotool getwindowname "$1" >/dev/null 2>&1; then
    echo "Restart left the old window on the screen"; exit 1
  fi
}

window="$(main_window)"
on_screen "$window" "the first main window"
shot small-1-top
for n in 1 2 3; do
  restart "$window" "$n"
  window="$fresh"
  on_screen "$window" "the main window after Restart $n"
done
shot small-2-restarted

# pickers NAME: the two pickers as they show now, the content at its top and
# the pointer away from them.
pickers() {
  place "$window"
  # No --sync: that would wait for ever where the pointer is there already.
  xdotool mousemove $((X + 5)) $((Y + menu + 300))
  sleep 0.3
  import -window root -crop "80x20+$((X + first_picker[0]))+$((Y + menu + first_picker[1]))" \
    +repage "$work/first-$1.png"
  import -window root -crop "80x20+$((X + fourth_picker[0]))+$((Y + menu + fourth_picker[1]))" \
    +repage "$work/fourth-$1.png"
}
# differs PICTURE: how many pixels of a picker changed between the pictures.
differs() { compare -metric AE "$work/$1-before.png" "$work/$1-after.png" null: 2>&1 || true; }

# The focus on the fourth team picker, clicked and its list closed again.
place "$window"
xdotool mousemove --sync $(at "${fourth_picker[@]}") click 1
sleep 0.5
xdotool key Escape
sleep 0.3
pickers before

# A panel reserving the screen's top appears and goes away: the window is
# never unmapped, keeps its id and the keyboard focus, and its frame is in the
# work area each time.
xev -id "$window" -event structure >"$work/events.log" 2>&1 &
watcher=$!
xprop -id "$panel" -f _NET_WM_STRUT_PARTIAL 32c -set _NET_WM_STRUT_PARTIAL \
  "0,0,60,0,0,0,0,0,0,799,0,0"
# work_area_from X, Y: the window manager has made the work area start there.
work_area_from() { xprop -root _NET_WORKAREA | grep -q "= $1, $2,"; }
within 5 work_area_from 0 60 || true
sleep 0.5
on_screen "$window" "the main window under the panel"
shot small-3-panel
xprop -id "$panel" -remove _NET_WM_STRUT_PARTIAL
within 5 work_area_from 0 0 || true
sleep 0.5
on_screen "$window" "the main window once the panel is gone"
kill "$watcher"
if grep -q UnmapNotify "$work/events.log"; then
  echo "the panel made the main window unmapped"; exit 1
fi
[ "$(main_window)" = "$window" ] || { echo "the panel made a new main window"; exit 1; }
[ "$(xdotool getwindowfocus)" = "$window" ] || { echo "the main window lost the focus"; exit 1; }

# One wheel notch over the first picker, and an "o" typed: Oregon in the
# fourth, the first as it was.
xdotool mousemove --sync $(at "${first_picker[@]}") click 5
sleep 0.3
xdotool key o
sleep 0.3
place "$window"
xdotool mousemove --sync $((X + 5)) $((Y + menu + 300))
for _ in $(seq 5); do xdotool click 4; sleep 0.02; done
pickers after
shot small-4-typed
[ "$(differs first)" = 0 ] || { echo "the wheel or the typing changed the first picker"; exit 1; }
[ "$(differs fourth)" != 0 ] || { echo "the typing did not reach the focused picker"; exit 1; }

# The Instructions menu's one item opens the Instructions window.
place "$window"
xdotool mousemove --sync $((X + 110)) $((Y + 10)) click 1
sleep 0.3
xdotool key Down Return
for _ in $(seq 50); do
  instructions="$(xdotool search --onlyvisible --name '^Instructions$' | head -n 1 || true)"
  [ -n "$instructions" ] && break
  sleep 0.1
done
[ -n "$instructions" ] || { echo "the Instructions window did not open"; exit 1; }
on_screen "$instructions" "the Instructions window"
shot small-5-instructions

quit_program

# At a scale of 1.5 each restarted window, framed as the first one was, has
# its frame on the screen too, not a title bar lower.
start_program 1.5
window="$(main_window)"
on_screen "$window" "the first main window at 1.5"
for n in 1 2 3; do
  restart "$window" "$n"
  window="$fresh"
  on_screen "$window" "the main window at 1.5 after Restart $n"
done
shot small-6-restarted-at-1.5
quit_program
echo "small screen end to end: 1 passed, 0 failed"
