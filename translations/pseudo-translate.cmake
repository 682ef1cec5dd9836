# Writes a pseudo-translation of a .ts file: every text in accented letters,
# in brackets, and at least 40 % longer than the English as drawn, padded
# with Han characters, so that a window shows at once where a longer
# translation has no room, where a text is cut off (a bracket is missing) and
# which texts never go through the translation (they stay plain English).
#
#     cmake -DSOURCE=<any .ts file> -DOUTPUT=<pseudo .ts file> [-DDIRECTION=RTL]
#           -P pseudo-translate.cmake
#
# With DIRECTION=RTL the letters are Hebrew ones and the windows are laid out
# right to left, as in Arabic, Hebrew or Persian, so that a window shows at
# once a control that keeps its left-to-right place or a text that keeps its
# left-to-right side.
#
# A CMake script rather than a tool of its own: it runs wherever the build
# runs, a cross-build for Windows included, with nothing besides CMake.
#
# It works on the texts as the .ts file spells them, entities and all: an
# entity (&amp;, &apos;, <byte value="xd"/>) is one character and is kept as
# it is, and so is what must keep working in every language: the letter after
# an & (the Alt key shortcut, so that the pseudo-translated windows answer the
# same keys), the placeholders (%1, %L1, %n) and the line breaks.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED SOURCE OR NOT DEFINED OUTPUT)
    message(FATAL_ERROR "usage: cmake -DSOURCE=<.ts> -DOUTPUT=<.ts> -P ${CMAKE_SCRIPT_MODE_FILE}")
endif()

# Latin letters that look like the English ones, so that the windows stay
# readable, and that DejaVu Sans, the face the windows fall back to, has.
set(accented
    a å b ƀ c ç d ð e é f ƒ g ĝ h ĥ i ï j ĵ k ķ l ļ m ɱ n ñ o ö p þ q ǫ r ŕ s š t ţ
    u ü v ṽ w ŵ x ẋ y ÿ z ž
    A Å B Ɓ C Ç D Ð E É F Ƒ G Ĝ H Ĥ I Ï J Ĵ K Ķ L Ļ M Ṁ N Ñ O Ö P Þ Q Ǫ R Ŕ S Š T Ţ
    U Ü V Ṽ W Ŵ X Ẋ Y Ÿ Z Ž)
# Hebrew letters for the right-to-left variant, which DejaVu Sans has too.
set(hebrew א ב ג ד ה ו ז ח ט י כ ל מ נ ס ע פ צ ק ר ש ת ך ם ן ף)
if(NOT DEFINED DIRECTION)
    set(DIRECTION LTR)
endif()
while(accented)
    list(POP_FRONT accented letter replacement)
    if(DIRECTION STREQUAL "RTL")
        string(TOLOWER "${letter}" lower)
        string(FIND "abcdefghijklmnopqrstuvwxyz" "${lower}" position)
        list(GET hebrew ${position} replacement)
    endif()
    set("accent_${letter}" "${replacement}")
endwhile()

# The padding: Han numerals, as wide as a Chinese text's characters and drawn
# from a fallback face, so that a window shows whether Qt's fallback gives
# them glyphs. Counting up shows how much of a padding a cut took.
set(padding 一 二 三 四 五 六 七 八 九 十)
list(LENGTH padding padding_length)

# The pseudo-translation of one text, as the .ts file spells it.
function(pseudo_translate text out_variable)
    string(LENGTH "${text}" length)
    set(result "")
    set(characters 0)
    set(index 0)
    set(after_ampersand FALSE)
    while(index LESS length)
        string(SUBSTRING "${text}" ${index} -1 rest)
        # An entity or a control character, as lupdate writes them.
        if(rest MATCHES "^(&[#A-Za-z0-9]+;|<byte value=\"x[0-9a-fA-F]+\"/>)")
            set(token "${CMAKE_MATCH_1}")
            # &amp;&amp; is an ampersand of its own, not a shortcut.
            if(token STREQUAL "&amp;" AND NOT after_ampersand)
                set(after_ampersand TRUE)
            else()
                set(after_ampersand FALSE)
            endif()
            string(APPEND result "${token}")
        elseif(rest MATCHES "^(%L?[0-9]+|%L?n)")
            set(token "${CMAKE_MATCH_1}")
            set(after_ampersand FALSE)
            string(APPEND result "${token}")
        else()
            string(SUBSTRING "${rest}" 0 1 token)
            if(NOT after_ampersand AND token MATCHES "^[A-Za-z]$")
                string(APPEND result "${accent_${token}}")
            else()
                string(APPEND result "${token}")
            endif()
            set(after_ampersand FALSE)
        endif()
        string(LENGTH "${token}" token_length)
        math(EXPR index "${index} + ${token_length}")
        math(EXPR characters "${characters} + 1")
    endwhile()

    # Two-fifths more, as drawn: the brackets count as one letter together and
    # a Han character as one and a half, which is how wide the windows' faces
    # draw them (11 pixels against 6 to 8 at 8 points): measured so, every
    # text comes out at least 45 % wider than the English. The shortest get
    # one Han character all the same.
    math(EXPR added "(((${characters} * 4 + 9) / 10 - 1) * 2 + 2) / 3")
    if(added LESS 1)
        set(added 1)
    endif()
    # The right-to-left variant shows what does not mirror; the room for a
    # longer text is the other's to show.
    if(DIRECTION STREQUAL "RTL")
        set(added 0)
    endif()
    set(pad "")
    set(position 0)
    while(position LESS added)
        math(EXPR which "${position} % ${padding_length}")
        list(GET padding ${which} character)
        string(APPEND pad "${character}")
        math(EXPR position "${position} + 1")
    endwhile()
    set(${out_variable} "[${result}${pad}]" PARENT_SCOPE)
endfunction()

file(READ "${SOURCE}" ts)
# The language the catalogue is made for: none that ships.
string(REGEX REPLACE "<TS version=\"([^\"]*)\" language=\"[^\"]*\""
    "<TS version=\"\\1\" language=\"en\"" ts "${ts}")

# Every message keeps its source and its disambiguating comment, by which
# QTranslator finds it; its translation becomes the pseudo-translation.
set(output "")
while(TRUE)
    string(FIND "${ts}" "<message" start)
    if(start EQUAL -1)
        break()
    endif()
    string(SUBSTRING "${ts}" 0 ${start} before)
    string(APPEND output "${before}")
    string(SUBSTRING "${ts}" ${start} -1 ts)
    string(FIND "${ts}" "</message>" end)
    if(end EQUAL -1)
        message(FATAL_ERROR "${SOURCE}: a <message> without its end")
    endif()
    math(EXPR end "${end} + 10")
    string(SUBSTRING "${ts}" 0 ${end} message)
    string(SUBSTRING "${ts}" ${end} -1 ts)

    if(NOT message MATCHES "<source>([^<]*(<byte value=\"x[0-9a-fA-F]+\"/>[^<]*)*)</source>")
        message(FATAL_ERROR "${SOURCE}: a message without a source text:\n${message}")
    endif()
    # Qt's own text that names the writing direction, which the windows take.
    if(CMAKE_MATCH_1 STREQUAL "QT_LAYOUT_DIRECTION")
        set(translated "${DIRECTION}")
    else()
        pseudo_translate("${CMAKE_MATCH_1}" translated)
    endif()
    if(message MATCHES "numerus=\"yes\"")
        # English has two forms: one and many.
        set(translated "<numerusform>${translated}</numerusform><numerusform>${translated}</numerusform>")
    endif()
    string(REGEX REPLACE "<translation[^>]*>.*</translation>|<translation[^>]*/>"
        "<translation>${translated}</translation>" message "${message}")
    string(APPEND output "${message}")
endwhile()
string(APPEND output "${ts}")

file(WRITE "${OUTPUT}" "${output}")
