# Scrambling and unscrambling any text: only out-of-range codes are lost.
skyvarre_add_fuzzer(platform ${CMAKE_CURRENT_LIST_DIR}/platform_fuzzer.cpp)
target_link_libraries(fuzz_platform PRIVATE skyvarre_platform)
set_target_properties(fuzz_platform PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
