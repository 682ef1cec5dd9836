# Skyvarre for Windows: the resources of skyvarre.exe, and a program folder
# that runs as it is (cmake --install): the executable, Qt's DLLs with only
# the plugins the program uses, the MinGW runtime, and the licence texts.
# scripts/windows.sh turns that folder into the installer and the zip.

enable_language(RC)
set(SKYVARRE_ICO ${PROJECT_SOURCE_DIR}/packaging/windows/skyvarre.ico)
set(SKYVARRE_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/packaging/skyvarre.exe.manifest)
configure_file(packaging/windows/skyvarre.exe.manifest.in ${SKYVARRE_MANIFEST} @ONLY)
configure_file(packaging/windows/skyvarre.rc.in ${CMAKE_CURRENT_BINARY_DIR}/packaging/skyvarre.rc @ONLY)
target_sources(skyvarre PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/packaging/skyvarre.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/packaging/skyvarre.rc PROPERTIES
    OBJECT_DEPENDS "${SKYVARRE_ICO};${SKYVARRE_MANIFEST}")

install(TARGETS skyvarre RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# Qt's own texts in the languages the program speaks, where the program
# looks first: of the platform-independent catalogues that Debian's
# qt6-translations-l10n holds, only the texts the program can show (the text
# fields' and scroll bars' menus, the message boxes' buttons, the names of
# keys and actions a screen reader says, the writing direction); the rest
# translates file dialogs, printing, networking and databases. Qt has no
# catalogue for some languages (README, "Languages").
set(qt_contexts QLineEdit QWidgetTextControl QUnicodeControlCharacterMenu QScrollBar QComboBox
    QPlatformTheme QMessageBox QDialogButtonBox QShortcut QAccessibleActionInterface QGuiApplication)
list(JOIN qt_contexts "," qt_contexts)
set(qt_catalogues "")
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/qt-translations)
foreach(language IN LISTS SKYVARRE_LANGUAGES)
    set(whole /usr/share/qt6/translations/qtbase_${language}.qm)
    if(NOT EXISTS ${whole})
        continue()
    endif()
    set(subset ${CMAKE_CURRENT_BINARY_DIR}/qt-translations/qtbase_${language}.qm)
    add_custom_command(OUTPUT ${subset}
        COMMAND ${CMAKE_COMMAND} -DLCONVERT=$<TARGET_FILE:Qt6::lconvert> -DINPUT=${whole}
            -DOUTPUT=${subset} -DCONTEXTS=${qt_contexts} -P ${PROJECT_SOURCE_DIR}/cmake/QtCatalogueSubset.cmake
        DEPENDS ${whole} ${PROJECT_SOURCE_DIR}/cmake/QtCatalogueSubset.cmake VERBATIM)
    list(APPEND qt_catalogues ${subset})
endforeach()
add_custom_target(skyvarre_qt_catalogues ALL DEPENDS ${qt_catalogues})
install(FILES ${qt_catalogues} DESTINATION translations)

include(cmake/windows/Runtime.cmake)
install(FILES ${SKYVARRE_MINGW_RUNTIME} DESTINATION .)

# Licence-clean: our licence, and for what is shipped besides, its licence and
# where its source comes from. The texts are Debian's, from the packages the
# build used.
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
# The version of Debian's source package that Qt was built from, as the
# build script recorded it beside that Qt.
file(READ ${QT6_INSTALL_PREFIX}/qt-source-version.txt SKYVARRE_QT_SOURCE_VERSION)
string(STRIP "${SKYVARRE_QT_SOURCE_VERSION}" SKYVARRE_QT_SOURCE_VERSION)
# The configure options it was built with, one a line.
file(STRINGS ${QT6_INSTALL_PREFIX}/qt-configure-options.txt qt_options)
list(JOIN qt_options " " SKYVARRE_QT_CONFIGURE_OPTIONS)
configure_file(packaging/windows/THIRD-PARTY.txt.in
    ${CMAKE_CURRENT_BINARY_DIR}/packaging/THIRD-PARTY.txt @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/THIRD-PARTY.txt DESTINATION licenses)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION licenses RENAME LGPL-3.0.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION licenses RENAME GPL-3.0.txt)
install(FILES /usr/share/doc/libqt6core6/copyright
    DESTINATION licenses RENAME qt6-base-copyright.txt)
install(FILES /usr/share/doc/qt6-translations-l10n/copyright
    DESTINATION licenses RENAME qt6-translations-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright
    DESTINATION licenses RENAME mingw-w64-copyright.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright
    DESTINATION licenses RENAME gcc-runtime-copyright.txt)

# uninstall.exe, the command the uninstall entry runs: the installer's own
# uninstaller, waited for (packaging/windows/uninstall.cpp). Not part of the
# program folder: scripts/windows.sh hands it to the installer. Linked
# statically, so that it loads no DLL from the folder it empties.
set(SKYVARRE_UNINSTALL_MANIFEST ${PROJECT_SOURCE_DIR}/packaging/windows/uninstall.exe.manifest)
configure_file(packaging/windows/uninstall.rc.in ${CMAKE_CURRENT_BINARY_DIR}/packaging/uninstall.rc @ONLY)
add_executable(skyvarre_uninstall WIN32
    packaging/windows/uninstall.cpp ${CMAKE_CURRENT_BINARY_DIR}/packaging/uninstall.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/packaging/uninstall.rc PROPERTIES
    OBJECT_DEPENDS "${SKYVARRE_ICO};${SKYVARRE_UNINSTALL_MANIFEST};${PROJECT_SOURCE_DIR}/packaging/windows/uninstall-resources.h")
target_include_directories(skyvarre_uninstall PRIVATE packaging/windows)
set_target_properties(skyvarre_uninstall PROPERTIES
    OUTPUT_NAME uninstall RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
target_link_options(skyvarre_uninstall PRIVATE -municode -static)
target_link_libraries(skyvarre_uninstall PRIVATE skyvarre_warnings)

# The uninstall entry's help, home and download links, read from the
# program's own link table and built with the same scheme and host, so that
# they never differ from the Help menu's.
file(READ src/web/LinkTable.cpp link_table)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS src/web/LinkTable.cpp)
foreach(page Home OnlineHelp Download)
    if(NOT link_table MATCHES "Link{Page::${page}, Site::Main, u\"([^\"]*)\"}")
        message(FATAL_ERROR "src/web/LinkTable.cpp has no main-site row for Page::${page}")
    endif()
    set(SKYVARRE_LINK_${page} "${SKYVARRE_WEB_SCHEME}://${SKYVARRE_MAIN_HOST}${CMAKE_MATCH_1}")
endforeach()

# What the installer says of the program (scripts/windows.sh builds it).
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/packaging/installer-settings.nsh
    "!define VERSION \"${PROJECT_VERSION}\"\n"
    "!define PUBLISHER \"${SKYVARRE_PUBLISHER}\"\n"
    "!define ICON \"${SKYVARRE_ICO}\"\n"
    "!define RUNNING_MUTEX \"${SKYVARRE_RUNNING_MUTEX}\"\n"
    "!define HELP_PAGE \"${SKYVARRE_LINK_OnlineHelp}\"\n"
    "!define HOME_PAGE \"${SKYVARRE_LINK_Home}\"\n"
    "!define DOWNLOAD_PAGE \"${SKYVARRE_LINK_Download}\"\n")
