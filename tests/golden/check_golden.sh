#!/usr/bin/env bash
# check_golden.sh QSLAYOUT DUMP EXPECTED ACTUAL: lays out a capture dump and
# compares the UTF-8 text, CR LF included, with the picture checked in.
set -euo pipefail
qslayout=$1 dump=$2 expected=$3 actual=$4
"$qslayout" --utf8 "$dump" > "$actual"
if ! cmp -s "$expected" "$actual"; then
    echo "$(basename "$dump"): the picture differs from $(basename "$expected") (got $actual)"
    diff -u "$expected" "$actual" || true
    exit 1
fi
