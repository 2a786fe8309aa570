#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Finds the word data a build embeds and prints its folder, for CMake's QUILLBY_DATA_DIR:
#   1. $QUILLBY_DATA_DIR when it is set (CMake then names any file missing from it or differing
#      from its sum);
#   2. the folder the build folder's CMake cache already names, when it holds the data;
#   3. ../shared/data beside the checkout, when it holds the data;
#   4. otherwise the published files, fetched from their sources into a cache folder of this
#      script's own, ${QUILLBY_DATA_CACHE:-${XDG_CACHE_HOME:-~/.cache}/quillby/data}.
# Every fetched file must match its SHA-256 sum in tools/word-data.sha256. The files are fetched
# one by one into a folder beside the cache (its name ends in .partial) and each is checked as it
# arrives; only a complete set is moved into place, so a cache folder that exists is always
# whole. A fetch that fails or is interrupted keeps the files already checked there, and the
# next run fetches only the rest. A cache folder is checked against the sums each time it is used.
# QUILLBY_DATA_SOURCE replaces the published addresses with one base address of a copy laid
# out as the data folder (moby/SINGLE.TXT, opted/v003/wb1913_a.html ...), such as file:///srv/data.
# From such a copy the development set of misspellings (misspellings/norvig1.tsv, which has no
# published address) is fetched and checked too, when the copy holds it.
# Usage: tools/fetch_data.sh BUILD_DIR
# Needs: curl, sha256sum, flock.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
checkout=$(dirname "$tools")
sums="$tools/word-data.sha256"
build=${1:?usage: tools/fetch_data.sh BUILD_DIR}

# The published address of one file of the data folder; none for the development set.
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

# Files a data folder may lack: OPTED's own index page, fetched with the rest but not read by
# the build, and the development set, which only the benchmarks and one test read.
optional() {
    case "$1" in
    opted/v003/index.html | misspellings/*) return 0 ;;
    *) return 1 ;;
    esac
}

# Whether a folder holds every file of the data the build reads.
holds_data() {
    local folder=$1 sum path
    [ -n "$folder" ] && [ -d "$folder" ] || return 1
    while read -r sum path; do
        optional "$path" || [ -f "$folder/$path" ] || return 1
    done <"$sums"
}

# Whether one file matches its sum.
file_matches() {
    local file=$1 sum=$2
    [ -f "$file" ] && [ "$(sha256sum "$file" | cut -d ' ' -f 1)" = "$sum" ]
}

# Whether every file a folder holds matches its sum.
matches_sums() {
    local folder=$1 sum path
    while read -r sum path; do
        [ ! -e "$folder/$path" ] || file_matches "$folder/$path" "$sum" || return 1
    done <"$sums"
}

# Removes the folders of the data (moby/, opted/v003/, misspellings/ and the folder itself) from
# a folder, as far as they are empty.
remove_empty_folders() {
    rmdir "$1/opted/v003" "$1/opted" "$1/moby" "$1/misspellings" "$1" 2>/dev/null || true
}

# Stops with the one message a user needs: what failed and where from, what the data is, and
# how to build with a copy of it.
give_up() {
    local problem=$1 detail=$2 kept=""
    if [ -n "${partial:-}" ] && [ -n "$(find "$partial" -type f ! -name '*.download' 2>/dev/null)" ]; then
        kept="The files fetched and checked so far are kept in $partial;
the next run fetches only the rest."
    else
        kept="Nothing fetched was kept."
    fi
    cat >&2 <<EOF
fetch_data: the word data is not here, and fetching it failed:
  $problem
  ($detail)
Quillby builds two public-domain data sets into the program; neither is in this repository:
the Moby word list (Moby Words II, Project Gutenberg etext 3201: SINGLE.TXT, COMMON.TXT,
FREQ.TXT, OFTENMIS.TXT) and the OPTED dictionary v0.03 (wb1913_a.html ... wb1913_z.html and
its index.html). Neither QUILLBY_DATA_DIR nor $checkout_data holds them. $kept
With a copy laid out as moby/SINGLE.TXT ... and opted/v003/wb1913_a.html ..., build with:
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
cache=${cache%/}
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

command -v curl >/dev/null ||
    give_up "curl, which fetches them, is not installed" "sudo apt-get install curl"

# The folder above the cache, made if need be; whatever this run made goes again should it end
# without a cache folder, so that a failed fetch leaves no empty folders behind.
parent=$(dirname "$cache")
existing=$parent
while [ ! -d "$existing" ]; do existing=$(dirname "$existing"); done
mkdir -p "$parent"
partial="$cache.partial"
finish() {
    rm -f "${download:-}"
    remove_empty_folders "$partial"
    local folder=$parent
    while [ "$folder" != "$existing" ] && rmdir "$folder" 2>/dev/null; do
        folder=$(dirname "$folder")
    done
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# One fetch at a time into the folder: another build may be fetching the same data.
exec {lock}<"$parent"
flock "$lock"
if holds_data "$cache" && matches_sums "$cache"; then
    echo "$cache"
    exit 0
fi

# A cache folder that no longer holds the data whole is of no use as it stands: the files that
# still match are kept for this fetch, the others go. Only the files of the data go, so that a
# folder named by mistake loses nothing else.
if [ -d "$cache" ]; then
    while read -r sum path; do
        if file_matches "$cache/$path" "$sum" && [ ! -e "$partial/$path" ]; then
            mkdir -p "$partial/$(dirname "$path")"
            mv "$cache/$path" "$partial/$path"
        else
            rm -f "$cache/$path"
        fi
    done <"$sums"
    remove_empty_folders "$cache"
fi
[ ! -e "$cache" ] ||
    give_up "the cache folder $cache holds other files" "name a new folder in QUILLBY_DATA_CACHE"

count=$(wc -l <"$sums")
echo "fetch_data: fetching the word data into $cache, one file at a time" >&2
number=0
while read -r sum path; do
    number=$((number + 1))
    step="fetch_data: [$number/$count] $path"
    if [ -e "$partial/$path" ]; then
        if file_matches "$partial/$path" "$sum"; then
            echo "$step: checked before, kept" >&2
            continue
        fi
        rm -f "$partial/$path"
    fi
    address=$(source_of "$path")
    if [ -z "$address" ]; then
        echo "$step: has no published address, left out (only measurements read it)" >&2
        continue
    fi
    echo "$step: fetching $address" >&2
    mkdir -p "$partial/$(dirname "$path")"
    download="$partial/$path.download"
    if ! curl --fail --silent --show-error --location --proto-redir -all,http,https \
        --connect-timeout 20 --speed-limit 1024 --speed-time 60 --retry 2 \
        --output "$download" "$address" 2>"$partial/curl.log" </dev/null; then
        error=$(tail -n 1 "$partial/curl.log")
        rm -f "$partial/curl.log" "$download"
        if optional "$path" && [ -n "${QUILLBY_DATA_SOURCE:-}" ]; then
            rmdir "$partial/$(dirname "$path")" 2>/dev/null || true
            echo "$step: not in the copy, left out ($error)" >&2
            continue
        fi
        give_up "$path could not be fetched from $address" "$error"
    fi
    rm -f "$partial/curl.log"
    actual=$(sha256sum "$download" | cut -d ' ' -f 1)
    if [ "$actual" != "$sum" ]; then
        rm -f "$download"
        give_up "$path as fetched from $address is damaged" \
            "its SHA-256 sum is $actual, not the published $sum"
    fi
    mv "$download" "$partial/$path"
    echo "$step: checked" >&2
done <"$sums"
mv -T "$partial" "$cache" ||
    give_up "the cache folder $cache could not be put in place" "see the message above"
echo "$cache"
