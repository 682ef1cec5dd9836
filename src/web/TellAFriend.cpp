#include "TellAFriend.h"

#include "LinkTable.h"
#include "WebPage.h"
#include "platform/Prompts.h"

#include <QByteArray>
#include <QStringView>
#include <QUrl>

#include <array>
#include <utility>

namespace skyvarre {

TellAFriendFields TellAFriendEntry;
QString TellAFriendAddress;

namespace {

const QString kScriptPath = QStringLiteral("/vetq-refer-a-friend.php");

struct FieldCheck
{
    QString TellAFriendFields::*field;
    QStringView placeholder;
    QStringView message;
};

// In the order the user meets them; the first failing check is the one reported.
constexpr std::array kFieldChecks = {
    FieldCheck{&TellAFriendFields::name, u"Your Name", u"Please Enter Your Name"},
    FieldCheck{&TellAFriendFields::email, u"Your Email Address", u"Please Enter Your Email"},
    FieldCheck{&TellAFriendFields::message, u"Your Message", u"Please Enter Your Message"},
    FieldCheck{&TellAFriendFields::friendName, u"Friend's Name",
               u"Please Enter Your Friend's Name"},
    FieldCheck{&TellAFriendFields::friendEmail, u"Friend's Email Address",
               u"Please Enter Your Friend's Email"},
};

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
        placeholders.*check.field = check.placeholder.toString();
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
        const QString value = trimSpaces(TellAFriendEntry.*check.field);
        if (value.isEmpty() || value == check.placeholder) {
            prompts.showMessage(check.message.toString(), MessageIcon::Critical);
            return;
        }
    }
    TellAFriendAddress = buildTellAFriendAddress(TellAFriendEntry);
    OpenTellAFriendAddress();
}

} // namespace skyvarre
