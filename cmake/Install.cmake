# SPDX-License-Identifier: GPL-2.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillby developers
# Installation and the Debian package: the two programs, the desktop entry, the icons, the
# AppStream metainfo and the manual pages, laid out as a freedesktop desktop expects them.

include(GNUInstallDirs)

# The desktop entry, the icon and the metainfo are named by the application id (QUILLBY_APP_ID).
set(QUILLBY_HOMEPAGE "https://github.com/quillby/quillby" CACHE STRING
    "Project home page named in the metainfo")
set(QUILLBY_SCREENSHOT_BASE
    "https://raw.githubusercontent.com/quillby/quillby/main/docs/screenshots" CACHE STRING
    "Web folder holding the screenshots named in the metainfo")

set(_desktop_dir "${PROJECT_SOURCE_DIR}/resources/desktop")
set(_icon_dir "${PROJECT_SOURCE_DIR}/resources/icons")
set(_desktop_entry "${PROJECT_BINARY_DIR}/desktop/${QUILLBY_APP_ID}.desktop")
set(_metainfo "${PROJECT_BINARY_DIR}/desktop/${QUILLBY_APP_ID}.metainfo.xml")
configure_file("${_desktop_dir}/quillby.desktop.in" "${_desktop_entry}" @ONLY)
configure_file("${_desktop_dir}/quillby.metainfo.xml.in" "${_metainfo}" @ONLY)

install(TARGETS quillby quillby-lookup RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${_desktop_entry}" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${_metainfo}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES "${_icon_dir}/quillby-32.png"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
    RENAME ${QUILLBY_APP_ID}.png)
install(FILES "${_icon_dir}/quillby.svg"
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${QUILLBY_APP_ID}.svg)

# Manual pages and the changelog are installed compressed (gzip -9n: no name, no time stamp),
# as a Debian package must hold them; man and zless read them as they are.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(QUILLBY_MAINTAINER "The Quillby developers <quillby@example.org>" CACHE STRING
    "Maintainer named in the Debian package and its changelog")
configure_file("${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in"
    "${PROJECT_BINARY_DIR}/debian/changelog" @ONLY)
# The manual pages name the version in their headings.
foreach(page quillby.1 quillby-lookup.1)
    configure_file("${PROJECT_SOURCE_DIR}/resources/man/${page}.in"
        "${PROJECT_BINARY_DIR}/man/${page}" @ONLY)
endforeach()
set(_compressed "")
foreach(source IN ITEMS
        "${PROJECT_BINARY_DIR}/man/quillby.1"
        "${PROJECT_BINARY_DIR}/man/quillby-lookup.1"
        "${PROJECT_BINARY_DIR}/debian/changelog")
    get_filename_component(name "${source}" NAME)
    set(target "${PROJECT_BINARY_DIR}/compressed/${name}.gz")
    add_custom_command(OUTPUT "${target}"
        COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${PROJECT_BINARY_DIR}/compressed/${name}"
        COMMAND ${GZIP_PROGRAM} -9nf "${PROJECT_BINARY_DIR}/compressed/${name}"
        DEPENDS "${source}"
        VERBATIM)
    list(APPEND _compressed "${target}")
endforeach()
add_custom_target(quillby_compressed_docs ALL DEPENDS ${_compressed})
# They are made with the programs, so that a build of the programs alone installs whole.
add_dependencies(quillby quillby_compressed_docs)
add_dependencies(quillby-lookup quillby_compressed_docs)
install(FILES
    "${PROJECT_BINARY_DIR}/compressed/quillby.1.gz"
    "${PROJECT_BINARY_DIR}/compressed/quillby-lookup.1.gz"
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES
    "${PROJECT_BINARY_DIR}/compressed/changelog.gz"
    "${PROJECT_SOURCE_DIR}/cmake/debian/copyright"
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quillby)

# cpack -G DEB: one package, its library dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME "quillby")
set(CPACK_PACKAGE_VENDOR "The Quillby developers")
set(CPACK_PACKAGE_CONTACT "${QUILLBY_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small, fast spelling helper with the Moby list and Webster's 1913")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillby suggests the words you may mean from their first letters or from how\n\
they sound, and shows definitions from the 1913 Webster's dictionary (OPTED).\n\
The public-domain Moby word list and OPTED are built into the program, so it\n\
works offline. The package also holds quillby-lookup, the same searches on the\n\
command line.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${QUILLBY_HOMEPAGE}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "text")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a Qt platform plugin and the icon the SVG plugins, which no library links
# to: name them (the SVG plugins came with the SVG library before they had a package of their own).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-svg-plugins | libqt6svg6")
include(CPack)
