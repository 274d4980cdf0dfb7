# `make deb`: a Debian package of the installed layout, built with CPack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nimbrel)
set(CPACK_PACKAGE_VENDOR Quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw names out of a hat")
set(CPACK_PACKAGE_DESCRIPTION "Nimbrel keeps a list of names and shuffles it every 10 ms, with \
flashing colours, a shaking window and a shaker sound, until you press Stop: the order at \
that moment is the draw. It imports, exports and prints name lists and remembers the list \
between runs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvane <support@quorvane.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://www.quorvane.example)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The About box's links are opened with xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS xdg-utils)
# Qt's own texts (Yes/No, the file dialog) in the language the program speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
