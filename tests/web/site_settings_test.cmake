# Configures the project with the site settings a maker may give and checks
# what the build makes of them: hosts written with capitals give addresses of
# their lower-case forms; the scheme is https unless http is chosen, which
# configures with a warning; any other scheme is refused.
# Usage: cmake -DSOURCE_DIR=<project> -DWORK_DIR=<scratch folder> -DGENERATOR=<generator>
#              -P site_settings_test.cmake

# check(<description> [SETTINGS <-Dname=value>...] [REFUSED]
#       [GENERATES <text>...] [SAYS <text>...] [SILENT_ON <text>...])
# Configures with the settings; the configure must fail if REFUSED is given,
# else succeed with each GENERATES text in the generated settings header.
# Each SAYS text must be in CMake's messages, no SILENT_ON text.
function(check description)
    cmake_parse_arguments(PARSE_ARGV 1 row "REFUSED" "" "SETTINGS;GENERATES;SAYS;SILENT_ON")
    file(REMOVE_RECURSE "${WORK_DIR}")
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK_DIR}" -G "${GENERATOR}"
                -DSKYVARRE_BUILD_TESTS=OFF -DSKYVARRE_BUILD_BENCHMARKS=OFF ${row_SETTINGS}
        RESULT_VARIABLE result
        OUTPUT_QUIET
        ERROR_VARIABLE messages)
    set(header "")
    set(generated "${WORK_DIR}/src/web/generated/web/SiteSettings.h")
    if(EXISTS "${generated}")
        file(READ "${generated}" header)
    endif()
    file(REMOVE_RECURSE "${WORK_DIR}")

    if(row_REFUSED AND result EQUAL 0)
        message(FATAL_ERROR "${description}: the configure succeeded")
    elseif(NOT row_REFUSED AND NOT result EQUAL 0)
        message(FATAL_ERROR "${description}: the configure failed:\n${messages}")
    endif()
    foreach(expected IN LISTS row_GENERATES)
        string(FIND "${header}" "${expected}" found)
        if(found EQUAL -1)
            message(FATAL_ERROR "${description}: the generated settings lack ${expected}:\n${header}")
        endif()
    endforeach()
    foreach(expected IN LISTS row_SAYS)
        string(FIND "${messages}" "${expected}" found)
        if(found EQUAL -1)
            message(FATAL_ERROR "${description}: CMake did not say '${expected}':\n${messages}")
        endif()
    endforeach()
    foreach(unexpected IN LISTS row_SILENT_ON)
        string(FIND "${messages}" "${unexpected}" found)
        if(NOT found EQUAL -1)
            message(FATAL_ERROR "${description}: CMake said '${unexpected}':\n${messages}")
        endif()
    endforeach()
    message(STATUS "ok: ${description}")
endfunction()

check("hosts with capitals are lower-cased, and the scheme is https unless chosen"
    SETTINGS -DSKYVARRE_MAIN_HOST=WWW.Skyvarre.example -DSKYVARRE_HELP_HOST=Help.SKYVARRE.Example:8080
    GENERATES "u\"https\"" "u\"www.skyvarre.example\"" "u\"help.skyvarre.example:8080\""
    SILENT_ON "unencrypted")
check("http can still be chosen, with a warning that typed data then travels unencrypted"
    SETTINGS -DSKYVARRE_WEB_SCHEME=http
    GENERATES "u\"http\""
    SAYS "travel unencrypted")
check("a scheme other than https or http is refused"
    SETTINGS -DSKYVARRE_WEB_SCHEME=ftp
    REFUSED
    SAYS "SKYVARRE_WEB_SCHEME must be https or http")
