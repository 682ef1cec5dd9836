# Any five typed texts give a refer-a-friend address that the browser receives
# unchanged and that parses back to exactly the six values.
skyvarre_add_fuzzer(web ${CMAKE_CURRENT_LIST_DIR}/web_fuzzer.cpp)
target_link_libraries(fuzz_web PRIVATE skyvarre_web)
set_target_properties(fuzz_web PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
