#pragma once

#include "sign/Translatable.h"

#include <optional>
#include <span>
#include <string_view>

namespace skyvarre {

/// The outcome of checking frmMain's entries before a lookup.
enum class Verdict
{
    Accepted,
    NameMissing,
    /// A February day past the month's end, or a list position or year text that names no date.
    BadDate,
    /// Day 31 in a month of 30 days.
    BadDay31
};

/// What frmMain's date lists offer: days 1 to kDayCount, and the years kFirstListYear
/// to kLastListYear.
inline constexpr int kDayCount = 31;
inline constexpr int kFirstListYear = 1900;
inline constexpr int kLastListYear = 2022;

/// The translation context of the messages of the checks: the first argument of their markers.
inline constexpr char kInputChecksContext[] = "skyvarre::InputChecks";

/// Shown when the name box refuses a typed character.
//: Message box text when a character other than a letter or a space arrives in the name box.
//: Letters of every script are taken; digits, punctuation and symbols are not.
inline constexpr std::string_view kOnlyLettersMessage =
    SKYVARRE_TRANSLATE_NOOP("skyvarre::InputChecks", "Please Enter only Letters");

/// Key codes that the name box lets through besides letters.
inline constexpr char16_t kBackspaceKey = 8;
inline constexpr char16_t kEnterKey = 13;
inline constexpr char16_t kSpaceKey = 32;

/// What Unicode says a character is, as far as the name box asks. The standard library holds no
/// Unicode character data: the windows look it up (Qt has the tables) and hand it in.
enum class CharacterKind
{
    /// A letter of any script (Unicode's general category L).
    Letter,
    /// A mark that combines with the character before it (category M), as composed input brings.
    CombiningMark,
    /// The zero-width non-joiner or joiner (U+200C, U+200D), which Persian compound names and
    /// Sinhala conjuncts need between two letters.
    Joiner,
    /// A space of any width (category Zs): the ideographic space of a full-width input method,
    /// the no-break space.
    Space,
    /// Anything else: digits, punctuation, symbols, other separators and control characters.
    Other,
};

/// The character the name box inserts for a typed character (a Unicode code point) of the given
/// kind, whose capital is capital (the character itself where its script has no case, or where
/// the window keeps it): a letter as its capital, a space of any width as the space (32), a
/// combining mark, a joiner, Backspace, Enter and space unchanged; nullopt for everything else
/// (the box then shows kOnlyLettersMessage).
[[nodiscard]] std::optional<char32_t> FilterNameKey(char32_t code, CharacterKind kind,
                                                    char32_t capital);

/// The most combining marks the name box takes in a row: Unicode's stream-safe text format
/// allows 30 characters that attach to the one before, and no script's names need more.
inline constexpr int kMostMarksInARow = 30;

/// How far the characters of a name box's text, given by their kinds in order, form a name.
enum class NameForm
{
    Whole,
    /// Ends in a joiner, which the next letter may complete.
    Unfinished,
    /// A mark or a joiner at the start or after a space, more than kMostMarksInARow marks in a
    /// row, a joiner followed by neither a letter nor a mark, or a character of kind Other.
    Broken,
};

/// Judges the order of a name's characters; FilterNameKey judges each one.
[[nodiscard]] NameForm JudgeNameForm(std::span<const CharacterKind> kinds);

/// Checks the name (UTF-8) and whether the day exists in the month of the year.
///
/// dayPosition 0..30 stands for days 1..31 and monthPosition 0..11 for January..December, as
/// frmMain's lists hold them. An empty name is refused first; a name of blanks passes.
/// Leap years follow the Gregorian rule, so 29 February 1900 is refused. A position outside its
/// list or a year text that is not a whole number cannot name a real date and gets the general
/// date verdict BadDate, whose message asks for a correct date or month.
[[nodiscard]] Verdict ValidateInput(std::string_view name, int dayPosition, int monthPosition,
                                    std::string_view yearText);

/// The message box text for a verdict; empty for Accepted.
[[nodiscard]] std::string_view messageForVerdict(Verdict verdict);

} // namespace skyvarre
