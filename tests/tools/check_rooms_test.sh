#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# The room check on a small tree: it passes the tree as its table describes it, and fails on
# each way of breaking the table, naming what broke it.
# Usage: check_rooms_test.sh SOURCE_DIR
set -euo pipefail
check="$1/tools/check_rooms.py"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tree="$work/tree"
failed=0

# Three rooms: base at the bottom, mid over it, ui/top over both; the sources include just what
# their rows allow.
fresh_tree() {
    rm -rf "$tree"
    mkdir -p "$tree/base" "$tree/mid" "$tree/ui/top"
    cat >"$tree/ARCHITECTURE.md" <<'EOF'
| Folder | What lives there | Target | May use |
|---|---|---|---|
| `base/` | the ground | `base` | QtCore |
| `mid/` | the middle | `mid` | `base` |
| `ui/top/` | the top | `top` | every room above |
EOF
    printf '#pragma once\n#include <string>\n' >"$tree/base/Base.h"
    printf '#include "base/Base.h"\n' >"$tree/mid/Mid.h"
    printf '#include "mid/Mid.h"\n\n#include "base/Base.h"\n' >"$tree/mid/Mid.cpp"
    printf '#include "ui/top/Top.h"\n#include "mid/Mid.h"\n' >"$tree/ui/top/Top.cpp"
    printf '#pragma once\n' >"$tree/ui/top/Top.h"
}

# expect NAME PATTERN: the check on the tree fails with a line matching PATTERN, or passes
# when PATTERN is "passes".
expect() {
    local name=$1 pattern=$2 out status=0
    out=$(python3 "$check" "$tree" 2>&1) || status=$?
    if [ "$pattern" = passes ]; then
        [ "$status" -eq 0 ] || { echo "FAILED: $name: $out" >&2; failed=$((failed + 1)); }
    elif [ "$status" -eq 0 ] || ! grep -q -- "$pattern" <<<"$out"; then
        echo "FAILED: $name: wanted '$pattern', got (status $status): $out" >&2
        failed=$((failed + 1))
    fi
}

fresh_tree
expect "the tree as described" passes

fresh_tree
printf '#include "mid/Mid.h"\n' >>"$tree/base/Base.h"
expect "an include of a room the row does not name" \
    'base/Base.h:3: includes "mid/Mid.h", but the row of base/ .* does not name mid'

fresh_tree
sed -i 's/| `ui\/top\/` | the top | `top` | every room above |/| `ui\/top\/` | the top | `top` | `base` |/' \
    "$tree/ARCHITECTURE.md"
expect "a room above that its row no longer names" 'ui/top/Top.cpp:2: .* does not name mid'

fresh_tree
sed -i 's/| `mid` | `base` |/| `mid` | `base`, `top` |/' "$tree/ARCHITECTURE.md"
expect "a row that names a room below it" 'row of mid/ names `top`, which does not stand above it'

fresh_tree
sed -i 's/| `mid` | `base` |/| `mid` | `mid` |/' "$tree/ARCHITECTURE.md"
expect "a row that names its own room" 'row of mid/ names `mid`, which does not stand above it'

fresh_tree
sed -i 's/| `mid` | `base` |/| `mid` | `basement` |/' "$tree/ARCHITECTURE.md"
expect "a row that names no room" 'names `basement`, which is no room of the table'

fresh_tree
printf '#include "Base.h"\n' >>"$tree/base/Base.h"
expect "an include without its room" '"Base.h" names no room'

fresh_tree
printf '#pragma once\n' >"$tree/mid/Mid_p.h"
printf '#include "mid/Mid_p.h"\n' >>"$tree/mid/Mid.cpp"
expect "a room's own header read inside the room" passes
printf '#include "mid/Mid_p.h"\n' >>"$tree/ui/top/Top.cpp"
expect "a room's own header read by another room" \
    'ui/top/Top.cpp:3: includes "mid/Mid_p.h", one of mid/.s own headers'

fresh_tree
mkdir -p "$tree/extra"
printf 'int x;\n' >"$tree/extra/Extra.cpp"
expect "a folder of sources without a row" 'extra/: holds C++ sources but has no row'

[ "$failed" -eq 0 ] && echo "check_rooms_test: all cases passed"
exit $((failed > 0))
