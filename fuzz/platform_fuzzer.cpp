// Scrambles and unscrambles arbitrary texts and checks that nothing but the
// characters pushed outside the Latin-1 codes is ever lost or changed.
#include "platform/SettingsStore.h"

#include <QChar>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr char16_t kLastLatin1Code = 0xFF;

void Require(bool promise)
{
    if (!promise)
        std::abort();
}

// The shift, as seen from outside: what the code 0 becomes.
int Shift()
{
    return skyvarre::ScrambleSetting(QString(QChar(u'\0'))).at(0).unicode();
}

// text without the characters whose codes lie outside first..last.
QString Keep(const QString& text, int first, int last)
{
    QString kept;
    for (const QChar character : text)
        if (character.unicode() >= first && character.unicode() <= last)
            kept.append(character);
    return kept;
}

bool AllLatin1(const QString& text)
{
    for (const QChar character : text)
        if (character.unicode() > kLastLatin1Code)
            return false;
    return true;
}

void Check(const QString& text, int shift)
{
    const QString scrambled = skyvarre::ScrambleSetting(text);
    const QString unscrambled = skyvarre::UnscrambleSetting(text);
    Require(AllLatin1(scrambled) && AllLatin1(unscrambled));
    Require(skyvarre::UnscrambleSetting(scrambled) == Keep(text, 0, kLastLatin1Code - shift));
    Require(skyvarre::ScrambleSetting(unscrambled) == Keep(text, shift, kLastLatin1Code));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const int shift = Shift();
    Require(shift >= 1 && shift <= 127);

    // The bytes as Latin-1 text, the way settings files hold it.
    const char* characters = reinterpret_cast<const char*>(bytes);
    Check(QString::fromLatin1(characters, static_cast<qsizetype>(size)), shift);

    // The bytes as UTF-16 code units, for characters beyond Latin-1.
    QString wide;
    for (std::size_t index = 0; index + 1 < size; index += 2)
        wide.append(QChar(static_cast<char16_t>(bytes[index] | (bytes[index + 1] << 8))));
    Check(wide, shift);
    return 0;
}
