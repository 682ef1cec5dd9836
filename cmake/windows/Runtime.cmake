# The MinGW runtime DLLs a Windows build of the program needs beside it,
# found where the compiler itself links them from: SKYVARRE_MINGW_RUNTIME.
include_guard(GLOBAL)
set(SKYVARRE_MINGW_RUNTIME "")
foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
        OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
        message(FATAL_ERROR "The compiler does not know where ${runtime} is")
    endif()
    list(APPEND SKYVARRE_MINGW_RUNTIME ${runtime_path})
endforeach()
