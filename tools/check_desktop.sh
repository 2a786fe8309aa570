#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Checks an already built Quillby under a real window manager: openbox on a virtual X display
# of its own (xvfb-run, 1024 x 768), with a 60-pixel margin on the right of its work area where
# a panel would stand. It starts the program and checks what only a real desktop shows:
#   - the main window stands inside the work area, against its right edge, one window height
#     above its bottom;
#   - the help window names the main window as its owner (WM_TRANSIENT_FOR);
#   - the version message and the definition box are centred on the screen within 3 pixels, by
#     their outer frame;
#   - the About button is still drawn after a press on the close box that slid off and let go;
#   - the Menu key in the suggestion list opens one menu, which one Escape closes.
# Usage: tools/check_desktop.sh [BUILD_DIR]   (default: build; run ./build.sh test first)
# Needs: xvfb, xauth, openbox, xdotool, x11-utils (xprop, xwininfo), imagemagick (import).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program="$PWD/$build/app/quillby"

if [ -z "${QUILLBY_DESKTOP_DISPLAY:-}" ]; then
    [ -x "$program" ] || { echo "check_desktop: $program not found; build it first" >&2; exit 2; }
    for tool in xvfb-run openbox xdotool xprop xwininfo import; do
        command -v "$tool" >/dev/null || {
            echo "check_desktop: $tool is missing (./build.sh installs it)" >&2
            exit 2
        }
    done
    exec env QUILLBY_DESKTOP_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
        timeout 120 "$0" "$@"
fi

work=$(mktemp -d)
chmod 700 "$work"
mkdir -m 700 "$work/runtime"
pids=()
cleanup() {
    for p in "${pids[@]}"; do
        kill "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }
fail() { echo "FAILED: $*" >&2; failed=$((failed + 1)); }

# Waits up to SECONDS for a visible window with exactly this title; prints its id.
wait_for_window() {
    local title=$1 seconds=$2 id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# The client window's place on the screen: "x y width height".
client_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width/ {w=$NF} /^ *Height/ {h=$NF} END {print x, y, w, h}'
}

# The window manager's frame around a client: "left right top bottom" (zeros without one).
frame_extents() {
    local extents
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ',')
    echo "${extents:-0 0 0 0}"
}

# How many popup menus of the program are on screen: its visible windows that the window
# manager leaves alone (override-redirect), tool tips aside.
count_menus() {
    local id n=0
    for id in $(xdotool search --onlyvisible --classname '^quillby$' 2>/dev/null || true); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' || continue
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP ||
            n=$((n + 1))
    done
    echo "$n"
}

# How many pixels of a PNG are darker than a quarter of full brightness.
dark_pixels() {
    convert "$1" -colorspace Gray -threshold 25% -format "%[fx:int(w*h*(1-mean)+0.5)]" info:
}

# openbox, with the work area's right margin where a panel would stand.
cat >"$work/rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>0</bottom><left>0</left><right>60</right></margins>
</openbox_config>
EOF
openbox --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= 0, 0, 964, 768' && break
    sleep 0.1
done
read -r work_x work_y work_w work_h < <(xprop -root _NET_WORKAREA | sed -n 's/.* = //p' |
    tr -d ',' | awk '{print $1, $2, $3, $4}')
echo "work area: ${work_w}x${work_h}+${work_x}+${work_y}"
[ "$work_w" = 964 ] || fail "openbox did not take the 60-pixel right margin (work area $work_w wide)"

unset QT_QPA_PLATFORM
XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb "$program" >"$work/quillby.log" 2>&1 &
pids+=($!)

if ! main=$(wait_for_window "Spelling Lists" 30); then
    fail "the main window did not appear"
    echo "$passed passed, $failed failed"
    exit 1
fi
sleep 0.5
read -r mx my mw mh < <(client_geometry "$main")
echo "main window: ${mw}x${mh}+${mx}+${my}"
if [ $((mx + mw)) -eq $((work_x + work_w)) ] && [ "$mx" -ge "$work_x" ] && [ "$my" -ge "$work_y" ] &&
    [ $((my + mh)) -le $((work_y + work_h)) ] &&
    [ $((my + 2 * mh)) -eq $((work_y + work_h)) ]; then
    pass "main window inside the work area, against its right edge, one window height above its bottom"
else
    fail "main window at ${mw}x${mh}+${mx}+${my}, work area ${work_w}x${work_h}+${work_x}+${work_y}"
fi

# The help window belongs to the main window.
xdotool windowactivate --sync "$main" key alt+h
if info=$(wait_for_window "Program Information and Credits" 10); then
    owner=$(xprop -id "$info" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
    if [ -n "$owner" ] && [ $((owner)) -eq $((main)) ]; then
        pass "help window transient for the main window"
    else
        fail "help window: WM_TRANSIENT_FOR is '${owner}', the main window is $(printf '0x%x' "$main")"
    fi
    xdotool windowactivate --sync "$info" key Escape
    sleep 0.5
else
    fail "no help window appeared"
fi

# Whether the window with this id comes to stand centred on the screen by its outer frame, within
# 3 pixels, once the window manager has framed it (waits up to 5 seconds for that); WHAT names it
# in the messages.
check_centred() {
    local id=$1 what=$2 bx by bw bh left right top bottom dx2 dy2 centred=0
    for _ in $(seq 50); do
        read -r bx by bw bh < <(client_geometry "$id")
        read -r left right top bottom < <(frame_extents "$id")
        # Twice the centre of the outer frame, against twice the centre of the screen.
        dx2=$((2 * (bx - left) + bw + left + right - 1024))
        dy2=$((2 * (by - top) + bh + top + bottom - 768))
        if [ "$top" -gt 0 ] && [ "${dx2#-}" -le 6 ] && [ "${dy2#-}" -le 6 ]; then
            centred=1
            break
        fi
        sleep 0.1
    done
    echo "$what: outer centre off the screen's by (${dx2}/2, ${dy2}/2) pixels"
    if [ "$centred" -eq 1 ]; then
        pass "$what centred on the screen within 3 pixels"
    else
        fail "$what not centred: client ${bw}x${bh}+${bx}+${by}, frame $left $right $top $bottom"
    fi
}

# Waits for the box titled $1 (the $2), checks that it is centred and closes it with Return.
expect_centred_box() {
    local box
    if box=$(wait_for_window "$1" 10); then
        check_centred "$box" "$2"
        xdotool windowactivate --sync "$box" key Return
        sleep 0.5
    else
        fail "no $2 appeared"
    fi
}

# The About button (16 x 14 pixels, 29 pixels left of the right edge, 6 below the top) shows the
# version message, centred on the screen by its outer frame.
about_x=$((mx + mw - 45))
about_y=$((my + 6))
xdotool mousemove $((about_x + 8)) $((about_y + 7)) click 1
expect_centred_box "Information" "version message"

# The definition of "abed" (a Webster search, then Definitions), centred the same way. The
# client area starts 3 pixels in and 22 down; in it the word box stands at 8,15, Webster at
# 73,125 and Definitions at 240,68; clicks, which reach the window in the order given.
client() { echo $((mx + 3 + $1)) $((my + 22 + $2)); }
xdotool mousemove $(client 60 25) click 1 type abed
xdotool mousemove $(client 110 137) click 1 mousemove $(client 270 80) click 1
expect_centred_box "Warning" "definition box"

# A press on the close box that slides off and lets go closes nothing and leaves the About
# button drawn: the inside of its face, pixel for pixel, as before the press.
xdotool windowactivate --sync "$main" mousemove $((mx + 150)) $((my + 100))
sleep 0.5
crop="12x10+$((about_x + 2))+$((about_y + 2))"
import -window root -crop "$crop" "$work/before.png"
xdotool mousemove $((mx + mw - 13)) $((my + 12)) mousedown 1 sleep 0.3 \
    mousemove $((mx + 150)) $((my + 10)) sleep 0.3 mousemove $((mx + 150)) $((my + 100)) \
    sleep 0.2 mouseup 1
sleep 1
import -window root -crop "$crop" "$work/after.png"
differing=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
dark=$(dark_pixels "$work/before.png")
echo "About button: $dark dark pixels of its question mark; $differing pixels differ after the press"
if ! xdotool search --onlyvisible --name '^Spelling Lists$' >/dev/null; then
    fail "the cancelled press on the close box closed the window"
elif [ "$dark" -ge 5 ] && [ "$differing" = 0 ]; then
    pass "About button still drawn after a cancelled press on the close box"
else
    fail "About button not drawn as before after a cancelled press on the close box"
fi

# The Menu key in the suggestion list opens its one menu, and one Escape closes it. The list is
# filled first (Alt+M for "rythm") and given the focus with a click.
xdotool windowactivate --sync "$main"
xdotool mousemove $((mx + 100)) $((my + 45)) click 1 key ctrl+a type rythm
xdotool key alt+m sleep 1 mousemove $((mx + 100)) $((my + 100)) click 1 sleep 0.5 key Menu
for _ in $(seq 50); do
    [ "$(count_menus)" -ge 1 ] && break
    sleep 0.1
done
sleep 0.5
menus=$(count_menus)
xdotool key Escape
for _ in $(seq 30); do
    left_open=$(count_menus)
    [ "$left_open" = 0 ] && break
    sleep 0.1
done
echo "Menu key: $menus menus opened, $left_open left after one Escape"
if [ "$menus" = 1 ] && [ "$left_open" = 0 ]; then
    pass "the Menu key opens one menu, closed by one Escape"
else
    fail "the Menu key opened $menus menus; $left_open still open after one Escape"
fi
xdotool key Escape

if grep -q "grabbing the mouse" "$work/quillby.log"; then
    fail "the program asked for a mouse grab the platform refused"
fi

echo "check_desktop: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
