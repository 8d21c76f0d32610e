#!/bin/bash
# sheet: a design file's data sheet as a one-page PDF whose text a reader can extract; bad input
# is refused with exit code 2 and leaves no PDF behind.
set -u
BIN=$1
SRC=$2
CLI="$BIN/coilspring-cli"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! command -v pdfinfo >/dev/null || ! command -v pdftotext >/dev/null; then
  echo "SKIP: poppler-utils (pdfinfo, pdftotext) is not installed"
  exit 0
fi

# A design file: record 0 with mean diameter 10 mm, slot 3 with 12.5 mm; wire row 20 of
# material 0, lengths entered (20 and 15 mm of a 25 mm free length), ground closed ends.
/usr/bin/python3 - "$TMP/a.abd" <<'EOF'
import struct, sys
image = bytearray(336 * 31)
def spring(slot, mean):
    base = 336 * slot
    for offset, fmt, value in [(0, "<i", 1), (4, "<i", 0), (8, "<i", 20), (12, "<d", 0.8),
                               (28, "<d", mean), (44, "<i", 1), (48, "<d", 10.0),
                               (64, "<i", 1), (104, "<d", 25.0), (128, "<i", 1),
                               (148, "<d", 20.0), (156, "<d", 15.0)]:
        struct.pack_into(fmt, image, base + offset, value)
spring(0, 10.0)
spring(3, 12.5)
open(sys.argv[1], "wb").write(image)
EOF

# The material symbol of record 0, as the shipped database holds it.
SYMBOL=$(awk -F'\t' '/^material\t/ {m = $2} /^symbol\t/ && m == 0 {print $2; exit}' \
  "$SRC/data/materials.tsv")

# page_text NAME PDF: checks one A4 page and puts its text into $TMP/NAME.txt
page_text() {
  local info
  info=$(pdfinfo "$2") || { fail "$1: pdfinfo cannot read the file"; return; }
  grep -Eq '^Pages:[[:space:]]+1$' <<<"$info" || fail "$1: not one page: $info"
  grep -q '(A4)' <<<"$info" || fail "$1: not A4: $info"
  pdftotext "$2" "$TMP/$1.txt" || fail "$1: pdftotext failed"
}
has() { grep -qF -- "$3" "$TMP/$2.txt" || fail "$1: '$3' missing from the page"; }

"$CLI" sheet "$TMP/a.abd" "$TMP/a.pdf" 2>"$TMP/err" || fail "current design: exit code $?"
page_text a "$TMP/a.pdf"
has "current design" a "コイル平均径"
has "current design" a "材料の直径"
has "material symbol" a "$SYMBOL"
has "outer diameter 10 + 0.8" a "10.8"
# A reader splits the labels at their full-width space, so prefix and value are found apart.
has "label L1" a "Ｌ１"
has "label L1" a "= 20mm"
has "label of the free length" a "自由長= 25mm"
has "end form 1" a "クローズ（研削）"
has "right-handed by default" a "右"
# The whole page is a drawing, the spring's picture too: no bitmap at all.
[ "$(pdfimages -list "$TMP/a.pdf" | tail -n +3)" = "" ] || fail "the page holds a bitmap"

"$CLI" sheet "$TMP/a.abd" "$TMP/b.pdf" --slot 3 --left || fail "slot 3: exit code $?"
page_text b "$TMP/b.pdf"
has "slot 3" b "= 12.5mm"
has "slot 3 outer diameter" b "13.3"
has "--left" b "左"

# expect_refusal NAME OUTPUT ARGS...: exit code 2, $EXPECT on stderr, no OUTPUT written.
expect_refusal() {
  local name=$1 output=$2
  shift 2
  "$CLI" sheet "$@" >"$TMP/out" 2>"$TMP/err"
  local rc=$?
  [ "$rc" = 2 ] || fail "$name: exit code $rc, expected 2"
  grep -qF -- "$EXPECT" "$TMP/err" || fail "$name: message '$(cat "$TMP/err")' lacks '$EXPECT'"
  [ ! -e "$output" ] || fail "$name: $output was written"
}
EXPECT="は開けません" expect_refusal "missing design" "$TMP/m.pdf" "$TMP/missing.abd" "$TMP/m.pdf"
EXPECT="OUT.pdf が指定されていません" expect_refusal "no output file" "$TMP/none" "$TMP/a.abd"
EXPECT="不明なオプション --right" expect_refusal "unknown option" "$TMP/u.pdf" "$TMP/a.abd" "$TMP/u.pdf" --right
EXPECT="を作成できません" expect_refusal "missing folder" "$TMP/no/x.pdf" "$TMP/a.abd" "$TMP/no/x.pdf"

if [ "$failures" != 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "sheet pdf: all passed"
