# Makes OUTPUT, a Qt catalogue (.qm) holding only the contexts in CONTEXTS
# (a list separated by commas) of the catalogue INPUT: the texts of Qt's
# that Skyvarre can show, out of Qt's whole catalogue, which also translates
# file dialogs, printing, networking and databases.
#     cmake -DLCONVERT=<lconvert> -DINPUT=<qtbase_xx.qm> -DOUTPUT=<qtbase_xx.qm>
#           -DCONTEXTS=QLineEdit,QMessageBox,... -P QtCatalogueSubset.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "," ";" contexts "${CONTEXTS}")
set(whole_ts "${OUTPUT}.whole.ts")
set(subset_ts "${OUTPUT}.ts")
execute_process(COMMAND "${LCONVERT}" -i "${INPUT}" -o "${whole_ts}" COMMAND_ERROR_IS_FATAL ANY)
file(READ "${whole_ts}" ts)

# The XML is lconvert's own: a header, then one <context> block after another.
string(FIND "${ts}" "<context>" next)
string(SUBSTRING "${ts}" 0 ${next} subset)
set(kept "")
while(next GREATER -1)
    string(SUBSTRING "${ts}" ${next} -1 rest)
    string(FIND "${rest}" "</context>" end)
    math(EXPR end "${end} + 11")
    string(SUBSTRING "${rest}" 0 ${end} block)
    string(REGEX MATCH "<name>([^<]*)</name>" name "${block}")
    if(CMAKE_MATCH_1 IN_LIST contexts)
        string(APPEND subset "${block}\n")
        list(APPEND kept "${CMAKE_MATCH_1}")
    endif()
    string(SUBSTRING "${rest}" ${end} -1 rest)
    string(FIND "${rest}" "<context>" offset)
    if(offset EQUAL -1)
        set(next -1)
    else()
        string(LENGTH "${ts}" length)
        string(LENGTH "${rest}" rest_length)
        math(EXPR next "${length} - ${rest_length} + ${offset}")
    endif()
endwhile()
string(APPEND subset "</TS>\n")
if(NOT kept)
    message(FATAL_ERROR "${INPUT} holds none of the contexts ${CONTEXTS}")
endif()
file(WRITE "${subset_ts}" "${subset}")
execute_process(COMMAND "${LCONVERT}" -i "${subset_ts}" -o "${OUTPUT}" COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE "${whole_ts}" "${subset_ts}")
