#!/usr/bin/env bash
# Plays a whole tournament in the real program under Xvfb, with real mouse
# clicks and keys at the designed places: eight teams, both DONE steps, the
# four match-ups, the seven bowls, ReplayAll, a UserID and Save_List; then
# checks the results file and quits with Ctrl+Q. A control that is missing,
# misplaced or disabled stalls the game, and the results file then fails the
# check.
#
# Given a folder of locales as well, the run is a user's machine unlike this
# one: German numbers (a decimal comma) with Korean dates, the program in a
# folder whose name is not UTF-8, started by a launcher that closes standard
# error and leaves XDG_RUNTIME_DIR and HOME unset: the program takes the home
# folder from the user database at start-up, and still marks misspelt words
# (its settings folders, named below, stay the run's own).
set -euo pipefail
program="$1"
locales="${2:-}"
work="$(mktemp -d)"
folder="$work"
[ -z "$locales" ] || { folder="$work/caf"$'\xe9'; mkdir "$folder"; }
cp "$program" "$folder/quandrel"
log="$work/quandrel.log"
# The spelling library keeps its word lists in the settings folders: the
# run's own, so the user's are never touched.
export XDG_CONFIG_HOME="$work/config" ASPELL_CONF="home-dir $work"

source "$(dirname "$0")/x_session.sh"
start_x 150 1280x1024

# On the X server above, whatever platform the caller's environment names.
if [ -z "$locales" ]; then
  (cd "$folder" && exec env QT_QPA_PLATFORM=xcb ./quandrel) >"$log" 2>&1 &
else
  (cd "$folder" && exec env -u LC_ALL -u LANGUAGE -u XDG_RUNTIME_DIR -u HOME QT_QPA_PLATFORM=xcb \
    LOCPATH="$locales" LANG=de_DE.UTF-8 LC_TIME=ko_KR.UTF-8 ./quandrel 2>&-) >"$log" &
fi
app=$!
window="$(main_window)"
xdotool windowmove --sync "$window" 0 0 || true
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
# The menu bar sits above the 850 x 650 content area.
menu=$((HEIGHT - 650))
[ "$WIDTH" -eq 850 ] && [ "$menu" -ge 0 ] || { echo "unexpected window size ${WIDTH}x${HEIGHT}"; exit 1; }
origin_x=$X
origin_y=$((Y + menu))

# click LEFT TOP WIDTH HEIGHT: the centre of a control's designed rectangle.
click() {
  xdotool mousemove --sync $((origin_x + $1 + $3 / 2)) $((origin_y + $2 + $4 / 2)) click 1
  sleep 0.25
}
# pick LEFT TOP ROW: opens a popup menu and chooses ROW below the current one.
pick() {
  click "$1" "$2" 80 20
  for _ in $(seq "$3"); do xdotool key Down; done
  xdotool key Return
  sleep 0.25
}

# Eight teams: place n gets the team of row n.
lefts=(23 115 207 299 391 483 575 667)
for place in $(seq 0 7); do pick "${lefts[$place]}" 47 $((place + 1)); done
click 759 44 16 20            # DONE (teams), on its box
click 758 88 16 20            # DONE (strengths)
shot 1-teams
# The match-ups, slot by slot, each taking the first entry left.
pick 23 193 1; pick 106 193 1     # Pasta Bowl
pick 207 193 1; pick 290 193 1    # Salad Bowl
pick 391 193 1; pick 477 193 1    # Cereal Bowl
pick 579 193 1; pick 668 193 1    # Soup Bowl
# The seven bowls.
click 66 215 80 20; click 250 215 80 20; click 427 215 80 20; click 625 215 80 20
click 194 349 80 20; click 564 349 80 20
click 361 472 80 20
shot 2-bracket
# ReplayAll plays the bracket once more through its timers.
click 115 563 103 20
sleep 2.5
# A UserID, then Save_List.
click 592 505 80 22
xdotool type --delay 30 "e2e user"
sleep 0.3
click 536 539 99 20
sleep 0.5
shot 3-saved

# ---- Spell checking in the Instructions window ----------------------------
# Opens the Instructions window from the menu bar, types a correct word and
# then a misspelt one on a new last line of its text area, each followed by
# a space, and counts the red pixels of the spell-check underline in the text
# area each time: only the misspelt word adds them, once the caret has left
# it, and not while it is being typed. Closes the window again with OK.
red_pixels() {  # red_pixels IMAGE LEFT TOP WIDTH HEIGHT
  /usr/bin/convert "$1" -crop "$4x$5+$2+$3" +repage \
    -fx 'r>0.8 && g<0.6 && b<0.6 && r-g>0.3' -format '%[fx:round(mean*w*h)]' info:
}
check_spelling_marks() {
  local instructions="" x
  for x in 110 100 125; do
    xdotool mousemove --sync $((origin_x + x)) $((Y + menu / 2)) click 1
    sleep 0.4
    xdotool key Down Return
    sleep 0.6
    instructions="$(xdotool search --onlyvisible --name '^Instructions$' 2>/dev/null | head -n 1 || true)"
    [ -n "$instructions" ] && break
    xdotool key Escape Escape
  done
  [ -n "$instructions" ] || { echo "the Instructions window did not open"; cat "$log"; exit 1; }
  xdotool windowmove --sync "$instructions" 0 0 || true
  sleep 0.3
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$instructions")"
  local left=$((X + 28)) top=$((Y + HEIGHT - 361 + 24))
  xdotool mousemove --sync $((left + 200)) $((top + 100)) click 1
  xdotool key ctrl+End Return
  local word
  for word in receive recieve; do
    xdotool type --delay 40 "$word"
    sleep 0.5
    import -window root "$work/spelling-$word-typed.png"
    xdotool key space
    sleep 0.5
    import -window root "$work/spelling-$word-left.png"
    for _ in $(seq $((${#word} + 1))); do xdotool key BackSpace; done
  done
  local correct typed misspelt
  correct=$(red_pixels "$work/spelling-receive-left.png" "$left" "$top" 460 259)
  typed=$(red_pixels "$work/spelling-recieve-typed.png" "$left" "$top" 460 259)
  misspelt=$(red_pixels "$work/spelling-recieve-left.png" "$left" "$top" 460 259)
  [ "$misspelt" -gt $((correct + 8)) ] ||
    { echo "no spelling mark under a misspelt word: red pixels $correct, then $misspelt"; exit 1; }
  [ "$typed" -le $((correct + 8)) ] ||
    { echo "a word was marked while it was typed: red pixels $correct, then $typed"; exit 1; }
  xdotool mousemove --sync $((X + 428 + 40)) $((Y + HEIGHT - 361 + 308 + 10)) click 1
  sleep 0.3
  [ -z "$(xdotool search --onlyvisible --name '^Instructions$' 2>/dev/null || true)" ] ||
    { echo "OK did not close the Instructions window"; exit 1; }
  # A click on a bare corner of the main window makes it active again.
  xdotool mousemove --sync $((origin_x + 845)) $((origin_y + 645)) click 1
  sleep 0.3
}
check_spelling_marks
# ---- end of spell checking -------------------------------------------------

quit_program

shopt -s nullglob
files=("$folder"/e2euser-*.txt)
[ ${#files[@]} -eq 1 ] || { echo "expected one results file, found: ${files[*]:-none}"; ls -laR "$work"; exit 1; }
file="${files[0]}"
# The date in the name is the locale's short date without letters: digits
# and separators here, Korean "26. 12. 7." there.
date_form='[0-9][0-9.-]*[0-9]'
[ -z "$locales" ] || date_form='[0-9]{2}\. [0-9]{1,2}\. [0-9]{1,2}\.'
[[ "${file##*/}" =~ ^e2euser-${date_form}\.txt$ ]] || { echo "the file is named '${file##*/}'"; exit 1; }
lines=$(wc -l <"$file")
[ "$lines" -eq 10 ] || { echo "the results file has $lines lines"; cat "$file"; exit 1; }
head -n 1 "$file" | grep -qxF "$(printf 'TEAM (BCS#)_Strength\t|| Number of Wins')" ||
  { echo "bad header"; cat "$file"; exit 1; }
tail -n 1 "$file" | grep -qx '==========' || { echo "bad last line"; cat "$file"; exit 1; }
# The eight pool entries in bowl order, and two wins in all: one by hand, one
# by ReplayAll.
expected_teams=("Notre Dame (.9978)_10" "Alabama (.9441)_9" "Florida (.8984)_9" "Oregon (.8621)_9"
                "Kansas State (.8226)_8" "Stanford (.7683)_8" "Georgia (.7583)_8" "LSU (.7511)_8")
wins=0
for i in $(seq 0 7); do
  row="$(sed -n "$((i + 2))p" "$file")"
  team="${row%%$'\t'*}"
  count="${row##*|| }"
  [ "$team" = "${expected_teams[$i]}" ] || { echo "row $i is '$row'"; cat "$file"; exit 1; }
  wins=$((wins + count))
done
[ "$wins" -eq 2 ] || { echo "expected 2 wins, counted $wins"; cat "$file"; exit 1; }
echo "end to end: 1 passed, 0 failed"
