#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Checks what a user installs: `cmake --install` and the Debian package from `cpack -G DEB`
# must hold both programs, the desktop entry, the icons, the metainfo and the manual pages, and
# the desktop entry and the metainfo must pass their validators (offline); the package must
# pass lintian without errors or warnings. The installation follows a build of the programs
# alone, as `./build.sh run` leaves it.
#   tools/check_package.sh [BUILD_DIR]     (default: build; it must already be built)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

[ -x "$build/app/quillby" ] || { echo "check_package: build $build first (./build.sh test)" >&2; exit 2; }
# The application id names the installed files; the build states it.
app_id=$(sed -n 's/^QUILLBY_APP_ID=//p' "$build/BuildInfo.txt" 2>/dev/null || true)
[ -n "$app_id" ] || { echo "check_package: $build/BuildInfo.txt names no application id" >&2; exit 2; }
for tool in desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps cpack file man lintian; do
    command -v "$tool" >/dev/null || { echo "check_package: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

expected_files=(
    bin/quillby
    bin/quillby-lookup
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/icons/hicolor/32x32/apps/$app_id.png"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
    share/man/man1/quillby.1.gz
    share/man/man1/quillby-lookup.1.gz
    share/doc/quillby/copyright
    share/doc/quillby/changelog.gz
)

# Validates one installed tree (the root that holds bin/ and share/).
check_tree() {
    local what=$1 root=$2
    for f in "${expected_files[@]}"; do
        [ -f "$root/$f" ] || fail "$what: $f is missing"
    done
    [ -x "$root/bin/quillby" ] || fail "$what: bin/quillby is not executable"
    [ -x "$root/bin/quillby-lookup" ] || fail "$what: bin/quillby-lookup is not executable"
    desktop-file-validate "$root/share/applications/$app_id.desktop" \
        || fail "$what: desktop-file-validate"
    appstreamcli validate --no-net "$root/share/metainfo/$app_id.metainfo.xml" \
        || fail "$what: appstreamcli validate"
    grep -qx "Icon=$app_id" "$root/share/applications/$app_id.desktop" \
        || fail "$what: the desktop entry does not name the installed icon"
    local version
    # The first line of --version ends in the release (major.minor.patch of the project's
    # version); a licence notice follows it. The metainfo names the project's whole version.
    version=$("$root/bin/quillby-lookup" --version | head -n 1) ||
        fail "$what: quillby-lookup --version"
    version=${version##* }
    grep -Eq "<release version=\"${version//./\\.}(\.[0-9]+)?\"" \
        "$root/share/metainfo/$app_id.metainfo.xml" ||
        fail "$what: the metainfo has no release for version '$version'"
    local size
    size=$(file -b "$root/share/icons/hicolor/32x32/apps/$app_id.png")
    case "$size" in "PNG image data, 32 x 32,"*) ;; *) fail "$what: the 32x32 icon is $size" ;; esac
    man -l "$root/share/man/man1/quillby-lookup.1.gz" >/dev/null 2>&1 \
        || fail "$what: the quillby-lookup manual page does not format"
}

# `./build.sh run` builds the two programs alone: what it leaves must install whole. The files
# made beside the programs go first, and only the programs are built again.
echo "== cmake --install after a build of the programs alone"
rm -rf "$build/compressed"
cmake --build "$build" --target quillby quillby-lookup >/dev/null
cmake --install "$build" --prefix "$work/install" >/dev/null
check_tree "cmake --install" "$work/install"
extra=$(cd "$work/install" && find . -type f | sed 's|^\./||' | sort |
    comm -23 - <(printf '%s\n' "${expected_files[@]}" | sort))
[ -z "$extra" ] || fail "cmake --install: files not in the list: $extra"

echo "== cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/quillby_*.deb)
basename "$deb"
dpkg-deb -c "$deb" | awk '{print $NF}' > "$work/contents"
for f in "${expected_files[@]}"; do
    grep -qx "./usr/$f" "$work/contents" || fail "package: ./usr/$f is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depends_names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
for dep in libqt6widgets6 libqt6gui6 libqt6core6 zlib1g libc6 qt6-qpa-plugins qt6-svg-plugins; do
    grep -qx "$dep" <<<"$depends_names" || fail "package: Depends lacks $dep"
done
[ "$(dpkg-deb -f "$deb" Package)" = quillby ] || fail "package: wrong package name"
dpkg-deb -x "$deb" "$work/unpacked"
check_tree "package" "$work/unpacked/usr"

# Debian's own package checks: no error and no warning (notes and pedantic hints are shown).
echo "== lintian"
lintian_out=$(lintian --fail-on error,warning "$deb" 2>&1) || {
    echo "$lintian_out" >&2
    fail "package: lintian reports errors or warnings"
}
grep -v '^running with root privileges' <<<"$lintian_out" || true

if [ "$failures" -ne 0 ]; then
    echo "check_package: $failures failure(s)" >&2
    exit 1
fi
echo "check_package: all checks passed"
