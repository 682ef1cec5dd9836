# Warnings for our own targets only: link skyvarre_warnings PRIVATE.
add_library(skyvarre_warnings INTERFACE)
target_compile_options(skyvarre_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough
    $<$<BOOL:${SKYVARRE_WARNINGS_AS_ERRORS}>:-Werror>)
