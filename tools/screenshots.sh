#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Takes the README's screenshots of an already built Quillby, on a virtual X display of its own
# (xvfb-run), so that nothing shows on the desktop and the pictures come out the same each time.
# The program is driven with key presses as a user would drive it:
#   docs/screenshots/main-window.png  "rythm" typed, Alt+M: the Moby suggestions
#   docs/screenshots/definitions.png  "quill" typed, Alt+W, then Definitions: the definition box
#   docs/screenshots/help.png         Alt+H: the help window
# Usage: tools/screenshots.sh [BUILD_DIR]   (default: build; run ./build.sh test first)
# Needs: xvfb, xauth, xdotool, imagemagick (import). Exits 1 when a picture could not be taken;
# the pictures that could be taken are written all the same.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
program="$PWD/$build/app/quillby"
out="$PWD/docs/screenshots"

if [ -z "${QUILLBY_SCREENSHOT_DISPLAY:-}" ]; then
    [ -x "$program" ] || { echo "screenshots: $program not found; build it first" >&2; exit 2; }
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || {
            echo "screenshots: $tool is missing (apt-get install xvfb xauth xdotool imagemagick)" >&2
            exit 2
        }
    done
    exec env QUILLBY_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
        "$0" "$@"
fi

mkdir -p "$out"
# A private runtime folder: a Quillby the user has open elsewhere does not count as running here.
runtime=$(mktemp -d)
chmod 700 "$runtime"
pid=""
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT

missing=0

# Waits up to SECONDS (default 10) for a visible window of the program with exactly this title;
# prints its id.
wait_for_window() {
    local title=$1 seconds=${2:-10} id
    for _ in $(seq $((seconds * 5))); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "^${title}\$" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# Saves one window as a PNG, without time stamps so that an unchanged picture stays unchanged.
snap() {
    local id=$1 name=$2
    sleep 1 # let the window finish painting
    import -window "$id" -strip -define png:exclude-chunk=date,time "png:$out/$name"
    echo "screenshots: wrote docs/screenshots/$name"
}

# Sends keys to the window that has the keyboard focus (there is no window manager to route them).
keys() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 60 "$1"; }

unset QT_QPA_PLATFORM
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb "$program" &
pid=$!

# The word lists load behind a progress window first; the main window shows when they are in.
if ! main=$(wait_for_window "Spelling Lists" 120); then
    echo "screenshots: the main window did not appear" >&2
    exit 1
fi
xdotool windowfocus --sync "$main"

# The main window starts with the word box focused: type, then search the Moby list.
type_text "rythm"
keys alt+m
snap "$main" main-window.png

# A Webster search, then Definitions: Tab, Tab from the word box reaches the Definitions button.
xdotool windowfocus --sync "$main"
keys ctrl+a
type_text "quill"
keys alt+w Tab Tab space
if box=$(wait_for_window "Warning"); then
    snap "$box" definitions.png
    xdotool windowfocus --sync "$box"
    keys Return
else
    echo "screenshots: no definition box appeared" >&2
    missing=$((missing + 1))
fi

# The help window.
xdotool windowfocus --sync "$main"
keys alt+h
if info=$(wait_for_window "Program Information and Credits"); then
    sleep 1 # the first help page loads after the window shows
    snap "$info" help.png
else
    echo "screenshots: no help window appeared" >&2
    missing=$((missing + 1))
fi

[ "$missing" -eq 0 ] || { echo "screenshots: $missing picture(s) missing" >&2; exit 1; }
