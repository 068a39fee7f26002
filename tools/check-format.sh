#!/usr/bin/env bash
# Checks that every C++ source follows .clang-format, with the one clang-format
# release the tree is formatted with (formatting differs between releases).
# "tools/check-format.sh --fix" rewrites the files instead.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=clang-format-14
if ! command -v "$formatter" >/dev/null; then
    echo "check-format: $formatter is not installed (apt-get install clang-format-14)" >&2
    exit 2
fi
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
if [ "${1:-}" = --fix ]; then
    "$formatter" -i "${files[@]}"
else
    "$formatter" --dry-run --Werror "${files[@]}"
    echo "check-format: ${#files[@]} files formatted as .clang-format says"
fi
