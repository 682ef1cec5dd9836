#pragma once

#include <QString>

namespace skyvarre {

class Prompts;

// The five fields of the refer-a-friend form, each trimmed of spaces.
struct TellAFriendFields
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The fields of the last press of the submit button; never cleared.
extern TellAFriendFields TellAFriendEntry;

// The last submission address built; never cleared.
extern QString TellAFriendAddress;

// The submission address for the given fields: the refer-a-friend script on
// the main site with the query keys taf1 to taf6, each value percent-encoded.
QString buildTellAFriendAddress(const TellAFriendFields& fields);

// The prompts the form's fields show while nothing is typed in them; refused as values.
TellAFriendFields tellAFriendPlaceholders();

// text without its leading and trailing space characters (code 32 only: tabs,
// carriage returns and line feeds stay).
QString trimSpaces(const QString& text);

// Checks TellAFriendEntry (each value must be neither empty nor its field's
// placeholder), reporting the first failure through prompts with the
// critical-stop icon; otherwise builds TellAFriendAddress and opens it.
void SubmitTellAFriend(Prompts& prompts);

} // namespace skyvarre
