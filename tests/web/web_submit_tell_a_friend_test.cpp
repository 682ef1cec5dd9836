#include "RowName.h"
#include "UrlRecorder.h"
#include "support/FakePrompts.h"
#include "web/TellAFriend.h"

#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

const TellAFriendFields kFilledIn{u"Ann Smith"_s, u"ann@mail.example"_s, u"Your Message\r\n"_s,
                                  u"Bob"_s, u"bob@mail.example"_s};
const QString kEarlierAddress = u"http://www.skyvarre.example/vetq-refer-a-friend.php?taf1=x"_s;

class Submission : public ::testing::Test
{
protected:
    void SetUp() override { TellAFriendAddress = kEarlierAddress; }
    void TearDown() override
    {
        TellAFriendEntry = {};
        TellAFriendAddress.clear();
    }

    test::FakePrompts m_prompts;
    test::UrlRecorder m_recorder;
};

struct Refusal
{
    const char* name;
    TellAFriendFields entry;
    const char16_t* message;
};

void PrintTo(const Refusal& row, std::ostream* out)
{
    *out << row.name;
}

TellAFriendFields with(QString TellAFriendFields::*field, const QString& value)
{
    TellAFriendFields entry = kFilledIn;
    entry.*field = value;
    return entry;
}

class RefusedSubmission : public Submission, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(RefusedSubmission, showsItsOneMessageAndChangesNothing)
{
    TellAFriendEntry = GetParam().entry;

    SubmitTellAFriend(m_prompts);

    ASSERT_EQ(m_prompts.messages.size(), 1);
    EXPECT_EQ(m_prompts.messages.front().text, QString::fromUtf16(GetParam().message));
    EXPECT_EQ(m_prompts.messages.front().icon, MessageIcon::Critical);
    EXPECT_TRUE(m_recorder.opened().isEmpty());
    EXPECT_EQ(TellAFriendAddress, kEarlierAddress);
    EXPECT_EQ(TellAFriendEntry.name, GetParam().entry.name);
    EXPECT_EQ(TellAFriendEntry.message, GetParam().entry.message);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RefusedSubmission,
    ::testing::Values(
        Refusal{"emptyName", with(&TellAFriendFields::name, {}), u"Please Enter Your Name"},
        Refusal{"namePlaceholder", with(&TellAFriendFields::name, u"Your Name"_s),
                u"Please Enter Your Name"},
        Refusal{"namePlaceholderWithSpacesAround",
                with(&TellAFriendFields::name, u"   Your Name  "_s), u"Please Enter Your Name"},
        Refusal{"nameOfSpacesOnly", with(&TellAFriendFields::name, u"    "_s),
                u"Please Enter Your Name"},
        Refusal{"emailPlaceholder", with(&TellAFriendFields::email, u"Your Email Address"_s),
                u"Please Enter Your Email"},
        Refusal{"emptyMessage", with(&TellAFriendFields::message, {}),
                u"Please Enter Your Message"},
        Refusal{"messagePlaceholderWithoutLineBreak",
                with(&TellAFriendFields::message, u"Your Message"_s), u"Please Enter Your Message"},
        Refusal{"friendNamePlaceholder", with(&TellAFriendFields::friendName, u"Friend's Name"_s),
                u"Please Enter Your Friend's Name"},
        Refusal{"friendEmailPlaceholder",
                with(&TellAFriendFields::friendEmail, u"Friend's Email Address"_s),
                u"Please Enter Your Friend's Email"},
        Refusal{"nameIsReportedBeforeTheFriendsName",
                {u"Your Name"_s, u"ann@mail.example"_s, u"Hi"_s, u"Friend's Name"_s,
                 u"bob@mail.example"_s},
                u"Please Enter Your Name"},
        Refusal{"messageIsReportedBeforeTheFriendsEmail",
                {u"Ann"_s, u"ann@mail.example"_s, u""_s, u"Bob"_s, u""_s},
                u"Please Enter Your Message"}),
    test::rowName<Refusal>);

struct Acceptance
{
    const char* name;
    TellAFriendFields entry;
};

void PrintTo(const Acceptance& row, std::ostream* out)
{
    *out << row.name;
}

class AcceptedSubmission : public Submission, public ::testing::WithParamInterface<Acceptance>
{
};

TEST_P(AcceptedSubmission, storesTheAddressAndHandsItToTheBrowserOnce)
{
    TellAFriendEntry = GetParam().entry;

    SubmitTellAFriend(m_prompts);

    EXPECT_TRUE(m_prompts.messages.isEmpty());
    EXPECT_EQ(TellAFriendAddress, buildTellAFriendAddress(GetParam().entry));
    EXPECT_EQ(m_recorder.opened(), QByteArrayList{TellAFriendAddress.toUtf8()});
}

INSTANTIATE_TEST_SUITE_P(
    Checks, AcceptedSubmission,
    ::testing::Values(
        Acceptance{"untouchedMessageWithItsLineBreak", kFilledIn},
        Acceptance{"placeholderInAnotherCase", with(&TellAFriendFields::name, u"your name"_s)},
        Acceptance{"placeholderAfterATab", with(&TellAFriendFields::name, u"\tYour Name"_s)},
        Acceptance{"placeholderWithMoreText",
                   with(&TellAFriendFields::friendName, u"Friend's Name Jones"_s)}),
    test::rowName<Acceptance>);

TEST_F(Submission, everyPressOpensTheAddressAgain)
{
    TellAFriendEntry = kFilledIn;

    SubmitTellAFriend(m_prompts);
    SubmitTellAFriend(m_prompts);

    EXPECT_EQ(m_recorder.opened(),
              (QByteArrayList{TellAFriendAddress.toUtf8(), TellAFriendAddress.toUtf8()}));
}

TEST_F(Submission, refusesEveryPlaceholderTheFormShows)
{
    const TellAFriendFields placeholders = tellAFriendPlaceholders();
    for (auto field :
         {&TellAFriendFields::name, &TellAFriendFields::email, &TellAFriendFields::message,
          &TellAFriendFields::friendName, &TellAFriendFields::friendEmail}) {
        TellAFriendEntry = with(field, placeholders.*field);
        m_prompts.messages.clear();
        SubmitTellAFriend(m_prompts);
        EXPECT_EQ(m_prompts.messages.size(), 1)
            << "placeholder " << (placeholders.*field).toStdString();
    }
    EXPECT_TRUE(m_recorder.opened().isEmpty());
}

struct Trimming
{
    const char* name;
    const char16_t* text;
    const char16_t* trimmed;
};

void PrintTo(const Trimming& row, std::ostream* out)
{
    *out << row.name;
}

class TrimSpaces : public ::testing::TestWithParam<Trimming>
{
};

TEST_P(TrimSpaces, removesOnlyLeadingAndTrailingSpaces)
{
    EXPECT_EQ(trimSpaces(QString::fromUtf16(GetParam().text)),
              QString::fromUtf16(GetParam().trimmed));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TrimSpaces,
    ::testing::Values(Trimming{"spacesAround", u"  Ann  ", u"Ann"},
                      Trimming{"innerSpacesStay", u" Ann  Smith ", u"Ann  Smith"},
                      Trimming{"onlySpaces", u"     ", u""}, Trimming{"empty", u"", u""},
                      Trimming{"tabsStay", u"\tAnn\t", u"\tAnn\t"},
                      Trimming{"lineBreaksStay", u" Hi\r\n ", u"Hi\r\n"},
                      Trimming{"noBreakSpacesStay", u"\u00A0Ann\u00A0", u"\u00A0Ann\u00A0"}),
    test::rowName<Trimming>);

} // namespace
} // namespace skyvarre
