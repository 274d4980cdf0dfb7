# `make deb`: a Debian package of the installed layout, built with CPack.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nimbrel)
set(CPACK_PACKAGE_VENDOR Quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw names out of a hat")
# The extended description: lines of at most 80 columns, a blank line between paragraphs.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Nimbrel keeps a list of names and shuffles it every 10 ms, with flashing"
    "colours, a shaking window and a shaker sound, until you press Stop: the order"
    "the names stand in at that moment is the draw."
    ""
    "It imports, exports and prints name lists, lets you switch each effect off,"
    "and remembers the list and its options between runs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvane <support@quorvane.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://www.quorvane.example)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The About box's links are opened with xdg-open. The window's design font is drawn with
# Liberation Sans (its metrics keep the captions inside their buttons), the About logo with
# DejaVu Sans.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils, fonts-dejavu-core, fonts-liberation2")
# Qt's own texts (Yes/No, the file dialog) in the language the program speaks. The
# Chinese and Japanese windows are drawn in Noto Sans CJK, the Arabic ones in Noto Sans
# Arabic UI; without them, other faces that have the letters, if any are installed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk, fonts-noto-ui-core")
# The packaged program is stripped; the build tree's and `cmake --install`'s keep their symbols.
# Like Debian's own packages, the stripped program also loses the compilers' .comment notes.
set(CPACK_STRIP_FILES ON)
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${NIMBREL_PROGRAM_DIR}/nimbrel\" COMMAND_ERROR_IS_FATAL ANY)
    endif()")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
