#!/usr/bin/env bash
# A diagnosis walked as a user walks it, with real key presses under a virtual X
# server: the program on data/, a female patient of 47, "lavez" typed in the right
# tree to find "lavežni kašalj", Space to answer it present, Ctrl+C, and the clipboard
# read back. Fails unless the symptom is listed under "Prisutni simptomi:".
# Needs xvfb, xdotool and xclip (scripts/install-deps.sh). Walks the program given as
# the argument (CTest gives the one of its build), else the default build's, built if
# needed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
program=${1:-$root/build/default/app/ordisan}
symptom='lavežni kašalj'
if [ ! -x "$program" ]; then
  cmake --preset default
  cmake --build build/default -j2 --target ordisan
fi

work=$(mktemp -d)
app=""
# A display number of Xvfb's own choosing, so that no other X server is disturbed.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "walk: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$work/display")

window() {
  local id
  id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1) || true
  [ -n "$id" ] || { echo "walk: no window \"$1\"" >&2; exit 1; }
  echo "$id"
}
focus() { xdotool windowfocus --sync "$1"; sleep 0.3; }

(cd "$root/data" && exec "$program") >"$work/program.log" 2>&1 &
app=$!

# The loader closes itself a few seconds after a clean load; then the main menu shows.
window '^Ordisan loader\.\.\.$' >/dev/null
menu=$(window '^Ordisan$')
focus "$menu"
# "Dijagnosticiranje" is the picture button at 194, 211, 255 × 43 px.
eval "$(xdotool getwindowgeometry --shell "$menu")"
xdotool mousemove $((X + 194 + 127)) $((Y + 211 + 21)) click 1

# The patient: age 47 typed over the 0, "Ženski spol" by the arrow key, Enter.
patient=$(window '^Osnovni podaci o pacijentu$')
focus "$patient"
xdotool key ctrl+a
xdotool type --delay 80 47
xdotool key Tab Down Return

# The diagnosis opens with the focus in the left tree; Tab goes to the right one.
diagnosis=$(window '^Dijagnosticiranje$')
focus "$diagnosis"
xdotool key Tab
xdotool type --delay 80 lavez
xdotool key space
sleep 0.3
xdotool key ctrl+c
sleep 0.5
summary=$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null || true)

xdotool key Escape # the diagnosis closes
sleep 0.3
focus "$menu"
xdotool key Escape # and the main menu ends the program
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
# A program that ended must have ended cleanly: under the sanitizers a fault or a leak
# found on the way out makes its status non-zero.
if ! kill -0 "$app" 2>/dev/null; then
  status=0
  wait "$app" || status=$?
  app=""
  if [ "$status" -ne 0 ]; then
    echo "walk: the program ended with status $status:" >&2
    cat "$work/program.log" >&2
    exit 1
  fi
fi

if printf '%s\n' "$summary" |
    awk -v want="  $symptom" '/^Prisutni simptomi:$/ { under = 1; next }
                              /^[^ ]/ { under = 0 }
                              under && $0 == want { found = 1 }
                              END { exit !found }'; then
  echo "walk: \"$symptom\" is listed under \"Prisutni simptomi:\""
else
  echo "walk: \"$symptom\" is not listed under \"Prisutni simptomi:\"; the clipboard held:" >&2
  printf '%s\n' "$summary" >&2
  exit 1
fi
