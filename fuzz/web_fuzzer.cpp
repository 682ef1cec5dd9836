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
#include <QUrlQuery>

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
    if (!promise) {
        std::abort();
    }
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

    const QString address = skyvarre::BuildTellAFriendAddress(fields);
    const QByteArray encoded = address.toUtf8();
    Require(address.startsWith(skyvarre::siteBase(skyvarre::Site::Main) +
                               QStringLiteral("/vetq-refer-a-friend.php?taf1=")));
    for (const char character : encoded) {
        Require(character > ' ' && character < 0x7F && character != '#');
    }

    const QUrl url = QUrl::fromEncoded(encoded, QUrl::StrictMode);
    Require(url.isValid());
    Require(url.toEncoded() == encoded);

    const QList<QPair<QString, QString>> expected = {
        {QStringLiteral("taf1"), fields.name},
        {QStringLiteral("taf2"), fields.email},
        {QStringLiteral("taf3"), fields.message},
        {QStringLiteral("taf4"), fields.friendName},
        {QStringLiteral("taf5"), fields.friendEmail},
        {QStringLiteral("taf6"), skyvarre::productPageAddress()},
    };
    Require(QUrlQuery(url).queryItems(QUrl::FullyDecoded) == expected);
    return 0;
}
