#!/usr/bin/env bash
# vexologo-cli fonts and shapes as scripts use them.
#   cli_fonts_test.sh errors CLI    broken program folders: messages, non-zero exits
#   cli_fonts_test.sh listing CLI   the listings of the shipped libraries
set -u
mode=$1
cli=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAILED: $1"; failures=$((failures + 1)); }

if [[ $mode == errors ]]; then
  # The tool finds its libraries beside itself: give a copy a folder of its own.
  mkdir -p "$dir/embedded"
  cp "$cli" "$dir/vexologo-cli"
  "$dir/vexologo-cli" fonts >"$dir/out" 2>"$dir/err"
  status=$?
  [[ $status -ne 0 ]] || fail "missing libraries exit with status 0"
  grep -q "open:$dir/basgl.bgd" "$dir/err" || fail "the report names the missing library"

  # 20 bytes that do not unscramble to the library magic
  head -c 20 /dev/zero >"$dir/basgl.bgd"
  "$dir/vexologo-cli" shapes >"$dir/out" 2>"$dir/err"
  status=$?
  [[ $status -ne 0 ]] || fail "a corrupt library exits with status 0"
  grep -q "Installation package corrupted. Please reinstall Vexo Logo" "$dir/err" ||
    fail "a corrupt library shows the reinstall message"
  [[ ! -s "$dir/out" ]] || fail "a corrupt library lists nothing"
  "$dir/vexologo-cli" fonts extra >/dev/null 2>&1
  [[ $? -eq 2 ]] || fail "fonts takes no arguments"
else
  "$cli" fonts >"$dir/fonts" || fail "fonts succeeds"
  "$cli" shapes >"$dir/shapes" || fail "shapes succeeds"
  [[ $(wc -l <"$dir/fonts") -ge 190 ]] || fail "at least 190 text fonts listed"
  [[ $(wc -l <"$dir/shapes") -ge 5000 ]] || fail "at least 5000 shapes listed"
  awk -F'\t' 'NF != 4 || $1 != NR - 1 || $2 < 0 || $2 > 10 || $4 == "" { bad = 1 } END { exit bad }' \
    "$dir/fonts" || fail "fonts lines are number, category 0-10, name, file"
  awk -F'\t' 'NF != 3 || $1 != NR - 1 || $3 < 1 { bad = 1 } END { exit bad }' \
    "$dir/shapes" || fail "shapes lines are index, face, glyph"
  head -1 "$dir/fonts" | grep -qP '^0\t0\tAndika Regular\t.*emb1.gld$' || fail "the first text font"
  grep -qP '\tStarburst Regular\t19$' "$dir/shapes" || fail "the default shape is listed"
  grep -qP '\tPointers Regular\t132$' "$dir/shapes" || fail "the button arrow is listed"
fi

echo "$failures failed"
[[ $failures -eq 0 ]]
