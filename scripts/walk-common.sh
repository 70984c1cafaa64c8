# What the walks share; sourced, not run. A walk drives the real program under an X
# server of its own, with real key presses, in an environment of its own: nothing the
# caller has set (QT_QPA_PLATFORM=offscreen, a scale factor, a style, another display,
# a home with settings) reaches the program, so a walk gives the same result wherever
# it runs. Every wait is for something to happen, never a fixed time alone.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/default/app/ordisan} # CTest gives the program of its build
if [ ! -x "$program" ]; then
  cmake --preset default -S "$root"
  cmake --build "$root/build/default" -j2 --target ordisan
fi

work=$(mktemp -d)
app=""
xvfb=""
presses=0
cleanup() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display number of Xvfb's own choosing, so that no other X server is disturbed.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "walk: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$work/display")
mkdir -m 700 "$work/home" "$work/runtime"

# The program on data/, in a clean environment, on this X server; only the sanitizers'
# settings (CTest gives the suppressions) pass through.
start_program() {
  local sanitizers=()
  for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [ -z "${!name:-}" ] || sanitizers+=("$name=${!name}")
  done
  (cd "$root/data" && exec env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 \
      XDG_RUNTIME_DIR="$work/runtime" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
      "${sanitizers[@]}" "$program") \
    >"$work/program.log" 2>&1 &
  app=$!
}

# The id of the visible window whose name matches, once it shows.
window() {
  local id
  id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1) || true
  [ -n "$id" ] || { echo "walk: no window \"$1\"" >&2; cat "$work/program.log" >&2; exit 1; }
  echo "$id"
}
# Without a window manager the keyboard goes where it is sent.
focus() { xdotool windowfocus --sync "$1"; sleep 0.3; }

# Key presses at a person's speed, counted.
keys() {
  xdotool key --delay 40 "$@"
  presses=$((presses + $#))
}

# The clipboard's text once it holds `$1`, or what it holds after ten seconds.
clipboard_with() {
  local text=""
  for _ in $(seq 100); do
    text=$(xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null || true)
    case "$text" in *"$1"*) break ;; esac
    sleep 0.1
  done
  printf '%s\n' "$text"
}

# The main menu once the loader has closed itself after a clean load.
main_menu() {
  window '^Ordisan loader\.\.\.$' >/dev/null
  window '^Ordisan$'
}

# Ends the program as a user does: Esc in the main menu; killed only if it lingers.
end_program() {
  focus "$1"
  xdotool key Escape
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  # A program that ended must have ended cleanly: under the sanitizers a fault or a leak
  # found on the way out makes its status non-zero.
  if ! kill -0 "$app" 2>/dev/null; then
    local status=0
    wait "$app" || status=$?
    app=""
    if [ "$status" -ne 0 ]; then
      echo "walk: the program ended with status $status:" >&2
      cat "$work/program.log" >&2
      exit 1
    fi
  fi
}
