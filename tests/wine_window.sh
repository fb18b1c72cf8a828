#!/bin/sh
# The Windows program, Vorlank.exe, in a real window under Wine, as its users meet it: the
# look-up on the code pages they have, the names a screen reader reads, the sizes of the faces and
# the fixed window at 96 and 144 dpi, the pictures, a switch to another program and back, a
# hand-over the desktop refuses, a storm of clicks, and the users' journeys of journeys.txt, with
# what a screen reader hears and what the desktop receives checked against the core
# (wine_drive.py). Addresses go to a recording xdg-open; no browser starts.
# Usage: wine_window.sh WINDOWS_BUILD_DIR SCRATCH_DIR ORACLE   (under xvfb-run; WINEPREFIX is
# made in SCRATCH_DIR on first use; ORACLE is the window_oracle program)
set -eu
build=$1
exe="$build/Vorlank.exe"
scratch=$2
here=$(dirname "$0")
[ -f "$exe" ] || { echo "FAIL: $exe is missing: run 'make windows' first"; exit 1; }
wine_scratch=$scratch
. "$here/wine_prefix.sh"
# Under a Chinese locale Wine's ANSI code page is 936; the other code pages are tried below.
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
for l in zh_CN zh_TW ja_JP en_US; do
    locale -a | grep -qi "^$l.utf8$" || { echo "FAIL: no $l.UTF-8 locale"; exit 1; }
done
passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
expect() { if [ "$1" = "$2" ]; then pass; else fail "$3: '$1', expected '$2'"; fi; }
finish() {
    stop_wine
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

# The first visible window titled $1, waiting up to $2 seconds; a window that goes away while the
# search runs makes one search fail, so search again.
find_window() {
    for _ in $(seq $(($2 * 5))); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
    done
}
recorder="$scratch/recorder"
mkdir -p "$recorder"
cat > "$recorder/xdg-open" <<'OPENER'
#!/bin/sh
printf '%s\n' "$@" >> "$(dirname "$0")/opened"
OPENER
chmod +x "$recorder/xdg-open"
export VORLANK_OPENED="$recorder/opened" VORLANK_HEARD="$scratch/heard" \
    VORLANK_ORACLE="$3" VORLANK_PROBE="$build/window_probe.exe"
drive() { python3 "$here/wine_drive.py" "$@" && pass || failed=$((failed + 1)); }

# Starts the program afresh at $1 dpi under locale $2, with $3 added to WINEDLLOVERRIDES, with a
# screen reader's ear on it, and sets $window, $dpi and the centres of the controls, found by the
# names a screen reader reads. Without a window manager the X window is the client area. Wine
# itself, started over and over, now and then comes up without a window (once in about a hundred
# starts here): that start is reported with what was running, and made again.
start_program() {
    dpi=$1
    for attempt in 1 2; do
        stop_wine
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
            </dev/null >/dev/null 2>&1
        wineserver -w
        rm -f "$VORLANK_OPENED" "$VORLANK_HEARD"
        LANG=$2 LC_ALL=$2 PATH="$recorder:$PATH" WINEDLLOVERRIDES="mscoree,mshtml=;${3:-}" \
            wine "$exe" >/dev/null 2>&1 &
        window=$(find_window '^Vorlank1\.0版$' 30)
        [ -n "$window" ] && break
        printf 'note: start %s at %s dpi under %s showed no window in 30 s; running: %s windows: %s\n' \
            "$attempt" "$dpi" "$2" "$(pgrep -a '\.exe$|^wineserver' | tr '\n' ';')" \
            "$(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' ';')"
    done
    [ -n "$window" ] || { fail "no window titled Vorlank1.0版 at $dpi dpi under $2"; finish; exit 1; }
    export VORLANK_WINDOW="$window"
    wine "$VORLANK_PROBE" hear 'Vorlank1.0版' > "$VORLANK_HEARD" 2>/dev/null &
    sleep 1
    controls=$(wine "$VORLANK_PROBE" names 'Vorlank1.0版' 2>/dev/null | tr -d '\r')
    origin=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
}
# The centre, in the window's own pixels, of the control a screen reader reads as $1.
locate() {
    echo "$controls" | awk -F '\t' -v name="$1" -v origin="$origin" '
        index($1, name) == 1 { split($2, r, ","); split(origin, o, " ")
            print int(r[1] + r[3] / 2) - o[1], int(r[2] + r[4] / 2) - o[2]; exit }'
}
px() { echo $((($1 * dpi + 720) / 1440)); } # twips to pixels, rounded as MulDiv rounds
# shellcheck disable=SC2046
click() { xdotool mousemove --window "$window" $(locate "$1") click 1; }
title() { xdotool getwindowname "$window"; }
# The title once it reads $1, or as it stands after 10 s: the window takes input in its own time.
title_once() {
    for _ in $(seq 100); do [ "$(title)" = "$1" ] && break; sleep 0.1; done
    title
}
# Line $1 of what the desktop received, once it has arrived or after 3 s.
opened_line() {
    for _ in $(seq 30); do
        [ -f "$VORLANK_OPENED" ] && [ "$(wc -l < "$VORLANK_OPENED")" -ge "$1" ] && break
        sleep 0.1
    done
    [ ! -f "$VORLANK_OPENED" ] || sed -n "$1p" "$VORLANK_OPENED"
}
# The height in pixels of the ink within twip rectangle $2..$5 of screenshot $1.
ink_height() {
    convert "$1" -crop "$(px "$4")x$(px "$5")+$(px "$2")+$(px "$3")" +repage -colorspace Gray \
        -threshold 50% -format '%@' info: 2>/dev/null | sed 's/^[0-9]*x\([0-9]*\)+.*/\1/'
}
# What a user sees of size and shape at this dpi: the client area, a window that keeps its size
# (what the window manager is told: a fixed size, and neither resizing nor maximising among the
# Motif functions, 0x2 and 0x10), the 72-point character and a 9-point line of text.
check_sizes() {
    shot="$scratch/start-$dpi.png"
    import -window "$window" "$shot"
    size="$(px 9315)x$(px 6045)"
    expect "$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')" "$size" \
        "client area at $dpi dpi"
    hints=$(xprop -id "$window" WM_NORMAL_HINTS _MOTIF_WM_HINTS)
    expect "$(echo "$hints" | sed -n 's/.*program specified \(m[a-z]*\) size: \([0-9]*\) by \([0-9]*\)/\1 \2x\3/p' | tr '\n' ' ')" \
        "minimum $size maximum $size " "the size the window manager may give at $dpi dpi"
    functions=$(echo "$hints" | sed -n 's/^_MOTIF_WM_HINTS.* = [^,]*, \(0x[0-9a-f]*\),.*/\1/p')
    expect "$((${functions:-0x12} & 0x12))" 0 "resizing or maximising offered at $dpi dpi"
    # 人 fills most of its em, which is 72 points: one inch, $dpi pixels.
    big=$(ink_height "$shot" 1200 1560 1815 1575)
    if [ "${big:-0}" -ge $((dpi * 8 / 10)) ] && [ "${big:-0}" -le "$dpi" ]; then pass; else
        fail "人 is ${big:-no} pixels high at $dpi dpi: not 72 points"
    fi
    # The window face's lines are 9 points, 12 pixels at 96 dpi; "第1个字：" inks most of one.
    line=$(ink_height "$shot" 120 1560 855 255)
    cell=$((9 * dpi / 72))
    if [ "${line:-0}" -ge $((cell * 6 / 10)) ] && [ "${line:-0}" -le "$cell" ]; then pass; else
        fail "第1个字： is ${line:-no} pixels high at $dpi dpi: not the 9-point window face"
    fi
}
# Whether the picture element at twip rectangle $2..$5 of screenshot $1 shows artwork $6 rather
# than the other product's, $7.
shows_picture() {
    convert "$1" -crop "$(px "$4")x$(px "$5")+$(px "$2")+$(px "$3")" +repage "$scratch/picture.png"
    own=$(compare -metric AE -fuzz 15% "$scratch/picture.png" "$6" null: 2>&1 || true)
    other=$(convert "$7" -resize "$(px "$4")x$(px "$5")!" png:- |
        compare -metric AE -fuzz 15% "$scratch/picture.png" - null: 2>&1 || true)
    [ "${own%%.*}" -lt $(($(px "$4") * $(px "$5") / 20)) ] && [ "${own%%.*}" -lt "${other%%.*}" ]
}
# The users' journeys the desktop windows take: keyboards, actions and expectation, '|' apart.
grep -v '^#' "$here/journeys.txt" | grep -E '^[a-z ]*\b(window|all)\b' > "$scratch/journeys"
first_box=$(grep '| box ' "$scratch/journeys" | head -n 1)

# The look-up of 人 reaches the dictionary as the same ASCII address on every code page:
# 936 (zh_CN), 950 (zh_TW), 932 (ja_JP) and 1252 (en_US).
for locale in en_US.UTF-8 ja_JP.UTF-8 zh_TW.UTF-8 zh_CN.UTF-8; do
    start_program 96 "$locale"
    # A window just mapped may not take a click yet: click again until the address arrives.
    for _ in 1 2 3; do
        click 查询此字
        [ -n "$(opened_line 1)" ] && break
    done
    expect "$(opened_line 1)" 'https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg' \
        "look-up before a test under $locale"
    # Where the system's message face has no Chinese, the end message must still read.
    if [ "$locale" = en_US.UTF-8 ]; then
        start_program 96 "$locale"
        drive journey "$(echo "$first_box" | cut -d '|' -f 2)" "$(echo "$first_box" | cut -d '|' -f 3 | sed 's/^ //')"
    fi
done

# The last program, under zh_CN: its sizes and pictures.
check_sizes
if shows_picture "$shot" 4680 360 2160 2160 "$here/../assets/product1.png" \
    "$here/../assets/product2.png"; then pass; else fail "the first product's picture"; fi
if shows_picture "$shot" 4680 2760 750 750 "$here/../assets/product2.png" \
    "$here/../assets/product1.png"; then pass; else fail "the second product's picture"; fi

# Switching to another window and back gives the keyboard back to the control that had it: a
# look-up sends the user to the browser, and Space must still answer on their return.
click 开始测试
click 认识
click 提交
expect "$(title_once '你认识74个字！')" '你认识74个字！' "an answer before switching away"
wine notepad >/dev/null 2>&1 &
away=$(find_window '记事本' 30)
xdotool windowfocus --sync "$away"
wine "$VORLANK_PROBE" activate 记事本 >/dev/null 2>&1
xdotool type elsewhere
xdotool windowfocus --sync "$window"
wine "$VORLANK_PROBE" activate '你认识74个字！' >/dev/null 2>&1
xdotool key space
expect "$(title_once '你认识148个字！')" '你认识148个字！' "Space after switching away and back"
xdotool windowkill "$away"

# A desktop that cannot start a browser (ShellExecuteA fails): a box shows the address, selected,
# for the user to copy; the window carries on.
start_program 96 zh_CN.UTF-8 'winebrowser.exe=d'
for target in 查询此字 拼音小达人; do
    click "$target"
    box=$(find_window '^Vorlank$' 10)
    if [ -z "$box" ]; then fail "no box when the $target address could not be opened"; continue; fi
    printf '' | xclip -selection clipboard
    xdotool windowfocus --sync "$box" key ctrl+c
    sleep 0.5
    copied=$(xclip -o -selection clipboard 2>/dev/null || true)
    case $target in
    查询此字) expect "$copied" 'https://dict.baidu.com/s?wd=%C8%CB&select=0&tn=qorvex_pg' \
        "the address copied from the box" ;;
    *) expect "${copied%=*}" 'https://shop.example.com/item.htm?id' "the product address copied" ;;
    esac
    xdotool windowfocus --sync "$box" key Return
    for _ in $(seq 100); do
        [ -z "$(xdotool search --onlyvisible --name '^Vorlank$' 2>/dev/null)" ] && break
        sleep 0.1
    done
    expect "$(xdotool search --onlyvisible --name '^Vorlank$' 2>/dev/null | wc -l)" 0 "the box is dismissed"
done
expect "$(opened_line 1)" '' "nothing reaches a desktop that refused"

# A storm of draws, answers, look-ups and end boxes, checked against the core after each burst.
start_program 96 zh_CN.UTF-8
seed=${VORLANK_STORM_SEED:-$(date +%s)}
drive storm "$seed" 2000 # VORLANK_STORM_SEED replays one

# The users' journeys, on fresh windows: the table the Linux window's and the page's tests run too.
while IFS='|' read -r _ actions expected; do
    start_program 96 zh_CN.UTF-8
    drive journey "$actions" "${expected# }"
done < "$scratch/journeys"

# At 144 dpi the window scales its twips, its faces and its character with the display. The
# first key press lands on 开始测试: Enter draws a test, which the answer then counts in.
start_program 144 zh_CN.UTF-8
check_sizes
xdotool windowfocus --sync "$window" key Return
click 认识
click 提交
expect "$(title_once '你认识74个字！')" '你认识74个字！' "the first key press draws a test"
expect "$(opened_line 1)" '' "the first key press looks nothing up"
stop_wine
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
finish
