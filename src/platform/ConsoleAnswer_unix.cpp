#include "ConsoleAnswer.h"

#include <cstdio>

namespace skyvarre {

void giveConsoleAnswer(AnswerStream stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream == AnswerStream::Output ? stdout : stderr);
}

bool isPlatformHelpRequest(const QString& /*argument*/)
{
    return false;
}

} // namespace skyvarre
