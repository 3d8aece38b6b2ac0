#!/bin/sh
# The committed seeds are exactly what make-seeds.py writes, and so is every
# reproducer it writes. Reproducers kept verbatim from a fuzzer's finding
# (which no script can write) may sit beside them.
#   seeds-current.sh PYTHON FUZZ_DIR
set -e
python=$1
fuzz=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$python" "$fuzz/make-seeds.py" "$out"
stale() {
    echo "tests/fuzz/$1 is stale: run tests/fuzz/make-seeds.py and commit" >&2
    exit 1
}
diff -r "$out/corpus" "$fuzz/corpus" || stale corpus
(cd "$out/reproducers" && find . -type f) | while read -r file; do
    cmp "$out/reproducers/$file" "$fuzz/reproducers/$file" || stale reproducers
done
