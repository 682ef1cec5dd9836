# Configures the project with capitals in both host names and checks that the
# addresses are built from their lower-case forms.
# Usage: cmake -DSOURCE_DIR=<project> -DWORK_DIR=<scratch folder> -DGENERATOR=<generator>
#              -P host_case_test.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}" -B "${WORK_DIR}" -G "${GENERATOR}"
            -DSKYVARRE_BUILD_TESTS=OFF -DSKYVARRE_BUILD_BENCHMARKS=OFF
            -DSKYVARRE_MAIN_HOST=WWW.Skyvarre.example
            -DSKYVARRE_HELP_HOST=Help.SKYVARRE.Example:8080
    RESULT_VARIABLE result
    OUTPUT_QUIET
    ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "configuring with capitals in the hosts failed:\n${errors}")
endif()

file(READ "${WORK_DIR}/src/web/generated/web/SiteHosts.h" header)
file(REMOVE_RECURSE "${WORK_DIR}")
foreach(expected "u\"www.skyvarre.example\"" "u\"help.skyvarre.example:8080\"")
    string(FIND "${header}" "${expected}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the generated hosts lack ${expected}:\n${header}")
    endif()
endforeach()
