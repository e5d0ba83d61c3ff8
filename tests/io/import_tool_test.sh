#!/usr/bin/env bash
# vexologo-cli import as scripts use it: a 32-bit PNG out, refusals with a
# message naming the file, a non-zero status and no output file.
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() { echo "FAILED: $1"; failures=$((failures + 1)); }

# A 2x1 Targa with alpha: blue half transparent, red opaque.
printf '\0\0\2\0\0\0\0\0\0\0\0\0\2\0\1\0\40\10\377\0\0\200\0\0\377\377' >"$dir/in.TGA"
"$cli" import "$dir/in.TGA" "$dir/out.png" || fail "import of a Targa file"
# The PNG holds colour type 6 (RGBA) in its header and the pixels survive a round trip.
[[ $(od -An -tu1 -j25 -N1 "$dir/out.png" | tr -d ' ') == 6 ]] || fail "output is a 32-bit PNG"
"$cli" import "$dir/out.png" "$dir/again.png" || fail "the output imports again"
cmp -s "$dir/out.png" "$dir/again.png" || fail "pixels and alpha survive a round trip"

printf 'not a picture' >"$dir/bad.bmp"
msg=$("$cli" import "$dir/bad.bmp" "$dir/bad.png" 2>&1) && fail "a broken file is refused"
grep -q "File could not be opened: $dir/bad.bmp (Not a BMP)" <<<"$msg" || fail "the message names file and reason: $msg"
[[ -e "$dir/bad.png" ]] && fail "no output file after a refusal"
mkfifo "$dir/pipe.png"
timeout 10 "$cli" import "$dir/pipe.png" "$dir/x.png" 2>/dev/null
[[ $? == 1 ]] || fail "a FIFO is refused at once"
"$cli" import "$dir/in.TGA" 2>/dev/null
[[ $? == 2 ]] || fail "a missing argument is misuse"

echo "$failures failed"
[[ $failures == 0 ]]
