#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Emacs as the client of quillby-lookup's ispell pipe (EmacsClient.el beside this script), in
# batch mode, with a personal word list of its own that goes when the test ends.
#   emacs_client_test.sh QUILLBY_LOOKUP
# Without Emacs the test is skipped (status 77), unless CI is set: there it fails.
set -euo pipefail
lookup=$1
here=$(dirname "$(readlink -f "$0")")
if ! command -v emacs >/dev/null; then
    if [ -n "${CI:-}" ]; then
        echo "emacs is missing: build.sh installs emacs-nox for this test" >&2
        exit 1
    fi
    echo "emacs is missing; skipped (./build.sh test installs emacs-nox)"
    exit 77
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cd "$home"
HOME=$home XDG_DATA_HOME=$home/data QUILLBY_LOOKUP=$lookup \
    timeout 300 emacs --batch -Q -l "$here/EmacsClient.el"
# The session asked nothing to be saved.
test ! -e "$home/data/quillby/personal-words.txt"
