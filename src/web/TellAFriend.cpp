#include "TellAFriend.h"

#include "LinkTable.h"
#include "WebPage.h"
#include "platform/Prompts.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringView>
#include <QUrl>

#include <array>
#include <utility>

namespace skyvarre {

TellAFriendFields TellAFriendEntry;
QString TellAFriendAddress;

namespace {

// The script's address and the names of its parameters (taf1 to taf6 below)
// are what the script reads: data, the same in every language.
const QString kScriptPath = QStringLiteral("/vetq-refer-a-friend.php");

// The context in which the prompts and messages below are translated.
constexpr char kTextsContext[] = "skyvarre::TellAFriend";

struct FieldCheck
{
    QString TellAFriendFields::*field;
    // Both in English; the form shows them translated.
    const char* placeholder;
    const char* message;
};

// In the order the user meets them; the first failing check is the one reported.
// clang-format off
constexpr std::array kFieldChecks = {
    FieldCheck{&TellAFriendFields::name,
               //: Prompt inside the empty field for the user's own name on the farewell
               //: window, which holds about 35 characters.
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Your Name"),
               //: Message box text when the user's own name is left empty.
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Please Enter Your Name")},
    FieldCheck{&TellAFriendFields::email,
               //: Prompt inside the empty field for the user's e-mail address (35 characters).
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Your Email Address"),
               //: Message box text when the user's e-mail address is left empty.
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Please Enter Your Email")},
    FieldCheck{&TellAFriendFields::message,
               //: Prompt in the message field, which the window keeps out of sight: the
               //: form submits it when the field is never touched. No length limit.
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Your Message"),
               //: Message box text when the message is left empty.
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Please Enter Your Message")},
    FieldCheck{&TellAFriendFields::friendName,
               //: Prompt inside the empty field for the friend's name (35 characters).
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Friend's Name"),
               //: Message box text when the friend's name is left empty.
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Please Enter Your Friend's Name")},
    FieldCheck{&TellAFriendFields::friendEmail,
               //: Prompt inside the empty field for the friend's e-mail address (35
               //: characters).
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Friend's Email Address"),
               //: Message box text when the friend's e-mail address is left empty.
               QT_TRANSLATE_NOOP("skyvarre::TellAFriend", "Please Enter Your Friend's Email")},
};
// clang-format on

QString translated(const char* text)
{
    return QCoreApplication::translate(kTextsContext, text);
}

// A query value as the script must receive it: UTF-8, percent-encoded except
// for the unreserved characters and "@", ":" and "/", which the script has
// always received as they are (the e-mail addresses, the taf6 address).
// Everything else, "&", "=", "#", "+", "%", spaces and line breaks included,
// is encoded, so no typed text can end a value or add a parameter.
QString encodeQueryValue(QStringView value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value.toString(), "@:/"));
}

} // namespace

TellAFriendFields tellAFriendPlaceholders()
{
    TellAFriendFields placeholders;
    for (const FieldCheck& check : kFieldChecks)
        placeholders.*check.field = translated(check.placeholder);
    return placeholders;
}

QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.mid(first, end - first);
}

QString buildTellAFriendAddress(const TellAFriendFields& fields)
{
    const QString productPage = productPageAddress();
    // The parameter names are the script's: never translated.
    const std::array<std::pair<QStringView, QStringView>, 6> parameters = {{
        {u"taf1=", fields.name},
        {u"&taf2=", fields.email},
        {u"&taf3=", fields.message},
        {u"&taf4=", fields.friendName},
        {u"&taf5=", fields.friendEmail},
        {u"&taf6=", productPage},
    }};
    QString address = siteBase(Site::Main) + kScriptPath + u'?';
    for (const auto& [key, value] : parameters) {
        address += key;
        address += encodeQueryValue(value);
    }
    return address;
}

void SubmitTellAFriend(Prompts& prompts)
{
    for (const FieldCheck& check : kFieldChecks) {
        // The prompt the field showed, in the user's language, is no value.
        const QString value = trimSpaces(TellAFriendEntry.*check.field);
        if (value.isEmpty() || value == translated(check.placeholder)) {
            prompts.showMessage(translated(check.message), MessageIcon::Critical);
            return;
        }
    }
    TellAFriendAddress = buildTellAFriendAddress(TellAFriendEntry);
    OpenTellAFriendAddress();
}

} // namespace skyvarre
