#!/usr/bin/env bash
# Runs inside the virtual X server for scripts/smoke: start, screenshot, Ctrl+S writes the
# files and their backups, Ctrl+F4 ends the program with exit code 0.
# There is no window manager, so every key chord goes to a window focused explicitly.
set -euo pipefail
kestrel="$1" exe="$2" shot="$3" tabs="$4" size="${5:-}"
base="${shot%.png}"

fail() { echo "smoke: $*" >&2; exit 1; }

# The id of the visible window of the program whose title matches, waiting up to 20 s.
find_window() {
  timeout 20 xdotool search --sync --all --onlyvisible --pid "$pid" --name "$1" | head -n 1
}

"$kestrel" "$exe" &
pid=$!

splash="$(find_window '^X-Com Kestrel$')" || fail "the splash window did not appear"
[ "$tabs" = 1 ] && { sleep 0.5; import -window root "$base-splash.png"; }

main="$(find_window '^UFO\.EXE Editor')" || fail "the main window did not appear"
load="$(find_window '^Loading Files\.\.\.$')" || fail "the load window did not appear"
if [ -n "$size" ]; then
  # With no window manager nothing holds the window to its minimum size: a layout that
  # cannot shrink this far shows as overlapping controls in the screenshots.
  xdotool windowsize --sync "$main" "${size%x*}" "${size#*x}"
fi
sleep 1
import -window root "$shot"

if [ "$tabs" = 1 ]; then
  # OK closes the load window; then each tab is clicked where the default font puts it.
  xdotool windowfocus --sync "$load"
  xdotool key Return
  tab=1
  for x in 52 170 296 406 511 622; do
    xdotool mousemove "$x" 32 click 1
    sleep 0.5
    import -window root "$base-tab$tab.png"
    tab=$((tab + 1))
  done
fi

# Save through the real shortcut: the game files are rewritten and the backups appear.
install="$(dirname "$exe")"
before="$(stat -c %Y.%y "$exe")"
xdotool windowfocus --sync "$main"
xdotool key ctrl+s
# The backups are committed before the game files, the last of them french2.bak: the sample
# install carries the German and French pairs too, and they are saved alike.
for _ in $(seq 50); do
  [ -f "$install/geodata/french2.bak" ] && [ "$(stat -c %Y.%y "$exe")" != "$before" ] && break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null || fail "the program ended after Ctrl+S"
for backup in "$exe.bak" "$install/geodata/english.bak" "$install/geodata/english2.bak" "$install/geodata/obdata.bak" \
  "$install/geodata/german.bak" "$install/geodata/french2.bak"; do
  [ -f "$backup" ] || fail "Ctrl+S did not write $backup"
done
cmp -s "$exe" "$exe.bak" || fail "the executable changed although nothing was edited"
[ "$(stat -c %Y.%y "$exe")" != "$before" ] || fail "Ctrl+S did not rewrite the executable"

xdotool windowfocus --sync "$main"
xdotool key ctrl+F4
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  fail "Ctrl+F4 did not end the program within 5 s"
fi
status=0
wait "$pid" || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
