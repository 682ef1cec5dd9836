# Our libraries from the bottom up. Each may use only those below it: sign
# knows the standard library alone, platform and web Qt Core and Gui, and only
# ui and app link Widgets.
set(SKYVARRE_LAYERS skyvarre_sign skyvarre_platform skyvarre_web skyvarre_ui skyvarre_app)

# Builds library's objects, every one of them, into a shared library that may
# leave no symbol undefined, linked with nothing but what library itself links.
# A call into a layer that the library does not link, a higher one above all,
# then fails the build with "undefined reference". The executable cannot tell:
# it links every layer.
function(skyvarre_add_layer_check name library)
    add_library(${name} SHARED ${PROJECT_SOURCE_DIR}/cmake/layer_check.cpp ${ARGN})
    target_link_libraries(${name} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>")
    # Linkers on macOS and Windows refuse undefined symbols in a shared library
    # by default; GNU ld and lld need to be asked.
    if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
        target_link_options(${name} PRIVATE LINKER:--no-undefined)
    endif()
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()

# Fails the configuration where a layer declares a link to one of ours that is
# not below it, and adds each layer's link check to the build.
function(skyvarre_check_layers)
    set(below "")
    foreach(layer IN LISTS SKYVARRE_LAYERS)
        get_target_property(links ${layer} LINK_LIBRARIES)
        foreach(link IN LISTS links)
            if(link MATCHES "^skyvarre_" AND NOT link STREQUAL "skyvarre_warnings"
               AND NOT link IN_LIST below)
                message(FATAL_ERROR "${layer} links ${link}, which is not below it")
            endif()
            if(layer STREQUAL "skyvarre_sign" AND link MATCHES "^Qt")
                message(FATAL_ERROR "skyvarre_sign links ${link}; it may use the standard library only")
            endif()
        endforeach()
        skyvarre_add_layer_check(${layer}_layer_check ${layer})
        list(APPEND below ${layer})
    endforeach()
endfunction()
