#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the release package twice from copies of the sources (in folders of different
# names, with fresh file times) and checks that both .debs are identical, that lintian
# finds the programs hardened, that the thumbnailer draws a puzzle file, and that the
# unpacked program, started by this user, looks for its settings in the user's own
# folder and never beside itself.
# usage: check_release.sh SOURCE_DIR VERSION
set -euo pipefail
src=$1 version=$2

skip() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $1 (tools/setup.sh test installs it)"
        exit 1
    fi
    echo "SKIP: $1 (bash tools/setup.sh test installs it)"
    exit 77
}
for tool in cmake cpack ninja dpkg-deb dpkg-shlibdeps lintian strace; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail=0
failed() {
    echo "FAIL: $1"
    fail=1
}

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$src" log -1 --format=%ct 2>/dev/null || echo 1767268800)}
# The compiler cache (when there is one) sees both copies as one tree, so the second
# build costs little.
export CCACHE_BASEDIR=$out CCACHE_NOHASHDIR=1
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
fi
arch=$(dpkg --print-architecture)
# Both copies first, so that they hold the same sources; the second one's files get
# later times.
for tree in first second-copy; do
    mkdir -p "$out/$tree/src"
    tar -C "$src" --exclude=./build --exclude=./.git -cf - . | tar -C "$out/$tree/src" -m -xf -
    sleep 1
done
for tree in first second-copy; do
    if ! { cmake -S "$out/$tree/src" -B "$out/$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF -DVELLOQUIN_BUILD_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=/usr &&
        cmake --build "$out/$tree/build" -j2 &&
        (cd "$out/$tree/build" && cpack -G DEB); } >"$out/$tree.log" 2>&1; then
        tail -40 "$out/$tree.log"
        exit 1
    fi
done
deb=$out/first/build/velloquin_${version}_$arch.deb
second=$out/second-copy/build/velloquin_${version}_$arch.deb
if ! cmp -s "$deb" "$second"; then
    failed "two builds of the same sources give different packages"
    for part in control.tar data.tar; do
        diff <(dpkg-deb --ctrl-tarfile "$deb" | tar -tvf -) \
            <(dpkg-deb --ctrl-tarfile "$second" | tar -tvf -) || true
    done
    diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$second") || true
    mkdir "$out/a" "$out/b"
    dpkg-deb -x "$deb" "$out/a"
    dpkg-deb -x "$second" "$out/b"
    diff -rq "$out/a" "$out/b" || true
fi

# A developer can keep the package to install it: VELLOQUIN_KEEP_DEB=FOLDER.
[ -n "${VELLOQUIN_KEEP_DEB:-}" ] && cp "$deb" "$VELLOQUIN_KEEP_DEB/"
lintian -I --no-tag-display-limit "$deb" >"$out/lintian.log" 2>&1 || true
if grep -E 'hardening' "$out/lintian.log"; then
    failed "lintian finds programs that are not hardened"
fi

root=$out/root
dpkg-deb -x "$deb" "$root"
# The thumbnailer's command, as a file manager runs it.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/thumbnailers/velloquin.thumbnailer")
exec_line=${exec_line//%i/$src/tests/testdata/animals.cwd}
exec_line=${exec_line//%o/$out/thumbnail.png}
exec_line=${exec_line//%s/128}
read -r -a thumbnailer <<<"$exec_line"
if ! PATH=$root/usr/bin:$PATH "${thumbnailer[@]}"; then
    failed "the thumbnailer fails"
elif [ "$(head -c 4 "$out/thumbnail.png" | tail -c 3)" != PNG ] ||
    [ "$(od -An -tu1 -j16 -N4 "$out/thumbnail.png" | awk '{print $3 * 256 + $4}')" != 128 ]; then
    failed "the thumbnail is not a 128 pixel wide PNG picture"
fi

# The settings: the program waits for the agreement on its first start; by then it has
# looked for its settings file, which must be the user's own.
home=$out/home
mkdir -p "$home"
env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen \
    strace -f -e trace=%file -o "$out/trace" "$root/usr/bin/velloquin" >/dev/null 2>&1 &
started=$!
for _ in $(seq 1 60); do
    grep -q Crossword.ini "$out/trace" 2>/dev/null && break
    sleep 0.5
done
sleep 1
# Ending the program ends strace with it.
kill $(pgrep -P "$started") 2>/dev/null || kill "$started" 2>/dev/null || true
wait "$started" 2>/dev/null || true
grep -q "\"$home/.config/Velloquin/Crossword.ini\"" "$out/trace" ||
    failed "the program did not look for $home/.config/Velloquin/Crossword.ini"
if grep "$root/usr/bin/Crossword.ini" "$out/trace"; then
    failed "the installed program looked for its settings beside itself"
fi
if ls "$root/usr/bin" | grep -v '^velloquin'; then
    failed "the program left files beside itself"
fi
[ $fail = 0 ] && echo "identical packages, hardened, thumbnail drawn, settings in $home/.config"
exit $fail
