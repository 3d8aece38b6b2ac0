#!/bin/sh
# The committed seeds and reproducers are exactly what make-seeds.py writes.
#   seeds-current.sh PYTHON FUZZ_DIR
set -e
python=$1
fuzz=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$python" "$fuzz/make-seeds.py" "$out"
for kind in corpus reproducers; do
    diff -r "$out/$kind" "$fuzz/$kind" ||
        { echo "tests/fuzz/$kind is stale: run tests/fuzz/make-seeds.py and commit" >&2; exit 1; }
done
