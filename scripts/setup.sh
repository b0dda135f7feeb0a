#!/usr/bin/env bash
# Installs the system packages Loopora builds and runs with, only those missing.
# Works as root (CI) and through sudo otherwise.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libbenchmark-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core
  # Print-quality export: cairo draws PDF and PNG, zlib compresses PNG rows.
  # The tests read the files back with poppler, librsvg and libpng.
  libcairo2-dev zlib1g-dev poppler-utils librsvg2-bin libpng-dev
  # The desktop editor: Qt 6 Widgets and printing, its platform plugins, a
  # font with the Chinese status and export texts, Xlib for the lock-key lights.
  qt6-base-dev qt6-qpa-plugins libx11-dev fonts-wqy-microhei
  # Qt's own dialogs in Russian or English, like the rest of the program.
  qt6-translations-l10n
  # msgfmt compiles the English catalogue of the interface texts; xgettext
  # and msgcmp check that it holds every text the code marks.
  gettext
  # The GUI smoke test: a virtual X display, xwd for its screenshot, xwininfo.
  xvfb x11-apps x11-utils
  # The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
  clang libclang-rt-dev
  # Locale sources, so that tests can build a Russian locale with localedef.
  locales
  # Installing and packaging: the desktop entry's and metainfo's checkers, the
  # MIME database compiler, an XML checker, groff for the manual pages,
  # dpkg-shlibdeps for the Debian package's dependencies, and lintian.
  desktop-file-utils appstream shared-mime-info libxml2-utils groff-base dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "setup: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
