# What the end-to-end runs share, sourced by them: an X server of their own,
# the program's main window on it, and the program's end by Ctrl+Q. The
# sourcing script sets $work (a folder removed at the end) and $log (the
# program's output), and puts the program's process id in $app.
app=""
xvfb=""
wm=""

cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}

# within SECONDS COMMAND...: the command succeeds within that many seconds,
# tried every tenth of a second; however busy the machine, the X server and
# the window manager answer in their own time.
within() {
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
  return 1
}

# start_x FIRST WIDTHxHEIGHT: Xvfb on the first free display from FIRST on,
# with DISPLAY set to it. The server is not reset when its last client goes,
# so that a program started again at once does not find it gone for a moment.
start_x() {
  local display="" n
  for n in $(seq "$1" $(($1 + 49))); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
  done
  [ -n "$display" ] || { echo "no free X display"; exit 1; }
  Xvfb "$display" -screen 0 "$2x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  trap cleanup EXIT
  export DISPLAY="$display"
  within 5 xdpyinfo >/dev/null 2>&1 || true
}

# start_openbox: openbox from Debian as the X server's window manager, once
# it manages the screen.
start_openbox() {
  HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wm=$!
  managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
  within 10 managed || { echo "openbox did not start"; cat "$work/openbox.log"; exit 1; }
}

# place ID: X, Y, WIDTH and HEIGHT of the window's client area on the screen,
# and LEFT, RIGHT, TOP and BOTTOM of the frame the window manager gave it
# (xdotool's geometry counts a reparented window's offset twice).
place() {
  local info extents
  info="$(xwininfo -id "$1")"
  X="$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")"
  Y="$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")"
  WIDTH="$(sed -n 's/^ *Width: *//p' <<<"$info")"
  HEIGHT="$(sed -n 's/^ *Height: *//p' <<<"$info")"
  extents="$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)"
  read -r LEFT RIGHT TOP BOTTOM <<<"${extents:-x x x x}"
}

# main_window [OTHER_THAN]: the id of the shown main window, not the one given.
main_window() {
  local id
  for _ in $(seq 100); do
    id="$(xdotool search --onlyvisible --name '^So You Want A Quandrel\?$' 2>/dev/null |
          grep -vx "${1:-none}" | head -n 1 || true)"
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "the main window did not appear" >&2
  cat "$log" >&2
  exit 1
}

# shot NAME: a screenshot into $E2E_SCREENSHOTS, when that names a folder.
shot() {
  [ -n "${E2E_SCREENSHOTS:-}" ] && import -window root "$E2E_SCREENSHOTS/$1.png" || true
}

# quit_program: Ctrl+Q ends the program, and it ends well.
quit_program() {
  xdotool key ctrl+q
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app" 2>/dev/null; then echo "Ctrl+Q did not end the program"; cat "$log"; exit 1; fi
  local status=0
  wait "$app" || status=$?
  app=""
  [ "$status" -eq 0 ] || { echo "the program ended with status $status"; cat "$log"; exit 1; }
}
