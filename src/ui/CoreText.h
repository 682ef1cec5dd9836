#pragma once

#include <QString>

#include <string_view>

namespace skyvarre {

// A text of the core in the user's language. The core, standard C++ only,
// hands out its texts in English, which is both its data and the source
// text of the translation (marked there with SKYVARRE_TRANSLATE_NOOP under
// context); the windows translate them where they show them.
QString coreText(const char* context, std::string_view text);

} // namespace skyvarre
