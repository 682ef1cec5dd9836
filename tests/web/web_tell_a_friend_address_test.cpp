#include "RowName.h"
#include "UrlRecorder.h"
#include "web/TellAFriend.h"
#include "web/WebPage.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <string>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

const QString kMainSite = QString::fromLatin1(SKYVARRE_TEST_SCHEME "://" SKYVARRE_TEST_MAIN_HOST);
const QString kScript = kMainSite + u"/vetq-refer-a-friend.php?"_s;
const QString kProductPage = kMainSite + u"/skyvarre/"_s;

using Parameters = QList<QPair<QString, QString>>;

// What the web script receives: the query split at "&" and "=" and decoded.
Parameters receivedParameters(const QString& address)
{
    return QUrlQuery(QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode))
        .queryItems(QUrl::FullyDecoded);
}

Parameters sentParameters(const TellAFriendFields& fields)
{
    return {{u"taf1"_s, fields.name},        {u"taf2"_s, fields.email},
            {u"taf3"_s, fields.message},     {u"taf4"_s, fields.friendName},
            {u"taf5"_s, fields.friendEmail}, {u"taf6"_s, kProductPage}};
}

TEST(TellAFriendAddress, carriesTheSixKeysInOrderWithTheUntouchedMessageAsTyped)
{
    const TellAFriendFields fields{u"Ann Smith"_s, u"ann@mail.example"_s, u"Your Message\r\n"_s,
                                   u"Bob"_s, u"bob.jones@mail.example"_s};

    EXPECT_EQ(buildTellAFriendAddress(fields),
              kScript +
                  u"taf1=Ann%20Smith&taf2=ann@mail.example&taf3=Your%20Message%0D%0A"
                  u"&taf4=Bob&taf5=bob.jones@mail.example&taf6="_s +
                  kProductPage);
}

// The raw taf1 value of an address.
QString encodedName(const QString& name)
{
    const QString address = buildTellAFriendAddress({name, u"e"_s, u"m"_s, u"f"_s, u"g"_s});
    const qsizetype start = address.indexOf(u"taf1="_s) + 5;
    return address.mid(start, address.indexOf(u"&taf2="_s) - start);
}

bool keptAsTyped(char16_t code)
{
    return (code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z') ||
           (code >= u'0' && code <= u'9') || QStringView(u"-._~@:/").contains(QChar(code));
}

TEST(TellAFriendAddress, keepsOnlyUnreservedCharactersAndAtColonSlashAsTyped)
{
    for (char16_t code = 0; code < 128; ++code) {
        const QString expected =
            keptAsTyped(code) ? QString(QChar(code))
                              : u'%' + QString::number(code, 16).toUpper().rightJustified(2, u'0');
        EXPECT_EQ(encodedName(QString(QChar(code))), expected) << "character code " << int(code);
    }
}

struct Encoding
{
    const char* name;
    const char16_t* typed;
    const char* encoded;
};

void PrintTo(const Encoding& row, std::ostream* out)
{
    *out << row.name;
}

class NonAsciiEncoding : public ::testing::TestWithParam<Encoding>
{
};

TEST_P(NonAsciiEncoding, isUtf8PercentEncoded)
{
    EXPECT_EQ(encodedName(QString::fromUtf16(GetParam().typed)),
              QString::fromLatin1(GetParam().encoded));
}

INSTANTIATE_TEST_SUITE_P(
    Letters, NonAsciiEncoding,
    ::testing::Values(Encoding{"latinSmallEWithDiaeresis", u"Zo\u00EB", "Zo%C3%AB"},
                      Encoding{"noBreakSpace", u"\u00A0", "%C2%A0"},
                      Encoding{"euroSign", u"\u20AC", "%E2%82%AC"},
                      Encoding{"emojiOutsideTheBasicPlane", u"\U0001F642", "%F0%9F%99%82"}),
    test::rowName<Encoding>);

struct Entry
{
    const char* name;
    TellAFriendFields fields;
};

void PrintTo(const Entry& row, std::ostream* out)
{
    *out << row.name;
}

class TypedValues : public ::testing::TestWithParam<Entry>
{
protected:
    test::UrlRecorder m_recorder;
};

TEST_P(TypedValues, reachTheScriptExactlyAsTyped)
{
    const QString address = buildTellAFriendAddress(GetParam().fields);

    EXPECT_TRUE(address.startsWith(kScript + u"taf1="_s));
    EXPECT_EQ(receivedParameters(address), sentParameters(GetParam().fields));
}

TEST_P(TypedValues, reachTheBrowserByteForByte)
{
    TellAFriendAddress = buildTellAFriendAddress(GetParam().fields);
    OpenTellAFriendAddress();

    EXPECT_EQ(m_recorder.opened(), QByteArrayList{TellAFriendAddress.toUtf8()});
    TellAFriendAddress.clear();
}

// 10,000 characters, most of them troublesome in a query.
const QString kLongText = u"a&=#% \u00E9\r\nb"_s.repeated(1000);

INSTANTIATE_TEST_SUITE_P(
    Entries, TypedValues,
    ::testing::Values(
        Entry{"typical",
              {u"Ann Smith"_s, u"ann@mail.example"_s, u"Have a look\r\n"_s, u"Bob"_s,
               u"bob@mail.example"_s}},
        Entry{"emptyValues", {}},
        Entry{"injectedParameter", {u"a&taf6=x"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s}},
        Entry{"hashCutsNothingOff", {u"#"_s, u"a#b"_s, u"#top"_s, u"x#"_s, u"##"_s}},
        Entry{"equalsAndPlus", {u"="_s, u"a=b"_s, u"1+1=2"_s, u"+"_s, u"a+b@c.d"_s}},
        Entry{"percentSigns", {u"%"_s, u"100%"_s, u"%41%20"_s, u"%zz"_s, u"%%"_s}},
        Entry{"lineBreaksAndTabs",
              {u"a\r\nb"_s, u"\n"_s, u"\r"_s, u"line one\r\nline two\r\n"_s, u"\t"_s}},
        Entry{"quotesAndMarkup",
              {u"\"Ann\""_s, u"'"_s, u"<script>alert(1)</script>"_s, u"a\\b"_s, u"`;|"_s}},
        Entry{"nonAsciiLetters",
              {u"Zo\u00EB \u00C6r\u00F8"_s, u"\u00FCnal@mail.example"_s,
               u"\u65E5\u672C\u8A9E \U0001F642"_s, u"\u0416\u0435\u043D\u044F"_s, u"\u00A0"_s}},
        Entry{"wholeAddresses",
              {u"http://other.example/?taf5=x#y"_s, u"mailto:a@b.c"_s, u"//x"_s, u"?"_s, u"&&"_s}},
        Entry{"tenThousandCharacterFields",
              {kLongText, kLongText, kLongText, kLongText, kLongText}}),
    test::rowName<Entry>);

} // namespace
} // namespace skyvarre
