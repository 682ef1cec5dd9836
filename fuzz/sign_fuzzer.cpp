// Feeds arbitrary bytes to the lookup core as key codes, names, list positions and the year,
// month and day texts, and checks the promises the windows rely on.
#include "sign/Calendar.h"
#include "sign/InputChecks.h"
#include "sign/Interpretation.h"
#include "sign/SednaSign.h"
#include "sign/WholeNumber.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kMaxTextLength = 64;

// A broken promise must stop the run so that libFuzzer keeps the input.
void Require(bool promise)
{
    if (!promise)
        std::abort();
}

void CheckNameKey(char32_t code, skyvarre::CharacterKind kind, char32_t capital)
{
    const auto inserted = skyvarre::FilterNameKey(code, kind, capital);
    if (!inserted)
        return;
    const bool editingKey = code == skyvarre::kBackspaceKey || code == skyvarre::kEnterKey ||
                            code == skyvarre::kSpaceKey;
    // A letter goes in as its capital; a mark and an editing key as they are; nothing else.
    Require(kind != skyvarre::CharacterKind::Other || editingKey);
    Require(*inserted == (kind == skyvarre::CharacterKind::Letter ? capital : code));
}

void CheckWholeNumber(std::string_view text)
{
    if (const auto number = skyvarre::readWholeNumber(text)) {
        Require(*number >= 0 && !text.empty());
        Require(std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }));
    }
}

void CheckEntries(const std::string& name, int dayPosition, int monthPosition,
                  const std::string& year)
{
    const skyvarre::Verdict verdict =
        skyvarre::ValidateInput(name, dayPosition, monthPosition, year);
    Require(name.empty() == (verdict == skyvarre::Verdict::NameMissing));
    Require(skyvarre::messageForVerdict(verdict).empty() ==
            (verdict == skyvarre::Verdict::Accepted));
}

void CheckLookup(const std::string& year, const std::string& month, const std::string& day)
{
    const std::string before = skyvarre::SednaSign;
    skyvarre::DetermineSednaSign(year, month, day);
    const auto sign = skyvarre::signOnDate(year, month, day);
    Require(skyvarre::SednaSign == (sign ? skyvarre::signName(*sign) : std::string_view(before)));
    if (sign)
        Require(skyvarre::readWholeNumber(year).has_value());
    const auto text = skyvarre::InterpretationForSign(skyvarre::SednaSign);
    Require(text.has_value() ==
            (skyvarre::SednaSign == "Aries" || skyvarre::SednaSign == "Taurus"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto key = input.ConsumeIntegralInRange<char32_t>(0, 0x10FFFF);
    const auto kind = input.PickValueInArray({skyvarre::CharacterKind::Letter,
                                              skyvarre::CharacterKind::CombiningMark,
                                              skyvarre::CharacterKind::Other});
    const auto capital = input.ConsumeIntegralInRange<char32_t>(0, 0x10FFFF);
    const auto dayPosition = input.ConsumeIntegral<int>();
    const auto monthPosition = input.ConsumeIntegral<int>();
    const std::string name = input.ConsumeRandomLengthString(kMaxTextLength);
    const std::string year = input.ConsumeRandomLengthString(kMaxTextLength);
    const std::string month = input.ConsumeRandomLengthString(kMaxTextLength);
    const std::string day = input.ConsumeRemainingBytesAsString();

    CheckNameKey(key, kind, capital);
    CheckWholeNumber(year);
    CheckWholeNumber(day);
    CheckEntries(name, dayPosition, monthPosition, year);
    CheckLookup(year, month, day);
    Require(skyvarre::InterpretationForSign(name).has_value() ==
            (name == "Aries" || name == "Taurus"));
    return 0;
}
