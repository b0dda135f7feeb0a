#!/usr/bin/env bash
# `cpack -G DEB` from the build folder as it stands (nothing is built again):
# the package installs under /usr, holds the programs and their desktop
# files, depends on Qt 6, FreeType, fontconfig and the fonts, and passes
# lintian without errors.
#   package_checks.sh CPACK BUILD_DIR WITH_EDITOR(0|1) APP_ID VERSION
set -euo pipefail
cpack=$1 build=$2 editor=$3 id=$4 version=$5
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "package: $*"; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack failed"; }
deb=$(ls "$out"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no package was made"

[ "$(dpkg-deb -f "$deb" Package)" = loopora ] || fail "the package is not called loopora"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
need=(libfreetype6 libfontconfig1 fonts-dejavu-core fonts-wqy-microhei)
[ "$editor" = 1 ] && need+=(libqt6widgets6 libqt6gui6 libqt6printsupport6 libqt6core6)
for d in "${need[@]}"; do
  grep -qw -- "$d" <<<"$depends" || fail "no dependency on $d in: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' >"$out/files"
grep -v '^\./usr/' "$out/files" | grep -v '^\./$' && fail "files outside /usr"
want=(./usr/bin/loopora-cli ./usr/share/man/man1/loopora-cli.1.gz ./usr/share/doc/loopora/copyright
      ./usr/share/doc/loopora/changelog.gz ./usr/share/locale/en/LC_MESSAGES/loopora.mo)
if [ "$editor" = 1 ]; then
  want+=(./usr/bin/loopora ./usr/share/man/man1/loopora.1.gz
         ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml
         ./usr/share/mime/packages/$id.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg
         ./usr/share/icons/hicolor/48x48/apps/$id.png ./usr/share/icons/hicolor/256x256/apps/$id.png)
fi
for f in "${want[@]}"; do
  grep -qxF -- "$f" "$out/files" || fail "$f is not in the package"
done
# Debian keeps the licence's text once, in /usr/share/common-licenses.
grep -q '/COPYING$' "$out/files" && fail "the package holds its own copy of the licence"
# Debian's own checks of the package: any error fails, warnings are shown.
command -v lintian >/dev/null || fail "lintian is missing (scripts/setup.sh installs it)"
lintian --fail-on error "$deb" >"$out/lintian.log" 2>&1 || { cat "$out/lintian.log"; fail "lintian finds errors"; }
grep -E '^[EW]: ' "$out/lintian.log" || true

echo "package: $(basename "$deb") holds $(grep -c -v '/$' "$out/files") files; depends on $depends"
