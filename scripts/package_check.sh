#!/usr/bin/env bash
# Installs the built program into a temporary prefix and checks it as a desktop program: the
# program folder and launcher are there, the desktop entry and the AppStream metadata pass
# their validators, and the release archive unpacks into a program that has everything.
#   bash scripts/package_check.sh [build dir, default build/test]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

dir="${1:-$ROOT/build/test}"
install_missing desktop-file-utils appstream
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cmake --install "$dir" --prefix "$work/prefix" >/dev/null
for f in bin/bandolin lib/bandolin/Bandolin lib/bandolin/Help lib/bandolin/Data/ResTable.tab \
         lib/bandolin/Data/Resistor.bmp lib/bandolin/Skin/Default.she lib/bandolin/Languages/English.lng \
         share/icons/hicolor/scalable/apps/io.github.bandolin.Bandolin.svg; do
    [ -e "$work/prefix/$f" ] || { echo "package: $f is missing from the installation"; exit 1; }
done
[ ! -e "$work/prefix/lib/bandolin/Data/Settings.dat" ] || { echo "package: a settings file was installed"; exit 1; }
grep -qx "Exec=$work/prefix/bin/bandolin" "$work/prefix/share/applications/io.github.bandolin.Bandolin.desktop" \
    || { echo "package: the desktop entry does not start the installed launcher"; exit 1; }
desktop-file-validate "$work/prefix/share/applications/io.github.bandolin.Bandolin.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/io.github.bandolin.Bandolin.metainfo.xml"

(cd "$dir" && cpack -G TGZ -B "$work/archive" >/dev/null)
tar -xzf "$work"/archive/bandolin-*.tar.gz -C "$work"
[ -x "$work"/bandolin-*/lib/bandolin/Bandolin ] && [ -x "$work"/bandolin-*/bin/bandolin ] \
    || { echo "package: the release archive holds no runnable program"; exit 1; }
echo "package: installation and release archive checked"
