#include "UpdateReminder.h"

#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "web/WebPage.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdlib>

namespace skyvarre {

using namespace Qt::StringLiterals;

namespace {

// Dates are stored in ISO form so that a change of locale or date format can
// never make them read back as another day (3 April as 4 March); for the same
// reason the format is data, never translated.
const QString kStoredDateFormat = QStringLiteral("yyyy-MM-dd");

// The question stays away while the recorded date is this many days or fewer
// from today, in either direction.
constexpr qint64 kQuietDays = 14;

// A lone carriage return, as the question has always been written; the
// message box shows it as a line break.
//: Asked at start-up at most every 15 days, with Yes and No; Yes opens the download page.
//: Two lines: put a line break between the statement and the question. ("There maybe"
//: is as designed; translate the meaning: there may be an update.)
constexpr const char* kQuestion =
    QT_TRANSLATE_NOOP("skyvarre::UpdateReminder", "There maybe an update to this software "
                                                  "available\rDo you want to check for an update?");

// Two-digit years as the locale writes them: Qt reads them as 1900-1999.
constexpr int kCenturyYears = 100;
constexpr int kHalfCenturyYears = 50;

// Reads a recorded date: the ISO form first, then the current locale's short
// format, in which earlier versions wrote it (Windows writes the short format
// with four-digit years where Qt's locale data may have two). Invalid when
// the text reads as neither.
QDate readRecordedDate(const QString& text, const QDate& today)
{
    const QDate iso = QDate::fromString(text, kStoredDateFormat);
    if (iso.isValid())
        return iso;
    const QLocale locale;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    if (shortFormat.contains(u"yyyy"_s))
        return locale.toDate(text, shortFormat);
    QString fourDigitYears = shortFormat;
    fourDigitYears.replace(u"yy"_s, u"yyyy"_s);
    const QDate withCentury = locale.toDate(text, fourDigitYears);
    if (withCentury.isValid())
        return withCentury;
    QDate twoDigitYear = locale.toDate(text, shortFormat);
    // A date written with two digits lies within fifty years of today.
    while (twoDigitYear.isValid() && twoDigitYear < today.addYears(-kHalfCenturyYears))
        twoDigitYear = twoDigitYear.addYears(kCenturyYears);
    return twoDigitYear;
}

} // namespace

void UpdateReminder(SettingsStore& settings, const Clock& clock, Prompts& prompts)
{
    const QDate today = clock.today();
    const QString todayText = today.toString(kStoredDateFormat);

    const QString recordedText = settings.reminderDate();
    const QDate recorded = readRecordedDate(recordedText, today);
    if (!recorded.isValid()) {
        // Nothing recorded yet (the first start) or a value that reads as no
        // date at all: either way this start begins the count, silently, so
        // an unreadable value cannot keep the reminder quiet for good.
        settings.setReminderDate(todayText);
        return;
    }

    if (std::abs(today.daysTo(recorded)) <= kQuietDays)
        return;

    const Answer answer =
        prompts.askYesNo(QCoreApplication::translate("skyvarre::UpdateReminder", kQuestion));
    // The program ended under the question: nobody answered it, so it is
    // asked again at the next start.
    if (answer == Answer::Unanswered)
        return;
    settings.setReminderDate(todayText);
    if (answer == Answer::Yes)
        OpenDownloadPage();
}

} // namespace skyvarre
