#!/usr/bin/env bash
# Installs the build into a throw-away prefix and checks the layout, the desktop entry and
# the AppStream metadata, and that the installed programs find their data through the prefix.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for file in bin/sixfold bin/sixfold-dict \
            share/sixfold/SixLetterWords.txt share/sixfold/words_alpha.txt \
            share/sixfold/function_words.txt share/sixfold/NOTICE \
            share/applications/org.sixfold.Sixfold.desktop \
            share/icons/hicolor/scalable/apps/org.sixfold.Sixfold.svg \
            share/metainfo/org.sixfold.Sixfold.metainfo.xml; do
    [ -e "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.sixfold.Sixfold.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.sixfold.Sixfold.metainfo.xml" >/dev/null

# Function words come only from the installed data folder.
# (Read whole first: each message leaves at once, so a reader that stops early would
# end the writer with SIGPIPE.)
definition=$("$prefix/bin/sixfold-dict" its)
grep -qx pronoun <<< "$definition" || { echo "sixfold-dict did not find its data"; exit 1; }

export XDG_CONFIG_HOME=$prefix/config QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="sixfold.app.debug=true"
status=0
timeout 5 "$prefix/bin/sixfold" > "$prefix/out" 2> "$prefix/err" || status=$?
[ "$status" -eq 124 ] || { echo "the installed game stopped with $status"; cat "$prefix/err"; exit 1; }
grep -q "Board laid out with 26 cells." "$prefix/err" || { echo "no board"; cat "$prefix/out" "$prefix/err"; exit 1; }
echo "installed layout, metadata and first board: fine"
