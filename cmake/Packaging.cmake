# Installing Skyvarre like any other desktop program: the executable, its
# freedesktop menu entry, icons, AppStream metadata, manual page, licence and
# changelog in their standard places, and a Debian package built from the same
# rules (cpack -G DEB) that lintian finds nothing to warn about.
include(GNUInstallDirs)

set(SKYVARRE_APP_ID org.skyvarre.Skyvarre)
set(SKYVARRE_PUBLISHER "Varnholt Softwares")

if(WIN32)
    include(cmake/WindowsPackage.cmake)
else()
    # Debian installs into /usr/bin next to system libraries only: no run path.
    set_target_properties(skyvarre PROPERTIES INSTALL_RPATH "")
    install(TARGETS skyvarre
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        BUNDLE DESTINATION .)
endif()

if(UNIX AND NOT APPLE)
    install(FILES packaging/${SKYVARRE_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/${SKYVARRE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES src/ui/icons/skyvarre-32.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME ${SKYVARRE_APP_ID}.png)
    install(FILES src/ui/icons/skyvarre.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${SKYVARRE_APP_ID}.svg)

    # The manual page carries this build's version and web hosts. It and the
    # changelog are compressed as Debian wants them: at the highest level and
    # without a time stamp (-n), so that the same sources give the same package.
    set(man_page ${CMAKE_CURRENT_BINARY_DIR}/packaging/skyvarre.1)
    set(changelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog)
    configure_file(packaging/skyvarre.1.in ${man_page} @ONLY)
    configure_file(packaging/changelog ${changelog} COPYONLY)
    add_custom_command(
        OUTPUT ${man_page}.gz ${changelog}.gz
        COMMAND gzip -n -9 -k -f ${man_page} ${changelog}
        DEPENDS ${man_page} ${changelog}
        COMMENT "Compressing the manual page and the changelog"
        VERBATIM)
    add_custom_target(skyvarre_documents ALL DEPENDS ${man_page}.gz ${changelog}.gz)
    install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    # Debian names the folder after the package, not after the project.
    set(document_folder ${CMAKE_INSTALL_DATADIR}/doc/skyvarre)
    install(FILES packaging/copyright ${changelog}.gz DESTINATION ${document_folder})
endif()

set(CPACK_PACKAGE_NAME skyvarre)
set(CPACK_PACKAGE_VENDOR ${SKYVARRE_PUBLISHER})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
# The package's long description, below the summary line. CPack copies the
# lines as they are, so they are kept short here.
set(CPACK_PACKAGE_DESCRIPTION [=[
Skyvarre asks for a name and a date of birth between 1900 and 2022 and tells
in which zodiac sign the distant solar-system body Sedna stood on that day
(Aries, Taurus or Gemini), with an interpretation text.

Its web links, update reminder and refer-a-friend form only hand addresses to
the desktop's browser; the program itself has no network code.]=])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CONTACT "${SKYVARRE_PUBLISHER} <support@skyvarre.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries come from dpkg-shlibdeps; the rest is what the program
# needs at run time that no library names: a font for every window, a
# platform plugin to draw them, and xdg-open to hand links to the browser.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, xdg-utils")
# Under Wayland the program runs natively only with Qt's Wayland plugin;
# without it, Qt falls back to X11 through Xwayland. Qt's translations give
# the message boxes' buttons in the user's language; the program's own texts
# are in it without them. DejaVu has no Han, kana, Hangul or Devanagari: the
# lightest faces that do come first, and a system that has Noto's already
# needs neither.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, qt6-translations-l10n, fonts-wqy-microhei | fonts-noto-cjk, fonts-noto-ui-core")
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/Checksums.cmake)
# The same bytes from `cpack -G DEB` of the same commit, whenever it runs,
# with nothing set by the builder: the file times in the package are the last
# commit's time unless SOURCE_DATE_EPOCH says otherwise (cmake/PackageTimes.cmake).
find_package(Git QUIET)
set(CPACK_SKYVARRE_GIT "${GIT_EXECUTABLE}")
set(CPACK_SKYVARRE_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageTimes.cmake)
include(CPack)
