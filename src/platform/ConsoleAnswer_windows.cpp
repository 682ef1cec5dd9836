#include "ConsoleAnswer.h"

#include <cstdio>

#include <windows.h>

namespace skyvarre {

void giveConsoleAnswer(AnswerStream stream, const QString& text)
{
    const bool output = stream == AnswerStream::Output;
    // A GUI program started from Explorer or typed at a console prompt has no
    // standard handles; one started with its output redirected (to a file, a
    // pipe, a script's variable) has them and answers there, as on Unix.
    const HANDLE handle = GetStdHandle(output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
        std::FILE* file = output ? stdout : stderr;
        std::fputs(text.toUtf8().constData(), file);
        std::fflush(file);
        return;
    }
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.trimmed().utf16()), L"Skyvarre",
                MB_OK | (output ? MB_ICONINFORMATION : MB_ICONWARNING));
}

bool isPlatformHelpRequest(const QString& argument)
{
    return argument == QLatin1String("/?");
}

} // namespace skyvarre
