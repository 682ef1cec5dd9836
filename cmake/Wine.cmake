# Test programs of a Windows build run under Wine on this machine: CTest
# starts each through a wrapper that gives it the build's Wine prefix and
# finds Qt's and the compiler's DLLs for it.
set(SKYVARRE_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
include(${CMAKE_CURRENT_LIST_DIR}/windows/Runtime.cmake)
set(runtime_folders "")
foreach(runtime ${SKYVARRE_MINGW_RUNTIME})
    get_filename_component(folder ${runtime} DIRECTORY)
    list(APPEND runtime_folders ${folder})
endforeach()
list(REMOVE_DUPLICATES runtime_folders)
# Wine sees the Linux file system as drive Z:.
set(dll_folders "")
foreach(folder ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${runtime_folders})
    string(REPLACE "/" "\\" folder "Z:${folder}")
    list(APPEND dll_folders "${folder}")
endforeach()
list(JOIN dll_folders ";" SKYVARRE_WINE_DLL_FOLDERS)
string(REPLACE "/" "\\" SKYVARRE_WINE_QT_PLUGINS "Z:${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
# The offscreen platform reads its fonts from one folder: the faces the Linux
# build's window tests see, DejaVu and the test packages' faces for Chinese,
# Japanese, Korean and Hindi, as links in a folder of the build's own.
set(font_folder ${CMAKE_BINARY_DIR}/wine-fonts)
file(REMOVE_RECURSE ${font_folder})
file(MAKE_DIRECTORY ${font_folder})
file(GLOB faces /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc
    /usr/share/fonts/truetype/noto/NotoSansDevanagariUI-*.ttf)
foreach(face ${faces})
    get_filename_component(name ${face} NAME)
    file(CREATE_LINK ${face} ${font_folder}/${name} SYMBOLIC)
endforeach()
string(REPLACE "/" "\\" SKYVARRE_WINE_FONT_FOLDER "Z:${font_folder}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
