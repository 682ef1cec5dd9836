#pragma once

#include "sign/Translatable.h"

#include <optional>
#include <string_view>

namespace skyvarre {

/// The translation context of the interpretation texts: the first argument of their markers.
inline constexpr char kInterpretationContext[] = "skyvarre::Interpretation";

/// What Sedna in Aries means for the reader; also frmDisplay's caption before any lookup.
//: What Sedna in Aries means for the reader, below the sign on the result window.
//: Six lines of 465 pixels hold 8-point text there; this text takes five, so a translation
//: may be about a fifth longer than the English, no more.
inline constexpr std::string_view kAriesInterpretation = SKYVARRE_TRANSLATE_NOOP(
    "skyvarre::Interpretation",
    "You will learn to overcome your fears. You will prosper in fields of teaching, education and "
    "communication. This will give rise to a significant happening in your life. You will learn "
    "to pursue your interests in life and attain satisfaction by achieving happiness in something "
    "that you have always wanted to do but never got around to doing it.");

/// What Sedna in Taurus means for the reader.
//: What Sedna in Taurus means for the reader, below the sign on the result window.
//: Six lines of 465 pixels hold 8-point text there; this text takes four, so a translation
//: may be about half as long again as the English, no more.
inline constexpr std::string_view kTaurusInterpretation = SKYVARRE_TRANSLATE_NOOP(
    "skyvarre::Interpretation",
    "This is a time for new births and new beginnings. You may be able to get over the shame of "
    "abuse in childhood if you have gone through it. You may also feel unhappy about some "
    "unresolved happenings. There may be droughts, floods and mass destruction on a large scale.");

/// The interpretation text for a sign name (exact, case-sensitive match), or nullopt for a
/// sign without one: "Gemini", the empty text and any other spelling.
[[nodiscard]] std::optional<std::string_view> InterpretationForSign(std::string_view sign);

} // namespace skyvarre
