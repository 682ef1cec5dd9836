// Opens one page through the real browser hand-off, with the opener the
// program puts in place, and exits at once, the way a link handler of the
// program does. Prints the address it opens first, so
// that the caller can compare it with what the browser launcher received.
// Usage: webpage_handoff_probe download | tell-a-friend
#include "platform/Browser.h"
#include "web/LinkTable.h"
#include "web/TellAFriend.h"
#include "web/WebPage.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace skyvarre;
using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const std::unique_ptr<QObject> browserOpener = routeWebAddressesToOpener();
    if (argc != 2) {
        std::fputs("usage: webpage_handoff_probe download | tell-a-friend\n", stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "download") == 0) {
        std::printf("%s\n", pageAddress(Page::Download).toUtf8().constData());
        std::fflush(stdout);
        OpenDownloadPage();
        return 0;
    }
    // Text that a shell or a naive command splitter would cut, expand or redirect.
    TellAFriendAddress = buildTellAFriendAddress(
        {u"Ann \"The Tester\" O'Hara"_s, u"ann@mail.example"_s, u"$(touch x) `id` ; | & > #\r\n"_s,
         u"Zo\u00EB \U0001F642"_s, u"bob+x@mail.example"_s});
    std::printf("%s\n", TellAFriendAddress.toUtf8().constData());
    std::fflush(stdout);
    OpenTellAFriendAddress();
    return 0;
}
