# The Debian package quilvane_<version>_amd64.deb, built by scripts/package through cpack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quilvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Veldrin)
set(CPACK_PACKAGE_CONTACT "Veldrin <veldrin@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "measure and draw pedigree collapse in GEDCOM files")
set(CPACK_PACKAGE_DESCRIPTION
    "Quilvane reads a family file (GEDCOM in ANSI, ANSEL, UTF-8 or UTF-16,
or its own sibling list) and measures pedigree collapse, the way the same
ancestors occur several times in one person's ancestry: Kekule numbers,
path counts, per-person and per-generation metrics, the tree chart of
ancestors and descendants, metric tables and the sibling list.

The package holds the German desktop program quilvane and the batch tool
quilvane-cli, which writes every output without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps. It cannot see the fonts the charts measure
# their text in ("Arial", which fontconfig maps to Liberation Sans), nor what only improves
# the program: Qt's German texts and xdg-open for showing written files.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
include(CPack)
