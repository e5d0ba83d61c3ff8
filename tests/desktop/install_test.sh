#!/usr/bin/env bash
# `cmake --install` into a staging folder: the program folder under the
# prefix, launchers on the PATH that find it, and the ".zeb" file type that a
# file manager opens with Vexo Logo.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

for f in lib/vexologo/vexologo lib/vexologo/basgl.bgd lib/vexologo/embedded/emb1.gld \
         share/applications/vexologo.desktop share/icons/hicolor/scalable/apps/vexologo.svg; do
  [[ -e $root/$f ]] || fail "$f is not installed"
done
[[ -L $root/bin/vexologo ]] || fail "bin/vexologo is not a link into the program folder"
# Through the launcher, the program finds its libraries beside its real file.
[[ -n $("$root/bin/vexologo-cli" fonts) ]] || fail "vexologo-cli on the PATH finds no fonts"

desktop=$root/share/applications/vexologo.desktop
grep -qx 'Exec=vexologo %f' "$desktop" || fail "the desktop entry does not pass the file"
grep -qx 'MimeType=application/x-vexologo-project;' "$desktop" || fail "no project type in the entry"

if command -v update-mime-database >/dev/null; then
  update-mime-database "$root/share/mime"
  grep -q 'application/x-vexologo-project:\*\.zeb' "$root/share/mime/globs2" ||
    fail "*.zeb is not registered"
  grep -q 'Logo Design Project' "$root/share/mime/application/x-vexologo-project.xml" ||
    fail "the file type has no description"
fi
echo "install layout ok"
