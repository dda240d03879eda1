#!/usr/bin/env bash
# The committed word lists must be exactly what the generator makes from Debian's data.
set -euo pipefail
source_dir=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$source_dir/scripts/make-word-lists" "$out" >/dev/null
for list in SixLetterWords.txt words_alpha.txt; do
    cmp "$source_dir/resources/$list" "$out/$list"
done
echo "both word lists regenerate byte for byte"
