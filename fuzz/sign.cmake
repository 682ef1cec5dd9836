# Arbitrary bytes as key codes, names, list positions and date texts for the lookup core.
skyvarre_add_fuzzer(sign ${CMAKE_CURRENT_LIST_DIR}/sign_fuzzer.cpp)
target_link_libraries(fuzz_sign PRIVATE skyvarre_sign)
set_target_properties(fuzz_sign PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
