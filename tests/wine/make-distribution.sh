#!/usr/bin/env bash
# Lays out a distribution folder: the program, copied in, and a placeholder
# for every other file named. The placeholders are small text files that say
# what they stand for, so that a copy can be told from its source.
#
#   make-distribution.sh [--program FILE.exe] FOLDER NAME...
set -euo pipefail

program=""
if [ "${1:-}" = "--program" ]; then
    program=$2
    shift 2
fi
[ $# -ge 1 ] || { echo "usage: $0 [--program FILE.exe] FOLDER NAME..." >&2; exit 2; }
folder=$1
shift

mkdir -p "$folder"
if [ -n "$program" ]; then
    [ -f "$program" ] || { echo "no program $program" >&2; exit 1; }
    cp "$program" "$folder/"
fi
for name in "$@"; do
    case "$name" in
        */* | *\\*) mkdir -p "$folder/$(dirname "${name//\\//}")" ;;
    esac
    printf 'Placeholder for %s, laid out by the test harness.\r\n' "$name" >"$folder/${name//\\//}"
done
