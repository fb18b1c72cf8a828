#!/bin/sh
# The Windows program, Vorlank.exe, in a real window under Wine: a whole test taken with the
# mouse, the keyboard's dialog keys, the look-up and the product links handed to the desktop
# (a recording xdg-open here; no browser starts), and a screenshot to look at.
# Usage: wine_window.sh WINDOWS_BUILD_DIR SCRATCH_DIR   (under xvfb-run; WINEPREFIX is made in
# SCRATCH_DIR on first use)
set -eu
exe="$1/Vorlank.exe"
scratch=$2
[ -f "$exe" ] || { echo "FAIL: $exe is missing: run 'make windows' first"; exit 1; }
mkdir -p "$scratch"
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Under a Chinese locale Wine's ANSI code page is 936, as on the desktops the program is for.
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
locale -a | grep -qi '^zh_CN.utf8$' || { echo "FAIL: no zh_CN.UTF-8 locale"; exit 1; }
passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
expect() { if [ "$1" = "$2" ]; then pass; else fail "$3: '$1', expected '$2'"; fi; }
# Wine must be gone before the X server is, however the script ends.
# (-k asks the server to go; -w waits until it has, so that a next run does not meet it dying.)
stop_wine() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
trap stop_wine EXIT
finish() {
    stop_wine
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

stop_wine # a server left by an earlier run of this prefix
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    DISPLAY='' wineboot -i >/dev/null 2>&1
    wineserver -w
fi

# The GBK cases against Windows' own code page 936.
if wine "$1/gbk_cases.exe" > "$scratch/gbk_cases.log" 2>&1; then pass; else
    fail "GBK cases under Wine: $(cat "$scratch/gbk_cases.log")"
fi

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
rm -f "$recorder/opened"
PATH="$recorder:$PATH" wine "$exe" >/dev/null 2>&1 &
window=$(find_window '^Vorlank1\.0版$' 60)
[ -n "$window" ] || { fail "no window titled Vorlank1.0版"; finish; exit 1; }
sleep 1
title() { xdotool getwindowname "$window"; }
# The title once it reads $1, or as it stands after 10 s: the window takes input in its own time.
title_once() {
    for _ in $(seq 100); do [ "$(title)" = "$1" ] && break; sleep 0.1; done
    title
}
# The number of visible end message boxes, once it is $1 or after 10 s.
boxes_once() {
    for _ in $(seq 100); do
        [ "$(xdotool search --onlyvisible --name '^Vorlank$' 2>/dev/null | wc -l)" = "$1" ] && break
        sleep 0.1
    done
    xdotool search --onlyvisible --name '^Vorlank$' 2>/dev/null | wc -l
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# Time for the window to take what was sent, before checking that it changed nothing.
settle() { sleep 1; }
# Centres of the elements, in pixels of the client area (twips / 15).
start="252 124" submit="252 256" lookup="252 180" recognised="52 260"
image1="384 96" label5="524 64" image2="337 209" label6="468 244"

# Without a window manager the X window is the client area: 9315 x 6045 twips.
expect "$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')" 621x403 "client area"
import -window "$window" "$scratch/start.png"

# The look-up before any test sends 人; Wine decodes the GBK address with code page 936.
# shellcheck disable=SC2086
# A window just mapped may not take a click yet: click again until the address arrives.
for _ in 1 2 3; do
    click $lookup
    for _ in $(seq 30); do [ -s "$recorder/opened" ] && break; sleep 0.1; done
    [ -s "$recorder/opened" ] && break
done
expect "$(sed -n 1p "$recorder/opened" 2>/dev/null)" \
    'https://dict.baidu.com/s?wd=人&select=0&tn=qorvex_pg' "look-up before a test"

# shellcheck disable=SC2086
{
    click $recognised
    click $submit # no test yet: nothing to answer for
    settle
    expect "$(title)" 'Vorlank1.0版' "a submit before any draw"
    click $start
    click $submit
    expect "$(title_once '你认识74个字！')" '你认识74个字！' "first answer"
    for _ in $(seq 89); do click $submit; done
    expect "$(title_once '你认识6660个字！')" '你认识6660个字！' "90th answer"
    import -window "$window" "$scratch/during.png"
    click $submit # the 91st answer counts, then the end message
}
box=$(find_window '^Vorlank$' 10)
if [ -n "$box" ]; then pass; else fail "no end message box titled Vorlank"; fi
expect "$(title_once '你认识6734个字！')" '你认识6734个字！' "the 91st answer"
import -window root "$scratch/end.png"
# No window manager gives the box the keyboard: hand it over, as a click on it would.
[ -z "$box" ] || xdotool windowfocus "$box" key Return
expect "$(boxes_once 0)" 0 "the end message is dismissed"
# shellcheck disable=SC2086
{
    click $submit
    click $submit
    settle
}
expect "$(title)" '你认识6734个字！' "submits after the end"
expect "$(boxes_once 0)" 0 "no second end message"

# The dialog keys: the focus is on 提交 (clicked last). Shift+Tab reaches 开始测试, Enter draws,
# Tab and Enter submit, Space submits again; the arrow keys move the answer within its group.
xdotool key shift+Tab Return Tab Return
expect "$(title_once '你认识74个字！')" '你认识74个字！' "Enter on the focused buttons"
xdotool key space
expect "$(title_once '你认识148个字！')" '你认识148个字！' "Space on the focused button"
# 不认识 (not counted), then 认识 again (counted): 148 + 0 + 74.
xdotool key Tab Tab Left shift+Tab shift+Tab Return Tab Tab Right shift+Tab shift+Tab Return
expect "$(title_once '你认识222个字！')" '你认识222个字！' "the arrow keys move the answer"

# Each product's picture and text open the same page; the two pages differ.
# shellcheck disable=SC2086
{
    click $image1
    click $label5
    click $image2
    click $label6
}
for _ in $(seq 50); do [ "$(wc -l < "$recorder/opened")" -ge 5 ] && break; sleep 0.1; done
first=$(sed -n 2p "$recorder/opened")
second=$(sed -n 4p "$recorder/opened")
expect "$(sed -n 3p "$recorder/opened")" "$first" "Image1 and Label5"
expect "$(sed -n 5p "$recorder/opened")" "$second" "Image2 and Label6"
case "$first $second" in
https://*/item.htm?id=*" "https://*/item.htm?id=*) [ "$first" != "$second" ] && pass || fail "one page for both products" ;;
*) fail "product pages '$first' and '$second'" ;;
esac

# At 144 dpi the window scales its twips with the display: 9315 x 6045 twips are 932 x 605 pixels.
stop_wine
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -w
wine "$exe" >/dev/null 2>&1 &
window=$(find_window '^Vorlank1\.0版$' 60)
expect "$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')" 932x605 "client area at 144 dpi"
stop_wine
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -w
finish
