#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree as a
# desktop sees it: the program, the manual with every picture it shows, the
# desktop entry (desktop-file-validate), the AppStream metainfo (appstreamcli,
# its screenshots the manual's pictures), the icon sizes and the man page, and
# that the manual names every shortcut of the command table; then
# that the installed tagsmith answers --help and --version with no display and
# finds its manual in the installed tree.
# Usage: check-install.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
check() { # DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
png_size() { # the width and height of a PNG from its header
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'
}

cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
manual=$share/quillon-pro/quillon.html
check "tagsmith is installed as a program" test -x "$prefix/bin/tagsmith"
check "the manual is installed" test -s "$manual"
for image in $(grep -o '<img src="[^"]*"' "$manual" | sed 's/.*src="\(.*\)"/\1/'); do
  check "the manual's picture $image is installed" test -s "$share/quillon-pro/$image"
done
# Every shortcut of the command table is in the manual, written as the manual writes keys.
table=$(dirname "$0")/../../src/commands/CommandTable.cpp
# The "+" key itself ("Ctrl++") is the one "+" that joins no keys.
unnamed=$(grep -oE '"(Ctrl|Alt|Shift|F[0-9])[A-Za-z0-9+=-]*"' "$table" | tr -d '"' | sort -u |
  while read -r k; do
    kbd="<kbd>${k/%++/+Plus}</kbd>" && kbd=${kbd//+/</kbd>+<kbd>}
    grep -qF "${kbd//Plus/+}" "$manual" || echo "$k"
  done)
check "the manual names every shortcut${unnamed:+ (not: $unnamed)}" test -z "$unnamed"
entry=$share/applications/quillon-pro.desktop
check "the desktop entry passes desktop-file-validate" desktop-file-validate "$entry"
check "the desktop entry starts tagsmith with one file" grep -qx 'Exec=tagsmith %f' "$entry"
metainfo=$share/metainfo/com.corvantis.quillonpro.metainfo.xml
check "the AppStream metainfo is installed" test -s "$metainfo"
check "the installed tree passes appstreamcli validate-tree" appstreamcli validate-tree --no-net "$prefix"
check "the metainfo names the installed desktop entry" \
  grep -qF "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo"
shots=$(grep -o '<image [^>]*>[^<]*' "$metainfo" | sed 's/.*>//')
check "the metainfo has screenshots" test -n "$shots"
for shot in $shots; do
  check "the screenshot $(basename "$shot") is a picture of the installed manual" \
    test -s "$share/quillon-pro/quillon-images/$(basename "$shot")"
done
check "the scalable icon is installed" test -s "$share/icons/hicolor/scalable/apps/quillon-pro.svg"
for size in 16 22 24 32 48 64 128 256; do
  check "the ${size}x$size icon has that size" \
    test "$(png_size "$share/icons/hicolor/${size}x$size/apps/quillon-pro.png")" = "${size}x$size"
done
check "the man page is installed" bash -c "gzip -dc '$share/man/man1/tagsmith.1.gz' | grep -q '^\.TH TAGSMITH 1'"

# No display of any kind: the answers must come before Qt looks for one.
bare=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
check "--version answers without a display" \
  test "$("${bare[@]}" "$prefix/bin/tagsmith" --version)" = "tagsmith (Quillon Pro) $version"
help=$("${bare[@]}" "$prefix/bin/tagsmith" --help || true)
check "--help shows the usage" grep -q '^Usage: .*tagsmith \[options\] \[FILE\]' <<<"$help"
check "the installed program finds its installed manual" grep -qF "$manual" <<<"$help"
check "the build's program finds the manual beside itself" \
  grep -qF "$build/quillon.html" <<<"$("${bare[@]}" "$build/tagsmith" -h)"
# After "--" a word is a file name: the program goes for a display (and, with
# none, fails without printing any answer).
check "after -- a word is a file name, not an option" \
  bash -c "ulimit -c 0; test -z \"\$(${bare[*]} '$prefix/bin/tagsmith' -- --version 2>/dev/null)\""
exit $((failures > 0))
