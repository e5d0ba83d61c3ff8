#!/usr/bin/env bash
# The command-line tool as scripts use it (the JSON commands, import and the
# command table): exit statuses, messages and files.
set -u
cli=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...: the command must succeed
  if ! "${@:2}"; then echo "FAILED: $1"; failures=$((failures + 1)); fi
}
refuse() {  # refuse DESCRIPTION COMMAND...: the command must fail
  if "${@:2}" 2>/dev/null; then echo "FAILED (succeeded): $1"; failures=$((failures + 1)); fi
}

cat >"$dir/in.json" <<'JSON'
{"version":2,"bgc":[10,20,30],"cur":1,"objects":[
  {"type":0,"x":5,"y":-5,"lt":{"str":"Caf\u00e9","angle":0.1,"has_transform":1}},
  {"type":1,"lt":{"font":"Starburst Regular","shape":19,"bend":"NaN(0x7fc00001)"}}]}
JSON
check "from-json writes a project" "$cli" from-json "$dir/in.json" "$dir/a.zeb"
check "to-json reads it back" sh -c "'$cli' to-json '$dir/a.zeb' > '$dir/a.json'"
check "from-json of to-json output" "$cli" from-json "$dir/a.json" "$dir/b.zeb"
check "the round trip keeps every byte" cmp -s "$dir/a.zeb" "$dir/b.zeb"
check "text is UTF-8 in JSON" grep -q 'Café' "$dir/a.json"

head -c 100 "$dir/a.zeb" >"$dir/short.zeb"
refuse "a truncated file fails" "$cli" to-json "$dir/short.zeb"
msg=$("$cli" to-json "$dir/short.zeb" 2>&1 >/dev/null)
check "the message names the file" grep -q "File could not be opened: $dir/short.zeb" <<<"$msg"
printf '\xdf\x39\x00\x00\x03\x00\x00\x00' >"$dir/v3.zeb"
refuse "version 3 fails" "$cli" to-json "$dir/v3.zeb"

echo '{"objects":[{"lt":{"size":"big"}}]}' >"$dir/bad.json"
refuse "invalid JSON content fails" "$cli" from-json "$dir/bad.json" "$dir/bad.zeb"
check "no partial output file" test ! -e "$dir/bad.zeb"
echo '{' >"$dir/broken.json"
refuse "broken JSON fails" "$cli" from-json "$dir/broken.json" "$dir/bad.zeb"

# import: a 32-bit PNG out; refusals name the file and leave no output file.
# A 2x1 Targa with alpha: blue half transparent, red opaque.
printf '\0\0\2\0\0\0\0\0\0\0\0\0\2\0\1\0\40\10\377\0\0\200\0\0\377\377' >"$dir/in.TGA"
check "import of a Targa file" "$cli" import "$dir/in.TGA" "$dir/out.png"
check "the output is a 32-bit PNG (colour type 6)" \
  test "$(od -An -tu1 -j25 -N1 "$dir/out.png" | tr -d ' ')" = 6
check "the output imports again" "$cli" import "$dir/out.png" "$dir/again.png"
check "pixels and alpha survive a round trip" cmp -s "$dir/out.png" "$dir/again.png"
printf 'not a picture' >"$dir/bad.bmp"
msg=$("$cli" import "$dir/bad.bmp" "$dir/bad.png" 2>&1)
check "a broken picture is refused" test $? = 1
check "the message names file and reason" \
  grep -q "File could not be opened: $dir/bad.bmp (Not a BMP)" <<<"$msg"
check "no output file after a refusal" test ! -e "$dir/bad.png"
mkfifo "$dir/pipe.png"
timeout 10 "$cli" import "$dir/pipe.png" "$dir/x.png" 2>/dev/null
check "a FIFO is refused at once" test $? = 1
"$cli" import "$dir/in.TGA" 2>/dev/null
check "a missing argument is misuse" test $? = 2

refuse "unknown commands fail" "$cli" no-such-command
refuse "missing arguments fail" "$cli" to-json
check "help succeeds" sh -c "'$cli' help >/dev/null"

exit $((failures > 0))
