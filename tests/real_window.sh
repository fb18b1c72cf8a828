#!/bin/sh
# The program in a real X window: its title, and a click on "查询此字" handing the dictionary
# address to the desktop's opener (a recording stand-in here; no browser starts); without an
# opener, the click shows the address in a box instead of failing silently.
# Usage: real_window.sh PROGRAM   (run under xvfb-run)
set -eu
program=$1
scratch=$(mktemp -d)
pid=""
trap 'kill $pid 2>/dev/null || true; rm -rf "$scratch"' EXIT
cat > "$scratch/xdg-open" <<'OPENER'
#!/bin/sh
printf '%s\n' "$@" >> "$(dirname "$0")/opened"
OPENER
chmod +x "$scratch/xdg-open"

PATH="$scratch:$PATH" XDG_RUNTIME_DIR="$scratch" QT_DEBUG_PLUGINS=1 "$program" 2>"$scratch/log" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Vorlank1.0版' | head -n 1)
[ -n "$window" ] || { echo "FAIL: no window titled Vorlank1.0版"; exit 1; }

# "查询此字" sits at 208,152 px (3120,2280 twips) and is 89 x 57 px.
xdotool mousemove --window "$window" 250 180 click 1
for _ in $(seq 50); do [ -s "$scratch/opened" ] && break; sleep 0.1; done
expected='https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg'
opened=$(cat "$scratch/opened" 2>/dev/null || true)
if [ "$opened" != "$expected" ]; then
    echo "FAIL: handed over '$opened', expected '$expected'"
    exit 1
fi
kill "$pid"
# The pictures and the icon are PNG, which Qt decodes itself: no image plugin at start-up.
if grep 'imageformats.*loaded library' "$scratch/log"; then
    echo "FAIL: image plugins loaded at start-up"
    exit 1
fi

# No opener on PATH: the desktop cannot take the address, and the user is told so.
mkdir "$scratch/nothing"
PATH="$scratch/nothing" XDG_RUNTIME_DIR="$scratch" "$program" 2>/dev/null &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Vorlank1.0版' | head -n 1)
xdotool mousemove --window "$window" 250 180 click 1
box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Vorlank$' | head -n 1 || true)
[ -n "$box" ] || { echo "FAIL: no box when the address could not be opened"; exit 1; }
echo "3 passed, 0 failed"
