#!/usr/bin/env bash
# `cmake --install` into a temporary prefix gives a self-contained program folder, launchers,
# a valid desktop entry and the icon; the installed CLI finds the database beside itself.
# Arguments: <build/bin dir> <source dir>
set -euo pipefail
bin=$1
src=$2
build=$(dirname "$bin")
tmp=$(mktemp -d /tmp/coilspring-install-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
failures=0
check() {  # description, command...
  local what=$1; shift
  if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}
line_is() { grep -qxF -- "$2" "$1"; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
folder=$prefix/lib/coilspring
for program in coilspring coilspring-cli; do
  check "$program in the program folder" test -x "$folder/$program"
  check "bin/$program links into it" \
    test "$(readlink -f "$prefix/bin/$program")" = "$(readlink -f "$folder/$program")"
done
for data in zaidat.dst keisuu.dat; do
  check "$data is the built one" cmp -s "$folder/$data" "$bin/$data"
done
check "help document" test -s "$folder/help/helphelp.htm"
check "the CLI's drawing module" test -f "$folder/coilspring-cli-draw.so"

desktop=$prefix/share/applications/coilspring.desktop
check "desktop entry" test -f "$desktop"
check "Name" line_is "$desktop" "Name=圧縮コイルバネ計算"
check "Name[ja]" line_is "$desktop" "Name[ja]=圧縮コイルバネ計算"
check "Comment[ja]" grep -q "^Comment\[ja\]=.*圧縮コイルバネ" "$desktop"
check "Exec names the launcher" line_is "$desktop" "Exec=$prefix/bin/coilspring"
check "Icon" line_is "$desktop" "Icon=coilspring"
check "Categories" line_is "$desktop" "Categories=Engineering;Science;"
if command -v desktop-file-validate >/dev/null; then
  check "desktop-file-validate" desktop-file-validate "$desktop"
fi

icon=$prefix/share/icons/hicolor/scalable/apps/coilspring.svg
check "icon is an SVG document" /usr/bin/python3 -c "
import sys, xml.etree.ElementTree as t
root = t.parse(sys.argv[1]).getroot()
sys.exit(root.tag != '{http://www.w3.org/2000/svg}svg')" "$icon"
if command -v rsvg-convert >/dev/null; then
  check "icon renders" rsvg-convert -w 48 -h 48 "$icon" -o "$tmp/icon.png"
fi

# The installed CLI, started through its launcher from elsewhere, reads zaidat.dst beside
# itself: the allowable stress comes from the database.
design=$src/fuzz/corpus/design_file/startup_history
json=$(cd "$tmp" && "$prefix/bin/coilspring-cli" calc "$design" --json)
check "installed calc finds the database" \
  /usr/bin/python3 -c "import json,sys; sys.exit(not json.loads(sys.argv[1])['AllowableStress'] > 0)" "$json"
# Its drawing commands load the drawing module of the same folder.
draws_png() {  # OUT.png
  (cd "$tmp" && "$prefix/bin/coilspring-cli" picture "$design" --shape "$1") &&
    cmp -s <(head -c 8 "$1") <(printf '\x89PNG\r\n\x1a\n')
}
check "installed picture draws a PNG" draws_png "$tmp/shape.png"
# Without the database beside it, the same program says which file it cannot open.
mkdir "$tmp/alone"
cp "$folder/coilspring-cli" "$tmp/alone/"
set +e
message=$("$tmp/alone/coilspring-cli" calc "$design" 2>&1)
status=$?
set -e
check "a lone CLI fails with exit code 2" test "$status" -eq 2
check "and names the missing database" grep -qF "ファイル $tmp/alone/zaidat.dst は開けません" <<<"$message"

# Staged for a package: files under DESTDIR, the entry names the final place.
DESTDIR=$tmp/stage cmake --install "$build" --prefix /opt/coilspring >/dev/null
check "DESTDIR staging" test -x "$tmp/stage/opt/coilspring/lib/coilspring/coilspring"
check "staged entry names the final launcher" \
  line_is "$tmp/stage/opt/coilspring/share/applications/coilspring.desktop" \
  "Exec=/opt/coilspring/bin/coilspring"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
