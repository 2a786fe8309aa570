#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Runs a command as on a desktop where an assistive tool listens: on a D-Bus session of its own
# with the accessibility bus started, which Qt's accessibility bridge then serves
# (QT_LINUX_ACCESSIBILITY_ALWAYS_ON stands in for a screen reader asking for it).
# Usage: with_accessibility_bus.sh BUS_LAUNCHER COMMAND [ARGUMENT...]
#   BUS_LAUNCHER: at-spi-bus-launcher (Debian: /usr/libexec/at-spi-bus-launcher)
set -euo pipefail
if [ -z "${QUILLBY_OWN_SESSION_BUS:-}" ]; then
    exec dbus-run-session -- env QUILLBY_OWN_SESSION_BUS=1 "$BASH" "$0" "$@"
fi
launcher=$1
shift
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill "$bus" 2>/dev/null || true; wait "$bus" 2>/dev/null || true' EXIT
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
