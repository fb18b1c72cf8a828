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
# The first visible window titled $1, waiting up to 20 s. Windows that come and go while the
# search runs (the toolkit's own, a program that is ending) make one search fail: search again.
find_window() {
    for _ in $(seq 100); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
    done
}

PATH="$scratch:$PATH" XDG_RUNTIME_DIR="$scratch" QT_DEBUG_PLUGINS=1 "$program" 2>"$scratch/log" &
pid=$!
window=$(find_window 'Vorlank1.0版')
[ -n "$window" ] || { echo "FAIL: no window titled Vorlank1.0版"; cat "$scratch/log"; exit 1; }

# "查询此字" sits at 208,152 px (3120,2280 twips) and is 89 x 57 px. A window that has just been
# mapped may not take a click yet (slowly, under the sanitizers): click again until it answers.
lookup() {
    for _ in 1 2 3 4 5; do
        xdotool mousemove --window "$window" 250 180 click 1
        for _ in $(seq 20); do "$@" && return 0; sleep 0.1; done
    done
    return 1
}
lookup test -s "$scratch/opened" || true
expected='https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg'
opened=$(sed -n 1p "$scratch/opened" 2>/dev/null || true)
if [ "$opened" != "$expected" ]; then
    echo "FAIL: handed over '$opened', expected '$expected'"
    exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
# The pictures and the icon are PNG, which Qt decodes itself: no image plugin at start-up.
if grep 'imageformats.*loaded library' "$scratch/log"; then
    echo "FAIL: image plugins loaded at start-up"
    exit 1
fi

# No opener on PATH: the desktop cannot take the address, and the user is told so.
mkdir "$scratch/nothing"
PATH="$scratch/nothing" XDG_RUNTIME_DIR="$scratch" "$program" 2>"$scratch/log2" &
pid=$!
window=$(find_window 'Vorlank1.0版')
box_shown() { xdotool search --onlyvisible --name '^Vorlank$' >/dev/null 2>&1; }
lookup box_shown || {
    echo "FAIL: no box when the address could not be opened (window: ${window:-none})"
    cat "$scratch/log2"
    exit 1
}
echo "3 passed, 0 failed"
