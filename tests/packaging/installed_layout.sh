#!/usr/bin/env bash
# Installs the build into a throw-away prefix and checks the layout, the desktop entry, the
# AppStream metadata and the manual pages, and that the installed programs find their data
# through the prefix.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for file in games/sixfold games/sixfold-dict \
            share/sixfold/SixLetterWords.txt share/sixfold/words_alpha.txt \
            share/sixfold/function_words.txt share/sixfold/NOTICE \
            share/applications/org.sixfold.Sixfold.desktop \
            share/icons/hicolor/scalable/apps/org.sixfold.Sixfold.svg \
            share/metainfo/org.sixfold.Sixfold.metainfo.xml \
            share/man/man6/sixfold.6.gz share/man/man6/sixfold-dict.6.gz \
            share/doc/sixfold/copyright share/doc/sixfold/changelog.Debian.gz \
            share/lintian/overrides/sixfold; do
    [ -e "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.sixfold.Sixfold.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.sixfold.Sixfold.metainfo.xml" >/dev/null

# One version everywhere: the programs, the metadata, the manual pages and the changelog.
version=$(sed -n 's/^project(sixfold VERSION \([0-9.]*\) .*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ -n "$version" ] || { echo "no version in CMakeLists.txt"; exit 1; }
[ "$("$prefix/games/sixfold-dict" --version)" = "sixfold-dict $version" ] || { echo "sixfold-dict --version"; exit 1; }
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.sixfold.Sixfold.metainfo.xml" \
    || { echo "metainfo lacks release $version"; exit 1; }
for page in sixfold sixfold-dict; do
    zcat "$prefix/share/man/man6/$page.6.gz" | grep -q "^\.TH .* \"Sixfold $version\"" \
        || { echo "$page.6 lacks version $version"; exit 1; }
done
zcat "$prefix/share/doc/sixfold/changelog.Debian.gz" | head -n 1 | grep -q "^sixfold ($version-" \
    || { echo "changelog lacks version $version"; exit 1; }

# Function words come only from the installed data folder. (Read whole first: each message
# leaves at once, so a reader that stops early would end the writer with SIGPIPE.)
definition=$("$prefix/games/sixfold-dict" its)
grep -qx pronoun <<< "$definition" || { echo "sixfold-dict did not find its data"; exit 1; }

export XDG_CONFIG_HOME=$prefix/config XDG_DATA_HOME=$prefix/data QT_QPA_PLATFORM=offscreen \
       QT_LOGGING_RULES="sixfold.app.debug=true"
status=0
timeout 5 "$prefix/games/sixfold" > "$prefix/out" 2> "$prefix/err" || status=$?
[ "$status" -eq 124 ] || { echo "the installed game stopped with $status"; cat "$prefix/err"; exit 1; }
grep -q "Board laid out with 26 cells." "$prefix/err" || { echo "no board"; cat "$prefix/out" "$prefix/err"; exit 1; }
echo "installed layout, metadata, manual pages and first board: fine"
