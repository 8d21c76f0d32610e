#!/bin/bash
# materials import/export: the shipped table is canonical and round-trips byte for byte; bad
# tables are refused with the line and exit code 2, leaving no output file behind.
set -u
BIN=$1
SRC=$2
CLI="$BIN/coilspring-cli"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# import -> export -> import is byte-identical; export of the shipped file is the shipped table.
"$CLI" materials import "$SRC/data/materials.tsv" "$TMP/a.dst" || fail "import of the shipped table"
[ "$(stat -c %s "$TMP/a.dst")" = 52080 ] || fail "material file is not 52080 bytes"
cmp -s "$TMP/a.dst" "$BIN/zaidat.dst" || fail "import differs from the built zaidat.dst"
"$CLI" materials export "$BIN/zaidat.dst" >"$TMP/a.tsv" || fail "export of zaidat.dst"
cmp -s "$TMP/a.tsv" "$SRC/data/materials.tsv" ||
  fail "export of zaidat.dst differs from data/materials.tsv"
"$CLI" materials import "$TMP/a.tsv" "$TMP/b.dst" || fail "import of the exported table"
cmp -s "$TMP/a.dst" "$TMP/b.dst" || fail "import -> export -> import is not byte-identical"

# A short file fills the table as far as it goes: only record 0 remains.
head -c 1736 "$BIN/zaidat.dst" >"$TMP/short.dst"
"$CLI" materials export "$TMP/short.dst" >"$TMP/short.tsv" || fail "export of a short file"
[ "$(grep -c '^material' "$TMP/short.tsv")" = 1 ] || fail "short file: expected one material"

# expect_refusal NAME ARGS... : exit code 2 and a message containing $EXPECT on stderr.
expect_refusal() {
  local name=$1
  shift
  "$CLI" "$@" >"$TMP/out" 2>"$TMP/err"
  local rc=$?
  [ "$rc" = 2 ] || fail "$name: exit code $rc, expected 2"
  grep -qF -- "$EXPECT" "$TMP/err" || fail "$name: message '$(cat "$TMP/err")' lacks '$EXPECT'"
}

{
  printf 'material\t0\nkind\t0\tX\nsymbol\tY\nshear-modulus\t1\nyoung-modulus\t1\n'
  printf 'torsion-ratio\t1\nbending-ratio\t1\n0.8\t1\t0\t0\n0.7\t1\t0\t0\n'
} >"$TMP/bad.tsv"
EXPECT="9 行目: 線径は昇順に並べてください" expect_refusal "descending diameters" \
  materials import "$TMP/bad.tsv" "$TMP/bad.dst"
[ ! -e "$TMP/bad.dst" ] || fail "a refused table still wrote its output file"

EXPECT="は開けません" expect_refusal "missing table" \
  materials import "$TMP/missing.tsv" "$TMP/x.dst"
EXPECT="を作成できません" expect_refusal "unwritable output" \
  materials import "$SRC/data/materials.tsv" "$TMP/no/such/folder/x.dst"
EXPECT="不明な操作 'convert'" expect_refusal "unknown action" materials convert "$TMP/a.dst"

if [ "$failures" != 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "materials round trip: all passed"
