# Run by cpack before it builds a package (CPACK_PROJECT_CONFIG_FILE): the
# time that every file in the package, and the package's own parts, record.
# CPack takes it from SOURCE_DATE_EPOCH and otherwise from the clock, so that
# each run would give other bytes. Where the builder has not set it, it is the
# last commit's time, read now rather than when the build was configured, so
# that a checkout moved to another commit since still gets that commit's.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(last_commit_time "")
    if(CPACK_SKYVARRE_GIT)
        execute_process(
            COMMAND "${CPACK_SKYVARRE_GIT}" -C "${CPACK_SKYVARRE_SOURCE_DIR}" log -1 --format=%ct
            RESULT_VARIABLE result
            OUTPUT_VARIABLE last_commit_time
            OUTPUT_STRIP_TRAILING_WHITESPACE
            ERROR_QUIET)
    endif()
    if(last_commit_time MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} "${last_commit_time}")
    else()
        message(WARNING "Neither SOURCE_DATE_EPOCH nor a git history of "
                        "${CPACK_SKYVARRE_SOURCE_DIR}: the package's file times come from the "
                        "clock, and every build of it gives other bytes.")
    endif()
endif()
