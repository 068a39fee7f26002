#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from a build folder (as "cpack -G DEB" does there), unpacks
# it with dpkg-deb, checks its control fields and contents, and has lintian check it: any
# error fails, warnings are listed.
# usage: check_deb.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3

skip() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $1 (tools/setup.sh test installs it)"
        exit 1
    fi
    echo "SKIP: $1 (bash tools/setup.sh test installs it)"
    exit 77
}
for tool in dpkg-deb dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
deb=$out/velloquin_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: no $deb"; ls "$out"; exit 1; }

fail=0
check() { # description, then a command that must succeed
    local what=$1
    shift
    if ! "$@" >/dev/null 2>&1; then
        echo "FAIL: $what"
        fail=1
    fi
}

control=$(dpkg-deb --field "$deb")
echo "$control"
check "package name" grep -qx 'Package: velloquin' <<<"$control"
check "version" grep -qx "Version: $version" <<<"$control"
# Dependencies computed from the programs' libraries.
check "depends on Qt widgets" grep -Eq '^Depends:.*libqt6widgets6' <<<"$control"
check "depends on libzip" grep -Eq '^Depends:.*libzip' <<<"$control"
check "short description" grep -qx 'Description: crossword puzzle maker' <<<"$control"
check "long description" grep -Eq '^ Velloquin makes crossword puzzles' <<<"$control"

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for path in \
    ./usr/bin/velloquin \
    ./usr/bin/velloquin-cli \
    ./usr/share/applications/io.github.velloquin.Velloquin.desktop \
    ./usr/share/metainfo/io.github.velloquin.Velloquin.metainfo.xml \
    ./usr/share/mime/packages/velloquin.xml \
    ./usr/share/icons/hicolor/scalable/apps/velloquin.svg \
    ./usr/share/icons/hicolor/16x16/apps/velloquin.png \
    ./usr/share/icons/hicolor/48x48/apps/velloquin.png \
    ./usr/share/icons/hicolor/256x256/apps/velloquin.png \
    ./usr/share/man/man1/velloquin.1.gz \
    ./usr/share/man/man1/velloquin-cli.1.gz \
    ./usr/share/bash-completion/completions/velloquin-cli \
    ./usr/share/doc/velloquin/copyright \
    ./usr/share/doc/velloquin/changelog.gz; do
    check "contains $path" grep -qx "$path" <<<"$contents"
done
# Nothing but what a desktop program installs: no headers, static libraries or tests.
if grep -E '\.(h|a|cmake)$|/include/|tst_' <<<"$contents"; then
    echo "FAIL: the package holds files that are not for users"
    fail=1
fi
# The programs run from the unpacked package.
dpkg-deb -x "$deb" "$out/root"
check "velloquin-cli runs" "$out/root/usr/bin/velloquin-cli" --version

lintian --no-tag-display-limit --display-info "$deb" >"$out/lintian.log" 2>&1 || true
echo "lintian:"
grep -E '^[EWI]:' "$out/lintian.log" || echo "  no findings"
if grep -q '^E:' "$out/lintian.log"; then
    echo "FAIL: lintian reports errors"
    fail=1
fi
exit $fail
