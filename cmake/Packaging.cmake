# `cpack -G DEB` in a build folder makes a Debian package of what installs.
# The shared libraries the programs link (Qt 6, FreeType, fontconfig) become
# dependencies through dpkg-shlibdeps; the fonts the texts are drawn with are
# named here, as nothing links them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME loopora)
set(CPACK_PACKAGE_VENDOR "Loopora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for crochet charts")
# Debian's extended description: lines of at most 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Loopora draws crochet charts in which every stitch is shown as its standard
symbol: chains, slip stitches, singles, doubles and taller stitches, increase
fans, decreases, clusters and chain groups. Stitches are placed by dragging
from base to top, then turned, sized, mirrored, grouped and repeated along
rows and arcs. Charts are printed or exported as PDF, SVG, PNG or BMP.
The package holds the desktop editor (loopora) and the command-line runner
(loopora-cli).")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped as Debian strips (the top-level CMakeLists.txt sets the strip).
set(CPACK_STRIP_FILES ON)
# Everything but the licence's full text, which Debian keeps in
# /usr/share/common-licenses (the copyright file points there).
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LOOPORA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# DejaVu Sans draws the chart's labels; a CJK font the editor's status and
# export messages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fontconfig, fonts-dejavu-core, fonts-wqy-microhei | fonts-noto-cjk")
# Qt's own dialogs speak Russian with the rest of the editor.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
