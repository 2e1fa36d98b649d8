# The Debian package, made by CPack from what `cmake --install` installs; scripts/package
# configures with TARVIK_DEBIAN_PACKAGE=ON, builds and runs cpack.
option(TARVIK_DEBIAN_PACKAGE "Install the copyright and changelog of the Debian package" OFF)

set(TARVIK_PACKAGE_CONTACT "The Tarvik Track Viewer authors <autorzy@tarvik-viewer.org>")

if(TARVIK_DEBIAN_PACKAGE)
    # Compressed without name or time, as the man pages, so that builds give the same bytes.
    set(changelog ${CMAKE_BINARY_DIR}/debian/changelog.Debian)
    add_custom_command(OUTPUT ${changelog}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
            ${changelog}
        COMMAND gzip -9nf ${changelog}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
        VERBATIM)
    add_custom_target(debian_changelog ALL DEPENDS ${changelog}.gz)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${changelog}.gz
        DESTINATION ${TARVIK_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VENDOR "The Tarvik Track Viewer authors")
set(CPACK_PACKAGE_CONTACT ${TARVIK_PACKAGE_CONTACT})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "track map viewer for EU07 train simulator sceneries")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarvik Track Viewer reads a scenery of the EU07 train simulator with all the
files it includes and draws it as a 2-D map of its tracks, roads, rivers and
traction wires, coloured by line speed, height or gradient. It finds the
segment under the pointer and the file and line it was read from, checks the
scenery for track ends that do not meet, saves and prints the map and starts
the simulator with a chosen trainset.

The command-line tool tarvik loads a scenery the same way without a window:
it prints the model as JSON, lists its problems, finds the segments near a
point and renders the map to a picture.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TARVIK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TARVIK_HOME_PAGE})
# The libraries' packages come from dpkg-shlibdeps; Qt's dialogs take their Polish and
# English texts from the translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
