#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Builds the libFuzzer targets with clang (ASan + UBSan) in build-fuzz/ and runs each for a
# fixed time from its seed corpus in tests/fuzz/corpus/. Any crash, leak, sanitizer report or
# timeout fails the run.
#   tools/run_fuzzers.sh [SECONDS_EACH]     (default 30; try 600 for a long local run)
# QUILLBY_WERROR=ON in the environment treats compiler warnings as errors, as in .ci/run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ -n "${missing[*]:-}" ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLBY_FUZZ=ON -DQUILLBY_BUILD_TESTS=OFF -DQUILLBY_BUILD_BENCH=OFF \
    -DQUILLBY_WERROR="${QUILLBY_WERROR:-OFF}" >/dev/null
cmake --build build-fuzz --target fuzzers -j "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for fuzzer in build-fuzz/tests/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] && [ -f "$fuzzer" ] || continue
    name=${fuzzer##*/fuzz_}
    mkdir -p "$work/$name"
    echo "== fuzz_$name for ${seconds}s"
    if ! (cd "$work" && "$OLDPWD/$fuzzer" -max_total_time="$seconds" -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 "$work/$name" \
            "$OLDPWD/tests/fuzz/corpus/$name" 2>"$work/$name.log"); then
        tail -n 40 "$work/$name.log"
        echo "fuzz_$name FAILED"
        status=1
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb|cov:" "$work/$name.log" | tail -n 3
    fi
done
exit $status
