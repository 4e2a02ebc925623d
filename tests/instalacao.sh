#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, as a package build does, and
# checks the layout: the command, the lessons, sounds and manual in
# share/teclomatic, the menu entry, icon, AppStream metadata, manual page and
# Debian documents. The desktop entry and the metadata must pass their
# validators (desktop-file-utils, appstream); without them the test is
# skipped once the layout has been checked.
#   instalacao.sh <build-dir> [cmake]
set -uo pipefail
build=$1
cmake=${2:-cmake}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

falhas=0
falha() { echo "FAIL: $*" >&2; falhas=$((falhas + 1)); }

if ! DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >"$stage.log" 2>&1; then
  cat "$stage.log" >&2; rm -f "$stage.log"
  echo "FAIL: cmake --install" >&2
  exit 1
fi
rm -f "$stage.log"
raiz=$stage/usr
id=io.github.teclomatic.teclomatic

[ -x "$raiz/bin/teclomatic" ] || falha "bin/teclomatic missing or not executable"
dados=$raiz/share/teclomatic
for n in $(seq 1 52); do
  [ -s "$dados/Modulos/mod$n.mod" ] || falha "share/teclomatic/Modulos/mod$n.mod missing"
done
for f in bip login logoff erro fim; do
  [ -s "$dados/$f.wav" ] || falha "share/teclomatic/$f.wav missing"
done
[ -s "$dados/Ajuda.html" ] || falha "share/teclomatic/Ajuda.html missing"
# The modules, found from the executable through its library folder.
modulos="teclomatic_som teclomatic_instancia"
[ -e "$build/app/teclomatic_wayland.so" ] && modulos="$modulos teclomatic_wayland"
for m in $modulos; do
  [ -n "$(find "$raiz"/lib* -path "*/teclomatic/$m.so" 2>/dev/null)" ] \
    || falha "$m.so missing from the library folder"
done
for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/man/man1/teclomatic.1.gz \
         share/doc/teclomatic/copyright share/doc/teclomatic/changelog.gz; do
  [ -s "$raiz/$f" ] || falha "$f missing"
done

# Each PNG icon has the size of the folder it is in (width and height are
# the big-endian words at bytes 16 and 20 of a PNG).
for n in 16 22 24 32 48 64 128 256 512; do
  png=$raiz/share/icons/hicolor/${n}x${n}/apps/$id.png
  if [ ! -s "$png" ]; then falha "${n}x${n} icon missing"; continue; fi
  read -r a b c d e f g h < <(od -An -tu1 -j16 -N8 "$png")
  w=$(( (a << 24) | (b << 16) | (c << 8) | d )); alt=$(( (e << 24) | (f << 16) | (g << 8) | h ))
  [ "$w" = "$n" ] && [ "$alt" = "$n" ] || falha "${n}x${n} icon is ${w}x${alt}"
done

# The menu entry starts the installed command with the installed icon.
desktop=$raiz/share/applications/$id.desktop
grep -qx 'Exec=teclomatic' "$desktop" || falha "desktop entry does not run teclomatic"
grep -qx "Icon=$id" "$desktop" || falha "desktop entry does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$raiz/share/metainfo/$id.metainfo.xml" \
  || falha "metainfo does not launch $id.desktop"
grep -q '@[A-Z_]*@' "$raiz/share/metainfo/$id.metainfo.xml" && falha "metainfo has unreplaced @VARIABLES@"

faltam=()
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || falha "desktop-file-validate"
else
  faltam+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --explain "$raiz/share/metainfo/$id.metainfo.xml" \
    || falha "appstreamcli validate"
else
  faltam+=(appstreamcli)
fi

if [ $falhas -gt 0 ]; then
  echo "$falhas problem(s) in the installed layout" >&2
  exit 1
fi
if [ ${#faltam[@]} -gt 0 ]; then
  echo "Layout fine; not validated: ${faltam[*]} not installed" >&2
  exit 77
fi
echo "Installed layout and desktop metadata are fine"
