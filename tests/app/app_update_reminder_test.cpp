#include "UrlRecorder.h"
#include "app/UpdateReminder.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "support/FakePrompts.h"
#include "web/LinkTable.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2024, 4, 20);
const QString kTodayStored = u"2024-04-20"_s;
const QString kQuestion = u"There maybe an update to this software available\r"
                          u"Do you want to check for an update?"_s;

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDate today = kToday) : m_today(today) {}
    QDate today() const override { return m_today; }

private:
    QDate m_today;
};

QString iso(int daysFromToday)
{
    return kToday.addDays(daysFromToday).toString(u"yyyy-MM-dd"_s);
}

enum class Asked
{
    No,
    Yes
};
enum class Opened
{
    Nothing,
    DownloadPage
};

struct Start
{
    const char* name;
    std::optional<QString> recorded; // nothing recorded at all when empty
    const char* locale;
    Answer answer;
    Asked asked;
    QString recordedAfterwards;
    Opened opened;
};

void PrintTo(const Start& row, std::ostream* out)
{
    *out << row.name;
}

class UpdateReminderAtStart : public ::testing::TestWithParam<Start>
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale))); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    QString iniPath() const { return m_folder.filePath(u"skyvarre.ini"_s); }

    QTemporaryDir m_folder;
    test::FakePrompts m_prompts;
    test::UrlRecorder m_browser;
    FixedClock m_clock;
};

TEST_P(UpdateReminderAtStart, asksRecordsAndOpensAsTheRecordedDateSays)
{
    const Start& start = GetParam();
    if (start.recorded)
        SettingsStore(iniPath()).setReminderDate(*start.recorded);
    m_prompts.answer = start.answer;

    {
        SettingsStore settings(iniPath());
        UpdateReminder(settings, m_clock, m_prompts);
    }

    EXPECT_EQ(m_prompts.questions,
              start.asked == Asked::Yes ? QList<QString>{kQuestion} : QList<QString>{});
    EXPECT_TRUE(m_prompts.messages.isEmpty());
    EXPECT_EQ(SettingsStore(iniPath()).reminderDate(), start.recordedAfterwards);
    EXPECT_EQ(m_browser.opened(), start.opened == Opened::DownloadPage
                                      ? QByteArrayList{pageAddress(Page::Download).toUtf8()}
                                      : QByteArrayList{});
}

// Written the way an earlier version wrote the date: the locale's short format,
// with the four-digit year Windows uses or the two-digit year of Qt's data.
QString shortDate(const char* locale, int daysFromToday, const char16_t* format)
{
    return QLocale(QString::fromLatin1(locale))
        .toString(kToday.addDays(daysFromToday), QString::fromUtf16(format));
}

INSTANTIATE_TEST_SUITE_P(
    Starts, UpdateReminderAtStart,
    ::testing::Values(
        Start{"firstStartRecordsTodaySilently", std::nullopt, "en_US", Answer::Yes, Asked::No,
              kTodayStored, Opened::Nothing},
        Start{"emptyValueCountsAsFirstStart", u""_s, "en_US", Answer::Yes, Asked::No, kTodayStored,
              Opened::Nothing},
        Start{"sameDayStaysQuiet", iso(0), "en_US", Answer::Yes, Asked::No, iso(0),
              Opened::Nothing},
        Start{"fourteenDaysAgoStaysQuietAndWritesNothing", iso(-14), "en_US", Answer::Yes,
              Asked::No, iso(-14), Opened::Nothing},
        Start{"fourteenDaysAheadStaysQuietAndWritesNothing", iso(14), "en_US", Answer::Yes,
              Asked::No, iso(14), Opened::Nothing},
        Start{"fifteenDaysAgoAnsweredYesOpensTheDownloadPage", iso(-15), "en_US", Answer::Yes,
              Asked::Yes, kTodayStored, Opened::DownloadPage},
        Start{"fifteenDaysAgoAnsweredNoOpensNothing", iso(-15), "en_US", Answer::No, Asked::Yes,
              kTodayStored, Opened::Nothing},
        Start{"aQuestionTheProgramsEndTookAwayRecordsNothing", iso(-15), "en_US",
              Answer::Unanswered, Asked::Yes, iso(-15), Opened::Nothing},
        Start{"fifteenDaysAheadAfterTheClockWasSetBack", iso(15), "en_US", Answer::No, Asked::Yes,
              kTodayStored, Opened::Nothing},
        Start{"farFutureDate", u"9999-12-31"_s, "en_US", Answer::Yes, Asked::Yes, kTodayStored,
              Opened::DownloadPage},
        Start{"longAgoDate", u"1900-01-01"_s, "en_US", Answer::No, Asked::Yes, kTodayStored,
              Opened::Nothing},
        Start{"unreadableTextIsReplacedSilently", u"not a date"_s, "en_US", Answer::Yes, Asked::No,
              kTodayStored, Opened::Nothing},
        Start{"impossibleDateIsReplacedSilently", u"2024-13-45"_s, "en_US", Answer::Yes, Asked::No,
              kTodayStored, Opened::Nothing},
        Start{"isoDateReadsTheSameUnderADayFirstLocale", iso(-15), "de_DE", Answer::No, Asked::Yes,
              kTodayStored, Opened::Nothing},
        Start{"oldShortDateWithFourDigitYearIsRead", shortDate("en_US", -20, u"M/d/yyyy"), "en_US",
              Answer::No, Asked::Yes, kTodayStored, Opened::Nothing},
        Start{"oldShortDateWithTwoDigitYearIsThisCentury", shortDate("en_US", -5, u"M/d/yy"),
              "en_US", Answer::Yes, Asked::No, shortDate("en_US", -5, u"M/d/yy"), Opened::Nothing},
        Start{"oldDayFirstShortDateIsReadDayFirst", shortDate("de_DE", -3, u"dd.MM.yy"), "de_DE",
              Answer::Yes, Asked::No, shortDate("de_DE", -3, u"dd.MM.yy"), Opened::Nothing},
        Start{"oldShortDateOfAnotherLocaleIsReplacedSilently",
              shortDate("de_DE", -20, u"dd.MM.yyyy"), "en_US", Answer::Yes, Asked::No, kTodayStored,
              Opened::Nothing}),
    [](const ::testing::TestParamInfo<Start>& row) { return std::string(row.param.name); });

TEST(UpdateReminder, recordsTodayBeforeTheDownloadPageOpens)
{
    QTemporaryDir folder;
    const QString iniPath = folder.filePath(u"skyvarre.ini"_s);
    SettingsStore(iniPath).setReminderDate(iso(-30));
    test::FakePrompts prompts;
    prompts.answer = Answer::Yes;
    test::UrlRecorder browser;
    QString recordedWhenOpened;
    browser.setOnOpen([&] { recordedWhenOpened = SettingsStore(iniPath).reminderDate(); });

    SettingsStore settings(iniPath);
    UpdateReminder(settings, FixedClock(), prompts);

    EXPECT_EQ(browser.opened().size(), 1);
    EXPECT_EQ(recordedWhenOpened, kTodayStored);
}

TEST(UpdateReminder, asksAgainOnlyFifteenDaysAfterTheLastQuestion)
{
    QTemporaryDir folder;
    SettingsStore settings(folder.filePath(u"skyvarre.ini"_s));
    test::FakePrompts prompts;
    test::UrlRecorder browser;

    // Each start one day later than the last, for a month, from the first start on.
    for (int day = 0; day <= 30; ++day)
        UpdateReminder(settings, FixedClock(kToday.addDays(day)), prompts);

    // Recorded on day 0, asked on day 15 and day 30.
    EXPECT_EQ(prompts.questions.size(), 2);
    EXPECT_EQ(settings.reminderDate(), iso(30));
}

} // namespace
} // namespace skyvarre
