#include "RowName.h"
#include "UrlRecorder.h"
#include "web/TellAFriend.h"
#include "web/WebPage.h"

#include <QByteArray>
#include <QString>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace skyvarre {
namespace {

const QByteArray kMainSite = QByteArray(SKYVARRE_TEST_SCHEME "://") + SKYVARRE_TEST_MAIN_HOST;
const QByteArray kHelpSite = QByteArray(SKYVARRE_TEST_SCHEME "://") + SKYVARRE_TEST_HELP_HOST;

struct Link
{
    const char* name;
    void (*open)();
    QByteArray address;
};

void PrintTo(const Link& link, std::ostream* out)
{
    *out << link.name;
}

class LinkEntryPoint : public ::testing::TestWithParam<Link>
{
protected:
    test::UrlRecorder m_recorder;
};

TEST_P(LinkEntryPoint, opensExactlyItsAddress)
{
    GetParam().open();
    EXPECT_EQ(m_recorder.opened(), QByteArrayList{GetParam().address});
}

TEST_P(LinkEntryPoint, opensThePageAgainOnEveryCall)
{
    GetParam().open();
    GetParam().open();
    EXPECT_EQ(m_recorder.opened(), (QByteArrayList{GetParam().address, GetParam().address}));
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkEntryPoint,
    ::testing::Values(
        Link{"homePageIsTheBareMainSite", &OpenHomePage, kMainSite},
        Link{"catalogue", &OpenSoftwareCataloguePage, kMainSite + "/varnholtsoftwares"},
        Link{"onlineHelp", &OpenOnlineHelpPage, kMainSite + "/skyvarre/skyvarre-help.html"},
        Link{"download", &OpenDownloadPage, kMainSite + "/skyvarre/download-skyvarre.html"},
        Link{"donationOnTheHelpSite", &OpenDonationPage, kHelpSite + "/donate.html"},
        Link{"fullBrandOnTheHelpSite", &OpenFullBrandPage, kHelpSite + "/fully-branded.html"},
        Link{"coBrandOnTheHelpSite", &OpenCoBrandPage, kHelpSite + "/co-brand.html"}),
    test::rowName<Link>);

class TellAFriendEntryPoint : public ::testing::Test
{
protected:
    void TearDown() override { TellAFriendAddress.clear(); }
    test::UrlRecorder m_recorder;
};

TEST_F(TellAFriendEntryPoint, opensWhateverTheAddressHoldsAtTheMomentOfTheCall)
{
    TellAFriendAddress = QString::fromLatin1(kMainSite + "/vetq-refer-a-friend.php?taf1=A");
    OpenTellAFriendAddress();
    TellAFriendAddress = QString::fromLatin1(kMainSite + "/vetq-refer-a-friend.php?taf1=B%20C");
    OpenTellAFriendAddress();

    EXPECT_EQ(m_recorder.opened(),
              (QByteArrayList{kMainSite + "/vetq-refer-a-friend.php?taf1=A",
                              kMainSite + "/vetq-refer-a-friend.php?taf1=B%20C"}));
}

struct Malformed
{
    const char* name;
    const char* address;
};

void PrintTo(const Malformed& row, std::ostream* out)
{
    *out << row.name;
}

class MalformedAddress : public ::testing::TestWithParam<Malformed>
{
protected:
    test::UrlRecorder m_recorder;
};

// A malformed address is a programming error: debug builds stop at it, release
// builds open nothing rather than whatever the browser would make of it.
TEST_P(MalformedAddress, isRefusedInsteadOfReachingTheBrowser)
{
    EXPECT_DEBUG_DEATH(OpenWebPage(QString::fromUtf8(GetParam().address)),
                       ::testing::AllOf(::testing::HasSubstr("not a URL in its encoded form"),
                                        ::testing::Not(::testing::HasSubstr(GetParam().address))));
    EXPECT_TRUE(m_recorder.opened().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, MalformedAddress,
    ::testing::Values(Malformed{"space", "http://www.skyvarre.example/a b"},
                      Malformed{"lineBreak", "http://www.skyvarre.example/?taf1=Ann\r\nSmith"},
                      Malformed{"lonePercentSign", "http://www.skyvarre.example/?taf1=50%"},
                      // Both would reach the browser re-encoded, not as built.
                      Malformed{"nonAsciiLetter", "http://www.skyvarre.example/?taf1=Zo\xc3\xab"},
                      Malformed{"upperCaseScheme", "HTTP://www.skyvarre.example"}),
    test::rowName<Malformed>);

} // namespace
} // namespace skyvarre
