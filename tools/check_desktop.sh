#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Checks an already built Quillby under a real window manager: openbox on a virtual X display
# of its own (xvfb-run, 1024 x 768), with a 60-pixel margin on the right of its work area where
# a panel would stand. It starts the program and checks what only a real desktop shows:
#   - the main window stands inside the work area, against its right edge, one window height
#     above its bottom;
#   - the help window names the main window as its owner (WM_TRANSIENT_FOR);
#   - the version message, the definition box and the error box of a desktop without a browser
#     appear centred on the screen within 3 pixels, by their outer frame, and stay there: a
#     record of what the window manager does with their frames shows where they appeared and
#     every move; each box's title shows whole in its caption;
#   - the About button is still drawn after a press on the close box that slid off and let go;
#   - the Menu key and Shift+F10 in the suggestion list each open one menu, which one Escape
#     closes.
# Usage: tools/check_desktop.sh [BUILD_DIR]   (default: build; run ./build.sh test first)
# Needs: xvfb, xauth, openbox, xdotool, x11-utils (xprop, xwininfo, xev), imagemagick (import).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program="$PWD/$build/app/quillby"

if [ -z "${QUILLBY_DESKTOP_DISPLAY:-}" ]; then
    [ -x "$program" ] || { echo "check_desktop: $program not found; build it first" >&2; exit 2; }
    for tool in xvfb-run openbox xdotool xprop xwininfo xev import; do
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

# Starts recording what happens to the windows on the screen (frames made, mapped, moved) into
# $record; returns once the recording runs.
start_recording() {
    record=$(mktemp "$work/record.XXXXXX")
    xev -root -event substructure -event property >"$record" 2>&1 &
    recorder=$!
    pids+=($recorder)
    for i in $(seq 100); do
        xprop -root -f _QUILLBY_RECORDING 8s -set _QUILLBY_RECORDING "$i"
        grep -q _QUILLBY_RECORDING "$record" && return 0
        sleep 0.05
    done
    fail "the recording of the screen's windows did not start"
}

stop_recording() {
    sleep 0.2
    kill "$recorder" 2>/dev/null || true
    wait "$recorder" 2>/dev/null || true
}

# Every place the outer frame around the client window with this id took while on screen,
# from the recording: "x y width height" as it appeared, then again after each move.
frame_places() {
    awk -v client="$(printf '0x%x' "$1")" 'BEGIN { RS = "" }
        function part(pattern) {
            return match($0, pattern) ? substr($0, RSTART, RLENGTH) : ""
        }
        {
            window = part("event 0x[0-9a-f]+, window 0x[0-9a-f]+")
            sub(/.* /, "", window)
        }
        $1 == "ReparentNotify" && window == client && frame == "" {
            frame = part("parent 0x[0-9a-f]+")
            sub(/.* /, "", frame)
            next
        }
        frame == "" || window != frame { next }
        $1 == "ConfigureNotify" {
            split(part("\\(-?[0-9]+,-?[0-9]+\\), width [0-9]+, height [0-9]+"), g, /[^-0-9]+/)
            split(part("border_width [0-9]+"), b, / /)
            place = g[2] " " g[3] " " (g[4] + 2 * b[2]) " " (g[5] + 2 * b[2])
            if (mapped && place != last)
                print place
            last = place
        }
        $1 == "MapNotify" { mapped = 1; print last }
        $1 == "UnmapNotify" && mapped { exit }
    ' "$record"
}

# The width of the text of the caption the window manager draws above the client window with
# this id (its icon and buttons left out), while the window is active: the bright pixels' span.
title_text_width() {
    local bx by bw bh left right top bottom
    read -r bx by bw bh < <(client_geometry "$1")
    read -r left right top bottom < <(frame_extents "$1")
    import -window root -crop "$((bw - 80))x$((top - 4))+$((bx + 24))+$((by - top + 2))" \
        "$work/title.png"
    convert "$work/title.png" -colorspace Gray -threshold 85% -format '%@' info: | sed 's/x.*//'
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
# On a busy machine openbox may take several seconds to start.
for _ in $(seq 300); do
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q '= 0, 0, 964, 768' && break
    sleep 0.1
done
if ! read -r work_x work_y work_w work_h < <(xprop -root _NET_WORKAREA 2>/dev/null |
    sed -n 's/.* = //p' | tr -d ',' | awk '{print $1, $2, $3, $4}'); then
    fail "openbox did not start within 30 seconds: $(cat "$work/openbox.log")"
    exit 1
fi
echo "work area: ${work_w}x${work_h}+${work_x}+${work_y}"
[ "$work_w" = 964 ] || fail "openbox did not take the 60-pixel right margin (work area $work_w wide)"

# The program runs on a desktop without a web browser: nothing on its PATH opens web addresses.
unset QT_QPA_PLATFORM BROWSER DEFAULT_BROWSER XDG_CURRENT_DESKTOP DESKTOP_SESSION
mkdir "$work/no-browser"
PATH=$work/no-browser XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb "$program" \
    >"$work/quillby.log" 2>&1 &
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
    # Titles drawn whole on its wide caption, for the message boxes' captions to be held to: the
    # width once the caption shows another text than before, the same twice running.
    declare -A whole_title
    shown=$(title_text_width "$info")
    for title in Information Warning Quillby; do
        xdotool set_window --name "$title" "$info"
        before=$shown
        last=""
        for _ in $(seq 50); do
            sleep 0.1
            shown=$(title_text_width "$info")
            [ "$shown" != "$before" ] && [ "$shown" = "$last" ] && break
            last=$shown
        done
        whole_title[$title]=$shown
    done
    xdotool windowactivate --sync "$info" key Escape
    sleep 0.5
else
    fail "no help window appeared"
fi

# Whether the frame around the client window with this id appeared centred on the screen within
# 3 pixels and stayed centred, by the recording; WHAT names it in the messages.
check_centred() {
    local id=$1 what=$2 x y width height dx2 dy2 places=0 off=0
    stop_recording
    while read -r x y width height; do
        places=$((places + 1))
        # Twice the centre of the outer frame, against twice the centre of the screen.
        dx2=$((2 * x + width - 1024))
        dy2=$((2 * y + height - 768))
        echo "$what: outer frame ${width}x${height}+${x}+${y}, centre off the screen's by (${dx2}/2, ${dy2}/2) pixels"
        [ "${dx2#-}" -le 6 ] && [ "${dy2#-}" -le 6 ] || off=$((off + 1))
    done < <(frame_places "$id")
    if [ "$places" -eq 0 ]; then
        fail "$what: the recording holds no frame for it"
    elif [ "$off" -eq 0 ]; then
        pass "$what appeared centred on the screen within 3 pixels and stayed ($((places - 1)) moves)"
    else
        fail "$what off centre in $off of the $places places its frame took"
    fi
}

# Whether the title of the box with this id shows whole in its caption: its text as wide as the
# same title drawn on a wide caption.
# Waits up to 3 seconds for the caption to be drawn.
check_title() {
    local id=$1 title=$2 what=$3 whole=${whole_title[$2]:-0} width shown=0
    for _ in $(seq 30); do
        width=$(title_text_width "$id")
        if [ "${width:-0}" -ge $((whole - 1)) ] && [ "${width:-0}" -le $((whole + 1)) ]; then
            shown=1
            break
        fi
        sleep 0.1
    done
    echo "$what: title text ${width:-no} pixels wide, whole $whole"
    if [ "$shown" -eq 1 ] && [ "$whole" -gt 0 ]; then
        pass "$what shows its title \"$title\" whole"
    else
        fail "$what: its title \"$title\" is cut short"
    fi
}

# Waits for the box titled $1 (the $2) that the recording started before it saw appear, checks
# that it appeared centred and stayed, that its title shows whole, and closes it with Return.
expect_centred_box() {
    local box
    if box=$(wait_for_window "$1" 10); then
        sleep 0.5
        xdotool windowactivate --sync "$box"
        check_title "$box" "$1" "$2"
        xdotool key Return
        sleep 0.5
        check_centred "$box" "$2"
    else
        stop_recording
        fail "no $2 appeared"
    fi
}

# The About button (16 x 14 pixels, 29 pixels left of the right edge, 6 below the top) shows the
# version message, centred on the screen by its outer frame.
about_x=$((mx + mw - 45))
about_y=$((my + 6))
start_recording
xdotool mousemove $((about_x + 8)) $((about_y + 7)) click 1
expect_centred_box "Information" "version message"

# The definition of "abed" (a Webster search, then Definitions), centred the same way. The
# client area starts 3 pixels in and 22 down; in it the word box stands at 8,15, Webster at
# 73,125, Definitions at 240,68 and the web dictionary's button at 151,125; clicks, which reach
# the window in the order given.
client() { echo $((mx + 3 + $1)) $((my + 22 + $2)); }
xdotool mousemove $(client 60 25) click 1 type abed
xdotool mousemove $(client 110 137) click 1
start_recording
xdotool mousemove $(client 270 80) click 1
expect_centred_box "Warning" "definition box"

# Without a browser, the web dictionary's button shows the error box, centred the same way.
xdotool windowactivate --sync "$main"
start_recording
xdotool mousemove $(client 195 137) click 1
expect_centred_box "Quillby" "error box of a desktop without a browser"

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

# The Menu key and Shift+F10 in the suggestion list each open its one menu, and one Escape
# closes it. The list is filled first (Alt+M for "rythm") and given the focus with a click.
xdotool windowactivate --sync "$main"
xdotool mousemove $((mx + 100)) $((my + 45)) click 1 key ctrl+a type rythm
xdotool key alt+m sleep 1 mousemove $((mx + 100)) $((my + 100)) click 1 sleep 0.5
for key in Menu shift+F10; do
    xdotool key "$key"
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
    echo "$key: $menus menus opened, $left_open left after one Escape"
    if [ "$menus" = 1 ] && [ "$left_open" = 0 ]; then
        pass "$key opens one menu, closed by one Escape"
    else
        fail "$key opened $menus menus; $left_open still open after one Escape"
        xdotool key Escape
    fi
done

if grep -q "grabbing the mouse" "$work/quillby.log"; then
    fail "the program asked for a mouse grab the platform refused"
fi

echo "check_desktop: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
