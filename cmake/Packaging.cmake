# Installing Skyvarre like any other desktop program: the executable, its
# freedesktop menu entry, icons and AppStream metadata in their standard
# places, and a Debian package built from the same rules (cpack -G DEB).
include(GNUInstallDirs)

set(SKYVARRE_APP_ID org.skyvarre.Skyvarre)

# Debian installs into /usr/bin next to system libraries only: no run path.
set_target_properties(skyvarre PROPERTIES INSTALL_RPATH "")

install(TARGETS skyvarre
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .)

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
endif()

set(CPACK_PACKAGE_NAME skyvarre)
set(CPACK_PACKAGE_VENDOR "Varnholt Softwares")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "Varnholt Softwares <support@skyvarre.example>")
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
include(CPack)
