#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Fetching the word data on a machine without a copy beside the checkout, offline: the sources
# are file:// addresses of a local copy, whole, damaged or incomplete, or an address nothing
# answers; and the configuration's check of the data folder it is given.
# Usage: fetch_data_test.sh SOURCE_DIR DATA_DIR   (DATA_DIR: a complete copy of the word data,
# the development set of misspellings included)
set -euo pipefail
source_dir=$1
data=$(cd "$2" && pwd)
sums="$source_dir/tools/word-data.sha256"
# Background jobs in process groups of their own, which an interrupt reaches as a whole.
set -m

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A checkout of the script alone: nothing stands beside it in ../shared/data.
mkdir -p "$work/checkout/tools"
cp "$source_dir/tools/fetch_data.sh" "$sums" "$work/checkout/tools/"
fetch="$work/checkout/tools/fetch_data.sh"
cache_home="$work/cache"
cache="$cache_home/data"
partial="$cache.partial"
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

# Whether every file a folder holds matches its sum, and it holds every one of PATHS.
holds_checked() {
    local folder=$1 path
    shift
    (cd "$folder" && sha256sum --quiet --check --ignore-missing "$sums") || return 1
    for path in "$@"; do [ -f "$folder/$path" ] || return 1; done
}

# What a failed fetch leaves: no cache folder, nothing half fetched, and only files that match
# their sums, the one that failed not among them; with nothing checked, nothing at all.
check_leftovers() {
    local name=$1 path=$2
    [ ! -e "$cache" ] || fail "$name: a cache folder was put in place"
    [ -z "$(find "$cache_home" -name '*.download' 2>/dev/null)" ] ||
        fail "$name: a file half fetched was left"
    [ ! -e "$partial/$path" ] || fail "$name: $path was kept"
    if [ -n "$(find "$partial" -type f 2>/dev/null)" ]; then
        holds_checked "$partial" || fail "$name: a file kept differs from its sum"
    elif [ -e "$cache_home" ]; then
        fail "$name: left $(find "$cache_home" | head -3)"
    fi
}

# A case that must fail: it prints one message naming the file and its address and telling how
# to point QUILLBY_DATA_DIR at a copy, and keeps only what check_leftovers allows. It starts
# with no cache, or with "resume" from what the last case left.
expect_failure() {
    local name=$1 source=$2 path=$3 start=${4:-fresh} output before=$failed
    [ "$start" = resume ] || rm -rf "$cache_home"
    if output=$(QUILLBY_DATA_SOURCE=$source "$fetch" "$work/build" 2>&1); then
        fail "$name: succeeded"
        return
    fi
    for expected in "$path" "$source/$path" "QUILLBY_DATA_DIR=/path/to/data"; do
        grep -qF -- "$expected" <<<"$output" || fail "$name: the message lacks '$expected':
$output"
    done
    check_leftovers "$name" "$path"
    [ "$failed" -ne "$before" ] || echo "ok: $name"
}

# Configures a build over a data folder; the log is in $work/cmake.log.
configure() {
    rm -rf "$work/configured"
    cmake -S "$source_dir" -B "$work/configured" -G Ninja -DQUILLBY_DATA_DIR="$1" \
        -DQUILLBY_BUILD_TESTS=OFF -DQUILLBY_BUILD_BENCH=OFF >"$work/cmake.log" 2>&1
}

# Fetched from a whole copy: every file in place, the development set too, each named as it is
# fetched.
rm -rf "$cache_home"
if found=$(QUILLBY_DATA_SOURCE="file://$data" "$fetch" "$work/build" 2>"$work/fetch.log") &&
    [ "$found" = "$cache" ] && holds_checked "$cache" $(cut -d ' ' -f 3 "$sums"); then
    echo "ok: fetched from file:// addresses of a whole copy"
else
    fail "fetching from a whole copy gave '${found:-}', not $cache, or the files differ"
fi
count=$(wc -l <"$sums")
for path in moby/SINGLE.TXT opted/v003/wb1913_z.html misspellings/norvig1.tsv; do
    grep -q "\[[0-9]*/$count\] $path: fetching file://$data/$path" "$work/fetch.log" &&
        grep -q "$path: checked" "$work/fetch.log" ||
        fail "the fetch did not say what it did with $path: $(cat "$work/fetch.log")"
done

# A whole cache needs no network.
if found=$(QUILLBY_DATA_SOURCE=http://127.0.0.1:9 "$fetch" "$work/build") &&
    [ "$found" = "$cache" ]; then
    echo "ok: a whole cache is used offline"
else
    fail "a whole cache was not used offline: '${found:-}'"
fi
# A cache damaged since is fetched again: only the damaged file.
chmod u+w "$cache/moby/FREQ.TXT"
printf 'X' >>"$cache/moby/FREQ.TXT"
if found=$(QUILLBY_DATA_SOURCE="$(copy_with missing moby/SINGLE.TXT)" "$fetch" "$work/elsewhere" \
    2>/dev/null) && [ "$found" = "$cache" ] && holds_checked "$cache" moby/FREQ.TXT; then
    echo "ok: of a damaged cache only the damaged file is fetched again"
else
    fail "a damaged cache was not mended: '${found:-}'"
fi

expect_failure "a damaged file" "$(copy_with damaged moby/FREQ.TXT)" moby/FREQ.TXT
expect_failure "no network" "http://127.0.0.1:9" moby/SINGLE.TXT

# A fetch that fails on the way keeps what it checked, and the next one fetches only the rest:
# here from a copy holding nothing but the files from the missing one on. The development set
# is checked like the rest; a copy without it is still whole enough to build from.
expect_failure "a missing file" "$(copy_with missing opted/v003/wb1913_q.html)" \
    opted/v003/wb1913_q.html
mkdir -p "$work/rest/opted/v003" "$work/rest/misspellings"
for letter in q r s t u v w x y z; do
    ln -s "$data/opted/v003/wb1913_$letter.html" "$work/rest/opted/v003/"
done
echo "damaged" >"$work/rest/misspellings/norvig1.tsv"
expect_failure "a damaged development set, the rest fetched" "file://$work/rest" \
    misspellings/norvig1.tsv resume
holds_checked "$partial" opted/v003/wb1913_z.html ||
    fail "the files fetched before the development set were not kept"
rm -r "$work/rest/misspellings"
if found=$(QUILLBY_DATA_SOURCE="file://$work/rest" "$fetch" "$work/build" 2>"$work/fetch.log") &&
    [ "$found" = "$cache" ] && holds_checked "$cache" $(grep -v misspellings "$sums" | cut -d ' ' -f 3) &&
    [ ! -e "$partial" ] && [ ! -e "$cache/misspellings" ] &&
    grep -q "norvig1.tsv: not in the copy" "$work/fetch.log"; then
    echo "ok: a failed fetch keeps the files it checked, and the next fetches the rest"
else
    fail "the files a failed fetch checked were not used: '${found:-}' $(tail -3 "$work/fetch.log")"
fi
if configure "$cache"; then
    echo "ok: the build takes the fetched data, the development set missing"
else
    fail "the build did not take the fetched data: $(tail -5 "$work/cmake.log")"
fi

# An interrupted fetch (Ctrl+C while a file arrives, here one that never does) keeps the files
# it checked, and nothing of the one it was fetching.
rm -rf "$cache_home" "$work/slow"
cp -rs "$data" "$work/slow"
rm "$work/slow/opted/v003/wb1913_c.html"
mkfifo "$work/slow/opted/v003/wb1913_c.html"
QUILLBY_DATA_SOURCE="file://$work/slow" "$fetch" "$work/build" >/dev/null 2>&1 &
fetching=$!
for _ in $(seq 600); do
    [ -f "$partial/opted/v003/wb1913_b.html" ] && break
    sleep 0.1
done
sleep 0.2
kill -INT -- "-$fetching"
wait "$fetching" && fail "an interrupted fetch succeeded"
if holds_checked "$partial" moby/SINGLE.TXT opted/v003/wb1913_b.html; then
    check_leftovers "an interrupted fetch" opted/v003/wb1913_c.html
    echo "ok: an interrupted fetch keeps the files it checked"
else
    fail "an interrupted fetch kept $(find "$cache_home" -type f | head -3)"
fi

# The configuration holds the folder it is given to the sums: one file changed stops it, and the
# message names the file.
for path in opted/v003/wb1913_k.html misspellings/norvig1.tsv; do
    changed=$(copy_with damaged "$path")
    if configure "${changed#file://}"; then
        fail "the configuration took a data folder with $path changed"
    elif ! grep -qF "${changed#file://}/$path" "$work/cmake.log"; then
        fail "the configuration did not name $path: $(tail -8 "$work/cmake.log")"
    else
        echo "ok: the configuration names $path, changed"
    fi
done

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

# A folder the user names is taken as named (the configuration checks it).
if [ "$(QUILLBY_DATA_DIR=/some/copy "$fetch" "$work/build")" = /some/copy ]; then
    echo "ok: QUILLBY_DATA_DIR is taken as named"
else
    fail "QUILLBY_DATA_DIR was not taken"
fi

[ "$failed" -eq 0 ]
