# The same bytes from every build of one commit, wherever and whenever it is
# built: no folder of the build machine in the binaries (file names that
# assertions and messages carry are relative to the source or build folder),
# no link time in the header of a Windows executable, and no file times in
# Qt's resources (src/ui). Time stamps that tools would take from the clock
# come from SOURCE_DATE_EPOCH: the last commit's time unless the builder sets
# it, taken by cpack (cmake/PackageTimes.cmake) and scripts/windows.sh.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(
        -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
        -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
endif()
if(MINGW)
    add_link_options(-Wl,--no-insert-timestamp)
endif()
