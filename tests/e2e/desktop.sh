#!/usr/bin/env bash
# The real program under Xvfb as on a desktop. First, the program takes no
# options: started with Qt's own (a style sheet that paints it red, a layout
# mirrored right to left) its main window looks as it does without them.
# Then, under a window manager (openbox), on a screen every window fits: the
# program moves none of its windows, but leaves each where the window manager
# put it, with no place of its own in its size hints; each main window that
# Restart makes stands where the first one did. The About box and the
# Instructions window, minimised by the user, come back when their command is
# chosen again, neither hidden nor iconic, and active.
set -euo pipefail
program="$(realpath "$1")"
work="$(mktemp -d)"
log="$work/quandrel.log"
export XDG_CONFIG_HOME="$work/config" ASPELL_CONF="home-dir $work"

source "$(dirname "$0")/x_session.sh"
start_x 250 1280x1024

# start [OPTIONS...]: the program, with $window its main window.
start() {
  (cd "$work" && exec env QT_QPA_PLATFORM=xcb "$program" "$@") >"$log" 2>&1 &
  app=$!
  window="$(main_window)"
  sleep 1
}
stop() {
  kill "$app"
  wait "$app" || true
  app=""
}

# ---- No command-line options ----------------------------------------------
printf 'QWidget { background: red; }\n' >"$work/red.qss"
start
import -window "$window" "$work/plain.png"
stop
start -reverse -stylesheet "$work/red.qss"
import -window "$window" "$work/options.png"
stop
differing=$(compare -metric AE "$work/plain.png" "$work/options.png" null: 2>&1 || true)
[ "$differing" = 0 ] ||
  { echo "with Qt's options the main window looks different: $differing pixels"; exit 1; }

# ---- Windows where the window manager puts them ---------------------------
start_openbox
start

# frame ID: where the window's frame lies on the screen, once the window
# manager has framed it.
frame() {
  framed() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q =; }
  within 5 framed "$1" || { echo "openbox did not frame window $1"; exit 1; }
  place "$1"
  echo "$((X - LEFT)),$((Y - TOP))"
}
# unplaced ID WHAT: the program gave the window no place of its own.
unplaced() {
  ! xprop -id "$1" WM_NORMAL_HINTS | grep -qi "user specified location" ||
    { echo "$2 was placed by the program: $(xprop -id "$1" WM_NORMAL_HINTS | tr -d '\n')"; exit 1; }
}
first="$(frame "$window")"
unplaced "$window" "the first main window"
for n in 1 2 3; do
  # Restart (546, 569, 80 x 20) in the content, which ends at the window's
  # bottom edge.
  place "$window"
  xdotool windowactivate --sync "$window"
  # No --sync: that would wait for ever where the pointer is there already,
  # as each new window stands where the last one did.
  xdotool mousemove $((X + 586)) $((Y + HEIGHT - 71)) sleep 0.2 click 1
  window="$(main_window "$window")"
  sleep 0.5
  [ "$(frame "$window")" = "$first" ] ||
    { echo "after Restart $n the main window's frame is at $(frame "$window"), not at $first"; exit 1; }
  unplaced "$window" "the main window after Restart $n"
done

# ---- Minimised windows under a window manager ------------------------------

# choose KEYS...: the menu command reached from the File menu by these keys.
choose() {
  xdotool windowactivate --sync "$window"
  sleep 0.3
  xdotool key alt+f "$@" Return
  sleep 0.8
}
# shown TITLE: the id of the visible window of that title.
shown() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}
# in_state ID STATE: the window manager gives the window that WM_STATE
# (Normal, Iconic) within a few seconds.
in_state() {
  has_state() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q "window state: $2"; }
  within 5 has_state "$@"
}
# active ID: the window becomes the active one within a few seconds.
active() {
  is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
  within 5 is_active "$1"
}
# The About box is the File menu's second item, after Quit; the
# Instructions window the first of the menu two to the right.
check_back() {  # check_back TITLE KEYS...
  local title="$1" id
  shift
  choose "$@"
  id="$(shown "$title")"
  [ -n "$id" ] || { echo "the command did not open '$title'"; cat "$log"; exit 1; }
  in_state "$id" Normal || { echo "'$title' was not shown"; exit 1; }
  local placed
  placed="$(frame "$id")"
  unplaced "$id" "'$title'"
  xdotool windowminimize --sync "$id"
  in_state "$id" Iconic || { echo "'$title' could not be minimised"; exit 1; }
  choose "$@"
  in_state "$id" Normal ||
    { echo "'$title' stays minimised: $(xprop -id "$id" WM_STATE | tr '\n' ' ')"; exit 1; }
  ! xprop -id "$id" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN ||
    { echo "'$title' stays hidden"; exit 1; }
  active "$id" || { echo "'$title' is not the active window"; exit 1; }
  [ "$(frame "$id")" = "$placed" ] || { echo "'$title' moved from $placed"; exit 1; }
  shot "desktop-$title"
}
check_back "About Quandrel" Down
check_back Instructions Right Right
quit_program
echo "desktop end to end: 1 passed, 0 failed"
