#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Fetching the word data on a machine without a copy beside the checkout, offline: the sources
# are file:// addresses of a local copy, whole or damaged, or an address nothing answers.
# Usage: fetch_data_test.sh SOURCE_DIR DATA_DIR   (DATA_DIR: a complete copy of the word data)
set -euo pipefail
source_dir=$1
data=$(cd "$2" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A checkout of the script alone: nothing stands beside it in ../shared/data.
mkdir -p "$work/checkout/tools"
cp "$source_dir/tools/fetch_data.sh" "$source_dir/tools/word-data.sha256" "$work/checkout/tools/"
fetch="$work/checkout/tools/fetch_data.sh"
cache_home="$work/cache"
cache="$cache_home/data"
unset QUILLBY_DATA_DIR
export QUILLBY_DATA_CACHE=$cache

failed=0
fail() { echo "FAILED: $*" >&2; failed=$((failed + 1)); }

# A copy of the data as symbolic links, one file of which a case may damage or remove.
copy_with() {
    local change=$1 path=$2 copy="$work/source-$1"
    rm -rf "$copy"
    cp -rs "$data" "$copy"
    rm "$copy/$path"
    if [ "$change" = damaged ]; then
        cp "$data/$path" "$copy/$path"
        chmod u+w "$copy/$path"
        printf 'X' | dd of="$copy/$path" bs=1 seek=100 conv=notrunc status=none
    fi
    echo "file://$copy"
}

# A case that must fail: it prints one message naming the file and its address and telling how
# to point QUILLBY_DATA_DIR at a copy, and leaves nothing behind, neither the cache folder nor
# anything fetched on the way.
expect_failure() {
    local name=$1 source=$2 path=$3 output before=$failed
    rm -rf "$cache_home"
    if output=$(QUILLBY_DATA_SOURCE=$source "$fetch" "$work/build" 2>&1); then
        fail "$name: succeeded"
        return
    fi
    for expected in "$path" "$source/$path" "QUILLBY_DATA_DIR=/path/to/data"; do
        grep -qF -- "$expected" <<<"$output" || fail "$name: the message lacks '$expected':
$output"
    done
    if [ -n "$(find "$cache_home" -mindepth 1 2>/dev/null)" ]; then
        fail "$name: left $(find "$cache_home" -mindepth 1 | head -3)"
    fi
    [ "$failed" -ne "$before" ] || echo "ok: $name"
}

# Whether the cache holds every file as published.
cache_is_whole() {
    (cd "$cache" && sha256sum --quiet --check "$source_dir/tools/word-data.sha256")
}

# Fetched from a whole copy: every file in place, and a build finds the data there.
rm -rf "$cache_home"
if found=$(QUILLBY_DATA_SOURCE="file://$data" "$fetch" "$work/build") && [ "$found" = "$cache" ] &&
    cache_is_whole; then
    echo "ok: fetched from file:// addresses of a whole copy"
else
    fail "fetching from a whole copy gave '${found:-}', not $cache, or the files differ"
fi
if cmake -S "$source_dir" -B "$work/build" -G Ninja -DQUILLBY_DATA_DIR="$cache" \
    -DQUILLBY_BUILD_TESTS=OFF -DQUILLBY_BUILD_BENCH=OFF >"$work/cmake.log" 2>&1; then
    echo "ok: the build finds the fetched data"
else
    fail "the build did not take the fetched data: $(tail -5 "$work/cmake.log")"
fi

# A whole cache needs no network.
if found=$(QUILLBY_DATA_SOURCE=http://127.0.0.1:9 "$fetch" "$work/build") &&
    [ "$found" = "$cache" ]; then
    echo "ok: a whole cache is used offline"
else
    fail "a whole cache was not used offline: '${found:-}'"
fi
# A cache damaged since is fetched again.
chmod u+w "$cache/moby/FREQ.TXT"
printf 'X' >>"$cache/moby/FREQ.TXT"
if found=$(QUILLBY_DATA_SOURCE="file://$data" "$fetch" "$work/elsewhere") &&
    [ "$found" = "$cache" ] && cache_is_whole; then
    echo "ok: a damaged cache is fetched again"
else
    fail "a damaged cache was not fetched again: '${found:-}'"
fi

expect_failure "a damaged file" "$(copy_with damaged moby/FREQ.TXT)" moby/FREQ.TXT
expect_failure "a missing file" "$(copy_with missing opted/v003/wb1913_q.html)" \
    opted/v003/wb1913_q.html
expect_failure "no network" "http://127.0.0.1:9" moby/SINGLE.TXT

# A cache folder named by mistake loses only the files of the data.
rm -rf "$cache_home"
mkdir -p "$cache/moby"
echo "keep" >"$cache/notes.txt"
echo "damaged" >"$cache/moby/SINGLE.TXT"
if QUILLBY_DATA_SOURCE=http://127.0.0.1:9 "$fetch" "$work/build" >/dev/null 2>&1; then
    fail "a cache folder holding other files was used"
elif [ "$(cat "$cache/notes.txt" 2>/dev/null)" != keep ] || [ -e "$cache/moby" ]; then
    fail "a cache folder holding other files lost them, or kept a damaged file"
else
    echo "ok: a cache folder named by mistake loses only the files of the data"
fi

# A folder the user names is taken as named (CMake says what it lacks).
if [ "$(QUILLBY_DATA_DIR=/some/copy "$fetch" "$work/build")" = /some/copy ]; then
    echo "ok: QUILLBY_DATA_DIR is taken as named"
else
    fail "QUILLBY_DATA_DIR was not taken"
fi

[ "$failed" -eq 0 ]
