#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: the programs, their version, the
# desktop entry, icon, chart file type, AppStream metainfo, manual pages and
# licence are where desktops look for them, and each passes its format's
# own checker.
#   install_checks.sh CMAKE BUILD_DIR WITH_EDITOR(0|1) APP_ID VERSION
set -euo pipefail
cmake=$1 build=$2 editor=$3 id=$4 version=$5
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install: $*"; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

present() { for f in "$@"; do [ -f "$prefix/$f" ] || fail "$f was not installed"; done; }
present bin/loopora-cli share/man/man1/loopora-cli.1.gz \
        share/doc/loopora/COPYING share/doc/loopora/copyright share/doc/loopora/README.md
grep -q "GNU GENERAL PUBLIC LICENSE" "$prefix/share/doc/loopora/COPYING" || fail "COPYING is not the GPL"

[ "$("$prefix/bin/loopora-cli" --version)" = "loopora-cli $version" ] || fail "loopora-cli --version"
# The English texts, where the programs look for them from their own folder.
present share/locale/en/LC_MESSAGES/loopora.mo
[ "$(msgunfmt "$prefix/share/locale/en/LC_MESSAGES/loopora.mo" | grep -c '^msgstr "Ready"$')" = 1 ] ||
  fail "the installed catalogue is not the English one"
english=$(printf 'new 300 300 1 30\ntool double\ndrag 150 160 150 110\nanswer menu 0\nrclick 150 135\n' |
          "$prefix/bin/loopora-cli" --lang en script -)
grep -q '^menu 156: "Size"' <<<"$english" || fail "the installed loopora-cli speaks no English: $english"

# Manual pages format without a warning.
check_man() {
  local warnings
  warnings=$(zcat "$1" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1) || fail "$1 does not format"
  [ -z "$warnings" ] || fail "$1: $warnings"
  zcat "$1" | grep -q "^\.SH NAME" || fail "$1 has no NAME section"
}
check_man "$prefix/share/man/man1/loopora-cli.1.gz"

if [ "$editor" != 1 ]; then
  [ ! -e "$prefix/bin/loopora" ] || fail "the editor was installed though it was not built"
  echo "install: the command-line runner and its files are in place"
  exit 0
fi

desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
present bin/loopora share/man/man1/loopora.1.gz "$desktop" "$metainfo" share/mime/packages/$id.xml \
        share/icons/hicolor/scalable/apps/$id.svg
[ "$("$prefix/bin/loopora" --version)" = "loopora $version" ] || fail "loopora --version"
check_man "$prefix/share/man/man1/loopora.1.gz"

desktop-file-validate "$prefix/$desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$prefix/$metainfo" || fail "the metainfo is not valid"
grep -q "<release version=\"$version\"" "$prefix/$metainfo" || fail "the metainfo names another version"
xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the SVG icon is not XML"

# Each PNG is as large as its folder says (width and height from the IHDR chunk).
for size in 16 22 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done

# The chart type, compiled as a desktop does, claims the extension.
update-mime-database "$prefix/share/mime"
grep -q "application/x-loopora-chart:\*\.loopora" "$prefix/share/mime/globs2" || fail "no glob for *.loopora"
grep -q "^MimeType=application/x-loopora-chart;" "$prefix/$desktop" || fail "the editor does not claim its charts"

echo "install: programs, desktop entry, icons, chart type, metainfo and manual pages are in place"
