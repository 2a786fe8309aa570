#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Finds the word data a build embeds and prints its folder, for CMake's QUILLBY_DATA_DIR:
#   1. $QUILLBY_DATA_DIR when it is set (CMake then names any file missing from it);
#   2. the folder the build folder's CMake cache already names, when it holds the data;
#   3. ../shared/data beside the checkout, when it holds the data;
#   4. otherwise the published files, fetched from their sources into a cache folder of this
#      script's own, ${QUILLBY_DATA_CACHE:-${XDG_CACHE_HOME:-~/.cache}/quillby/data}.
# Every fetched file must match its SHA-256 sum in tools/word-data.sha256. The files are
# fetched into a temporary folder beside the cache and checked there; only a complete set that
# matches is moved into place, so a cache folder that exists is always whole. A cache folder
# is checked against the sums again each time it is used.
# QUILLBY_DATA_SOURCE replaces the published addresses with one base address of a copy laid
# out as the data folder (moby/SINGLE.TXT, opted/v003/wb1913_a.html ...), such as file:///srv/data.
# Usage: tools/fetch_data.sh BUILD_DIR
# Needs: curl, sha256sum.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
checkout=$(dirname "$tools")
sums="$tools/word-data.sha256"
build=${1:?usage: tools/fetch_data.sh BUILD_DIR}

# The published address of one file of the data folder.
source_of() {
    local path=$1
    if [ -n "${QUILLBY_DATA_SOURCE:-}" ]; then
        echo "${QUILLBY_DATA_SOURCE%/}/$path"
        return
    fi
    case "$path" in
    moby/*) echo "https://www.gutenberg.org/files/3201/files/${path#moby/}" ;;
    opted/v003/index.html) echo "https://www.mso.anu.edu.au/~ralph/OPTED/index.html" ;;
    opted/v003/*) echo "https://www.mso.anu.edu.au/~ralph/OPTED/v003/${path#opted/v003/}" ;;
    esac
}

# Whether a folder holds every file of the data the build reads (OPTED's own index page is
# fetched with the rest but not read).
holds_data() {
    local folder=$1 sum path
    [ -n "$folder" ] && [ -d "$folder" ] || return 1
    while read -r sum path; do
        [ "$path" = opted/v003/index.html ] || [ -f "$folder/$path" ] || return 1
    done <"$sums"
}

# Whether every file of a folder matches its sum.
matches_sums() {
    (cd "$1" && sha256sum --quiet --check --strict "$sums" >/dev/null 2>&1)
}

# Stops with the one message a user needs: what failed and where from, what the data is, and
# how to build with a copy of it.
give_up() {
    local problem=$1 detail=$2
    cat >&2 <<EOF
fetch_data: the word data is not here, and fetching it failed:
  $problem
  ($detail)
Quillby builds two public-domain data sets into the program; neither is in this repository:
the Moby word list (Moby Words II, Project Gutenberg etext 3201: SINGLE.TXT, COMMON.TXT,
FREQ.TXT, OFTENMIS.TXT) and the OPTED dictionary v0.03 (wb1913_a.html ... wb1913_z.html and
its index.html). Neither QUILLBY_DATA_DIR nor $checkout_data holds them, and nothing
fetched was kept. With a copy laid out as moby/SINGLE.TXT ... and opted/v003/wb1913_a.html
..., build with:
  QUILLBY_DATA_DIR=/path/to/data ./build.sh run
EOF
    exit 1
}

if [ -n "${QUILLBY_DATA_DIR:-}" ]; then
    echo "$QUILLBY_DATA_DIR"
    exit 0
fi
cached=""
if [ -f "$build/CMakeCache.txt" ]; then
    cached=$(sed -n 's/^QUILLBY_DATA_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
fi
cache=${QUILLBY_DATA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillby/data}
checkout_data=$(cd "$checkout/.." && pwd)/shared/data
if [ "$cached" != "$cache" ] && holds_data "$cached"; then
    echo "$cached"
    exit 0
fi
if holds_data "$checkout_data"; then
    echo "$checkout_data"
    exit 0
fi
if holds_data "$cache" && matches_sums "$cache"; then
    echo "$cache"
    exit 0
fi

# A cache folder that no longer matches is of no use: its files go, whatever happens next. Only
# the files of the data go, so that a folder named by mistake loses nothing else.
if [ -d "$cache" ]; then
    while read -r sum path; do
        rm -f "$cache/$path"
    done <"$sums"
    rmdir "$cache/opted/v003" "$cache/opted" "$cache/moby" "$cache" 2>/dev/null || true
fi
[ ! -e "$cache" ] ||
    give_up "the cache folder $cache holds other files" "name a new folder in QUILLBY_DATA_CACHE"
command -v curl >/dev/null ||
    give_up "curl, which fetches them, is not installed" "sudo apt-get install curl"
mkdir -p "$(dirname "$cache")"
staging=$(mktemp -d "$(dirname "$cache")/.fetching.XXXXXX")
trap 'rm -rf "$staging"' EXIT
echo "fetch_data: fetching the word data into $cache" >&2
while read -r sum path; do
    address=$(source_of "$path")
    mkdir -p "$staging/$(dirname "$path")"
    if ! curl --fail --silent --show-error --location --proto-redir -all,http,https \
        --connect-timeout 20 --speed-limit 1024 --speed-time 60 --retry 2 \
        --output "$staging/$path" "$address" 2>"$staging/curl.log"; then
        give_up "$path could not be fetched from $address" "$(tail -n 1 "$staging/curl.log")"
    fi
    actual=$(sha256sum "$staging/$path" | cut -d ' ' -f 1)
    [ "$actual" = "$sum" ] ||
        give_up "$path as fetched from $address is damaged" \
            "its SHA-256 sum is $actual, not the published $sum"
done <"$sums"
rm -f "$staging/curl.log"
chmod 755 "$staging"
# Another build may have put a whole set in place meanwhile; it is as good as this one.
mv -T "$staging" "$cache" 2>/dev/null || matches_sums "$cache" ||
    give_up "the cache folder $cache could not be put in place" "another build was writing it"
echo "$cache"
