#include "platform/SettingsStore.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace skyvarre {

using namespace Qt::StringLiterals;
using namespace std::string_literals;

namespace {

// The shift, as seen from outside: what the code 0 becomes.
int scrambleShift()
{
    return ScrambleSetting(QString(QChar(u'\0'))).at(0).unicode();
}

QString allAsciiCharacters()
{
    QString text;
    for (char16_t code = 0; code < 128; ++code) {
        text.append(QChar(code));
    }
    return text;
}

TEST(ScrambleSetting, shiftsEveryAsciiCodeByOneConstantFromOneTo127)
{
    const int shift = scrambleShift();
    EXPECT_GE(shift, 1);
    EXPECT_LE(shift, 127);
    for (char16_t code = 0; code < 128; ++code) {
        const QString scrambled = ScrambleSetting(QString(QChar(code)));
        ASSERT_EQ(scrambled.size(), 1) << "code " << int(code) << " was dropped";
        EXPECT_EQ(scrambled.at(0).unicode(), code + shift) << "code " << int(code);
    }
}

TEST(ScrambleSetting, givesEveryAsciiTextBack)
{
    for (const QString& text :
         {allAsciiCharacters(), u"Duration"_s, u"2024-04-03"_s, u"4/3/2024"_s, u" "_s}) {
        EXPECT_EQ(UnscrambleSetting(ScrambleSetting(text)), text);
    }
}

TEST(ScrambleSetting, keepsTheEmptyTextEmpty)
{
    EXPECT_EQ(ScrambleSetting({}), QString());
    EXPECT_EQ(UnscrambleSetting({}), QString());
}

struct Dropping
{
    const char* name;
    QString (*convert)(const QString&);
    std::u16string input;
    std::u16string output;
};

void PrintTo(const Dropping& row, std::ostream* out)
{
    *out << row.name;
}

class OutOfRange : public ::testing::TestWithParam<Dropping>
{
};

TEST_P(OutOfRange, dropsOnlyThatCharacter)
{
    const Dropping& row = GetParam();
    const QString converted = row.convert(QString::fromStdU16String(row.input));
    const QString expected = QString::fromStdU16String(row.output);
    // Compared after undoing the conversion so that the rows need not know the shift.
    if (row.convert == &ScrambleSetting) {
        EXPECT_EQ(UnscrambleSetting(converted), expected);
    } else {
        EXPECT_EQ(ScrambleSetting(converted), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Characters, OutOfRange,
    ::testing::Values(
        Dropping{"scramblingPastLatin1", &ScrambleSetting, u"a\u00FFb", u"ab"},
        Dropping{"scramblingWithNoLatin1Code", &ScrambleSetting, u"a\u20ACb\u00E9", u"ab\u00E9"},
        Dropping{"unscramblingBelowZero", &UnscrambleSetting, u"\0x\0y"s, u"xy"},
        Dropping{"unscramblingWithNoLatin1Code", &UnscrambleSetting, u"x\u0100y", u"xy"}),
    [](const ::testing::TestParamInfo<Dropping>& row) { return std::string(row.param.name); });

TEST(ScrambleSetting, dropsExactlyTheLatin1CodesPushedPast255AndGivesBackTheRest)
{
    const int shift = scrambleShift();
    for (char16_t code = 0; code < 256; ++code) {
        const QString text(QChar{code});
        const QString scrambled = ScrambleSetting(text);
        EXPECT_EQ(scrambled.isEmpty(), code + shift > 255) << "code " << int(code);
        if (!scrambled.isEmpty()) {
            EXPECT_EQ(UnscrambleSetting(scrambled), text) << "code " << int(code);
        }
    }
}

} // namespace
} // namespace skyvarre
