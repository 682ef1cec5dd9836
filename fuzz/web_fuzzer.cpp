// Builds refer-a-friend addresses from arbitrary texts and checks the promises
// the web script and the launcher rely on: the address is in its final encoded
// form (OpenWebPage hands it over byte for byte) and its query splits back into
// the keys taf1 to taf6, in order, each with exactly the value typed.
#include "web/LinkTable.h"
#include "web/TellAFriend.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t kMaxFieldBytes = 4096;

// A broken promise must stop the run so that libFuzzer keeps the input.
void Require(bool promise)
{
    if (!promise)
        std::abort();
}

QString ConsumeField(FuzzedDataProvider& data)
{
    const std::string bytes = data.ConsumeRandomLengthString(kMaxFieldBytes);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    skyvarre::TellAFriendFields fields;
    fields.name = ConsumeField(data);
    fields.email = ConsumeField(data);
    fields.message = ConsumeField(data);
    fields.friendName = ConsumeField(data);
    fields.friendEmail = ConsumeField(data);

    const QString address = skyvarre::buildTellAFriendAddress(fields);
    const QByteArray encoded = address.toUtf8();
    Require(address.startsWith(skyvarre::siteBase(skyvarre::Site::Main) +
                               QStringLiteral("/vetq-refer-a-friend.php?taf1=")));
    for (const char character : encoded)
        Require(character > ' ' && character < 0x7F && character != '#');

    const QUrl url = QUrl::fromEncoded(encoded, QUrl::StrictMode);
    Require(url.isValid());
    Require(url.toEncoded() == encoded);

    // Split the query by hand and decode each value to bytes: QUrlQuery's
    // decoder replaces Unicode noncharacters (U+7FFFF and the like) although
    // their UTF-8 is encoded correctly, so it cannot serve as the judge here.
    const QList<QPair<QByteArray, QString>> expected = {
        {"taf1", fields.name},        {"taf2", fields.email},
        {"taf3", fields.message},     {"taf4", fields.friendName},
        {"taf5", fields.friendEmail}, {"taf6", skyvarre::productPageAddress()},
    };
    const QList<QByteArray> parameters = url.query(QUrl::FullyEncoded).toLatin1().split('&');
    Require(parameters.size() == expected.size());
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const qsizetype equals = parameters[i].indexOf('=');
        Require(equals > 0);
        Require(parameters[i].left(equals) == expected[i].first);
        Require(QByteArray::fromPercentEncoding(parameters[i].mid(equals + 1)) ==
                expected[i].second.toUtf8());
    }
    return 0;
}
