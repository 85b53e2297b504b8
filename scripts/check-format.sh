#!/usr/bin/env bash
# Checks that every C++ source the repository tracks is formatted by .clang-format, and names
# those that are not. With --fix, formats them instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>"${TMPDIR:-/tmp}/corvella-format.log"; then
    grep -o '^[^:]*\.\(cpp\|h\):' "${TMPDIR:-/tmp}/corvella-format.log" | sort -u | sed 's/:$/: not formatted/'
    echo "Run: bash scripts/check-format.sh --fix"
    exit 1
fi
echo "format: ${#files[@]} files formatted as .clang-format says"
