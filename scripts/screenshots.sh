#!/usr/bin/env bash
# Takes the screenshots in docs/screenshots/ under a virtual X server (Xvfb): the loader
# while loading and at "Gotovo...", the main menu with a button held down, the About
# box, the overview and the dictionary, the patient data dialog, a diagnosis after a few
# answers and a re-rank, a symptom found by typing, the case summary's context menu, the
# save dialog in Croatian, the diagnosis filling the screen, the printed summary's first
# page and the dictionary widened. There is no window manager, so windows show without
# their frames, and "maximised" is a window as large as the screen.
# Installs what it needs besides the build (xvfb, xdotool, x11-utils, imagemagick,
# poppler-utils) and builds the program if needed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/${1:-docs/screenshots}
program=$root/build/default/app/ordisan
mkdir -p "$out"
bash scripts/install-deps.sh x11-utils imagemagick
if [ ! -x "$program" ]; then
  cmake --preset default
  cmake --build build/default -j2 --target ordisan
fi

work=$(mktemp -d)
touch "$work/started"
app=""
# A display number of Xvfb's own choosing, so that no other X server is disturbed.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$work/display")
xdpyinfo >/dev/null

# A home of its own: the save and print dialogs open there.
mkdir "$work/home"
start_in() { (cd "$1" && HOME=$work/home exec "$program") >/dev/null 2>&1 & app=$!; }
stop_app() { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null || true; app=""; }
fail() { echo "screenshots.sh: $*" >&2; exit 1; }
# One window (or root) into a file. ImageMagick's import can hang on a window that has
# just gone, so it gets a time limit, and a picture not taken is an error.
shot() { timeout 20 import -window "$1" "$2" || fail "could not take $(basename "$2")"; }
# "Rjecnik" in the main menu (243, 270, 119 × 38 px) clicked; `dictionary` is its window.
open_dictionary() {
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  xdotool windowfocus "$menu"
  sleep 0.2
  xdotool mousemove $((X + 243 + 59)) $((Y + 270 + 19)) click 1
  dictionary=$(window '^Rjecnik$')
}
# The id of the visible window named by the pattern; a window that does not come is an error.
window() {
  local id
  id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1) || true
  [ -n "$id" ] || fail "no window matching '$1' appeared"
  echo "$id"
}
# Blue pixels along the middle of the loader's progress bar (21, 54, 309 × 23).
filled() { convert "$1" -crop 305x1+23+65 +repage txt:- |
  awk -F'[(),]' 'NR > 1 && $3 + 0 < 150 && $5 + 0 > 150 { n++ } END { print n + 0 }'; }

# 1. The loader while loading: 500 syndromes with 300 MB of comment lines between
# them take a second or two to read. Frames are taken until the bar is a third to
# two thirds full.
mkdir "$work/big"
python3 - "$work/big/podaci.cxt" <<'PY'
import sys
comment = '// ' + 'x' * 1000
with open(sys.argv[1], 'wb') as f:
    for i in range(500):
        lines = [f'Sindrom broj {i + 1}']
        for j in range(5):
            k = (i * 7 + j * 13) % 300
            lines.append(f' O-{"GTUO"[k % 4]}) Simptom {k}')
        lines += [comment] * 600
        f.write(('\r\n'.join(lines) + '\r\n').encode('cp1250'))
PY
cp data/rjecnik.cxt "$work/big/"
caught=""
# On a busy machine a frame takes long enough to miss the third, so the load is tried
# again: a try ends when the bar has passed two thirds or has emptied at the end.
for attempt in 1 2 3; do
  start_in "$work/big"
  loader=$(window '^Ordisan loader\.\.\.$')
  last=0
  for frame in $(seq 300); do
    shot "$loader" "$work/frame.png"
    fill=$(filled "$work/frame.png")
    if [ "$fill" -ge 100 ] && [ "$fill" -le 200 ]; then
      cp "$work/frame.png" "$out/loader-loading.png"
      caught=yes
      break
    fi
    if [ "$fill" -gt 200 ] || [ "$fill" -lt "$last" ]; then break; fi
    last=$fill
  done
  stop_app
  if [ -n "$caught" ]; then break; fi
done
[ -n "$caught" ] || fail "the loader's bar was never caught a third to two thirds full"

# 2. The loader at "Gotovo...", one second into the countdown, on the sample data.
start_in "$root/data"
loader=$(window '^Ordisan loader\.\.\.$')
sleep 1.6
shot "$loader" "$out/loader-done.png"

# 3. The main menu, "Dijagnosticiranje" held down (at 194, 211, 255 × 43).
menu=$(window '^Ordisan$')
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + 194 + 127)) $((Y + 211 + 21)) mousedown 1
sleep 0.3
shot "$menu" "$out/main-menu.png"
xdotool mousemove 5 5 mouseup 1 # released elsewhere: no click

# 4. The About box, by F1 on the main menu.
xdotool windowfocus "$menu"
sleep 0.2
xdotool key F1
about=$(window '^About Ordisan$')
sleep 0.3
shot "$about" "$out/about.png"
xdotool key Return
sleep 0.2

# 5. The overview: "Pregled" (107, 154, 430 × 39), then in the tree the branch of
# "Ishemijski moždani udar" (found by typing a word no other item has), a symptom
# selected, scrolled to show it.
xdotool windowfocus "$menu"
sleep 0.2
xdotool mousemove $((X + 107 + 215)) $((Y + 154 + 19)) click 1
overview=$(window '^Pregled simptoma i sindroma$')
sleep 0.3
xdotool key Tab
xdotool type --delay 80 'mozdani'
xdotool key Right Down Down Down
eval "$(xdotool getwindowgeometry --shell "$overview")"
xdotool mousemove $((X + 170)) $((Y + 250)) click 5 click 5 click 5
sleep 0.3
shot "$overview" "$out/overview.png"
xdotool key Escape
sleep 0.3

# 6. The dictionary: "Rjecnik" (243, 270, 119 × 38), then Č opened by typing "čv" (its
# "Čvorić" is found), and A opened by keys with its fourth entry selected.
open_dictionary
sleep 0.3
xdotool key Tab
xdotool type --delay 80 'čv'
sleep 1.2 # the typed search forgets what was typed
xdotool key Home Right Down Down Down Down
sleep 0.3
shot "$dictionary" "$out/dictionary.png"
xdotool key Escape
sleep 0.3

# 7. The patient data dialog from "Dijagnosticiranje": an age typed, "Ženski spol"
# chosen (radio button at 39, 66 in dialog units: 59, 107 px).
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool windowfocus "$menu"
xdotool mousemove $((X + 194 + 127)) $((Y + 211 + 21)) click 1
patient=$(window '^Osnovni podaci o pacijentu$')
eval "$(xdotool getwindowgeometry --shell "$patient")"
xdotool windowfocus "$patient"
sleep 0.2
xdotool key ctrl+a
xdotool type 47
xdotool mousemove $((X + 70)) $((Y + 115)) click 1
xdotool mousemove $((X + 200)) $((Y + 5))
sleep 0.3
shot "$patient" "$out/patient.png"
xdotool key Return

# 8. The diagnosis after a few answers and "<<Rangiraj>>", the best syndrome open.
# The right tree starts at 294, 80 px with rows of 18 px; Space answers the selected
# symptom as a double-click does. "<<Rangiraj>>" is at 553, 217, 75 × 223 px.
diagnosis=$(window '^Dijagnosticiranje$')
eval "$(xdotool getwindowgeometry --shell "$diagnosis")"
xdotool windowfocus "$diagnosis"
sleep 0.3
xdotool mousemove $((X + 380)) $((Y + 89)) click --repeat 2 --delay 80 1 # present
sleep 0.2
xdotool key Down space Down Down space space Down Down space # present, absent, present
xdotool mousemove $((X + 591)) $((Y + 329)) click 1
sleep 0.5
xdotool mousemove $((X + 100)) $((Y + 89)) click 1
xdotool key Right Down
xdotool mousemove $((X + 320)) $((Y + 30))
sleep 0.3
shot "$diagnosis" "$out/diagnosis.png"

# 9. Finding as you type: "zadu" typed in the right tree, the search text shown in a
# tooltip on the tree's top edge. The tooltip is a window of its own, so the screen is
# taken and cut to the dialog.
xdotool key Tab
xdotool type --delay 80 zadu
sleep 0.1 # the tooltip goes with the search, a keyboard interval after the last letter
shot root "$work/screen.png"
convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$out/find.png"
sleep 1.5 # a pause starts a new search

# 10. The case summary's context menu, after one more answer: "lavez" typed in the right
# tree finds "lavežni kašalj", Space answers it, and "<<Rangiraj>>" turns bold.
xdotool type --delay 80 lavez
xdotool key space
xdotool mousemove $((X + 150)) $((Y + 380)) click 3
sleep 0.5
shot root "$work/screen.png"
convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$out/case-summary.png"
xdotool key Escape
sleep 0.2

# 11. The save dialog, in Croatian: "Spremi sažetak slučaja..." from the context menu.
xdotool mousemove $((X + 150)) $((Y + 380)) click 3
sleep 0.5
xdotool key Down Down Return
save=$(window '^Spremi sažetak slučaja$')
sleep 0.5
shot "$save" "$out/file-dialog.png"
xdotool key Escape
sleep 0.3

# 12. The diagnosis as large as the screen, the best syndrome open again.
xdotool windowmove "$diagnosis" 0 0 windowsize "$diagnosis" 1920 1080
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$diagnosis")"
xdotool mousemove $((X + WIDTH - 50)) $((Y + HEIGHT / 2)) click 1 # "<<Rangiraj>>", moved right
sleep 0.5
xdotool mousemove $((X + 100)) $((Y + 89)) click 1
xdotool key Right
xdotool mousemove $((X + 960)) $((Y + 30))
sleep 0.3
shot "$diagnosis" "$out/diagnosis-maximised.png"

# 13. The summary printed to a PDF file (the print dialog offers one in the home
# folder), its first page as a picture.
xdotool key ctrl+p
print=$(window '^Ispiši sažetak slučaja$')
sleep 0.5
xdotool key Return
for _ in $(seq 50); do pdf=$(ls "$work"/home/*.pdf 2>/dev/null | head -1) && [ -n "$pdf" ] && break; sleep 0.2; done
[ -n "${pdf:-}" ] || fail "the summary was not printed to a PDF file"
sleep 0.5
pdftoppm -png -r 60 -singlefile "$pdf" "$out/case-print"
xdotool key Escape
sleep 0.3

# 14. The dictionary widened to 900 x 700 px, Č opened by typing "čv".
open_dictionary
xdotool windowsize "$dictionary" 900 700
sleep 0.3
xdotool key Tab
xdotool type --delay 80 'čv'
sleep 1.5 # the search text's tooltip goes
shot "$dictionary" "$out/dictionary-wide.png"
xdotool key Escape
sleep 0.3

xdotool windowfocus "$menu"
sleep 0.2
xdotool key Escape
wait "$app" 2>/dev/null || true
app=""
# Every picture must come from this run: a step that took none is an error, not a gap.
for name in loader-loading loader-done main-menu about overview dictionary patient diagnosis \
    find case-summary file-dialog diagnosis-maximised case-print dictionary-wide; do
  [ "$out/$name.png" -nt "$work/started" ] || fail "$name.png was not taken"
done
ls -l "$out"
