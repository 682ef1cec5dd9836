# Warnings for our own targets only: link skyvarre_warnings PRIVATE.
add_library(skyvarre_warnings INTERFACE)
target_compile_options(skyvarre_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough
    $<$<BOOL:${SKYVARRE_WARNINGS_AS_ERRORS}>:-Werror>)
# GCC finds null dereferences only in optimised code, where it also finds
# them in Qt's own inlined containers (QArrayDataPointer), which are not ours
# to mend: the warning stays for the unoptimised developer builds.
target_compile_options(skyvarre_warnings INTERFACE
    $<$<CONFIG:Debug>:-Wnull-dereference>)
