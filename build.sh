#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Quillby's one entry point for set-up, building and testing.
#   ./build.sh run    install what is missing, build the two programs, start Quillby
#   ./build.sh test   install what is missing, build the programs and tests, run every test headless
#   ./build.sh asan   the tests again in an AddressSanitizer + UndefinedBehaviorSanitizer build
#   ./build.sh bench  build and run the benchmarks
# QUILLBY_WERROR=ON in the environment treats compiler warnings as errors (.ci/run sets it).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools zlib1g-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-dejavu-core
          desktop-file-utils appstream dpkg-dev file man-db lintian libqt6svg6
          openbox xdotool x11-utils imagemagick scowl wordnet-base)

# Fetching the word data where no copy is at hand (tools/fetch_data.sh).
PACKAGES+=(curl ca-certificates)
# Holding the includes to the room table (tools/check_rooms.py).
PACKAGES+=(python3)
# Linking in a fraction of the time GNU ld takes.
PACKAGES+=(lld)
# The ispell pipe's reference client, for its test (tests/cli/emacs_client_test.sh).
PACKAGES+=(emacs-nox)
# What assistive tools are told, tested on an accessibility bus of the test's own.
PACKAGES+=(dbus-daemon at-spi2-core)

# A package counts as installed once it is unpacked and configured, also while its triggers wait
# for another package manager's run to finish (a fresh machine runs unattended upgrades).
is_installed() {
    case "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" in
    "install ok installed" | "install ok triggers-pending" | "install ok triggers-awaited") ;;
    *) return 1 ;;
    esac
}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        is_installed "$p" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    # Another package manager may hold the lock: wait for it rather than fail.
    local wait=(-o DPkg::Lock::Timeout=300)
    $sudo apt-get "${wait[@]}" update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get "${wait[@]}" install -y -qq "${missing[@]}"
}

# Configures a build folder over the word data: $QUILLBY_DATA_DIR, the folder the build already
# uses, ../shared/data, or else the published files, fetched and checked once into a cache.
configure() {
    local dir=$1; shift
    local data
    data=$(tools/fetch_data.sh "$dir")
    cmake -S . -B "$dir" -G Ninja -DQUILLBY_DATA_DIR="$data" \
        -DQUILLBY_WERROR="${QUILLBY_WERROR:-OFF}" "$@"
}

configure_and_build() {
    local dir=$1; shift
    configure "$dir" "$@"
    cmake --build "$dir" -j "$(nproc)"
}

run_tests() {
    local dir=$1
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" \
        --timeout 600)
}

cmd=${1:-}
case "$cmd" in
run)
    install_missing
    configure build
    # The window and quillby-lookup only; the tests and benchmarks wait for ./build.sh test.
    cmake --build build -j "$(nproc)" --target quillby quillby-lookup
    exec ./build/app/quillby
    ;;
test)
    install_missing
    configure_and_build build
    run_tests build
    ;;
asan)
    install_missing
    # Every source on its own includes here, without the shared precompiled headers.
    configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUILLBY_SANITIZE=ON \
        -DQUILLBY_BUILD_BENCH=OFF -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp run_tests build-asan
    ;;
bench)
    # GNU Aspell and Hunspell, the peers the best guesses are measured against (run, never
    # linked).
    PACKAGES+=(aspell aspell-en hunspell hunspell-en-us)
    install_missing
    configure build
    cmake --build build -j "$(nproc)" --target benchmarks
    for b in build/bench/bench_*; do [ -x "$b" ] && [ -f "$b" ] && "$b"; done
    ;;
*)
    echo "usage: ./build.sh run|test|asan|bench" >&2
    exit 2
    ;;
esac
