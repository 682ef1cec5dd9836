#pragma once

// Marks a text of the core that people read, for Qt's translation tools.
//
// lupdate finds translatable texts by the name of the marker around them, in
// the sources, whatever the marker expands to. The core is standard C++ only
// and cannot include Qt's QT_TRANSLATE_NOOP, and defining a macro of that name
// here would clash with Qt's own wherever a window includes both; so the core
// has its own, which expands to the text alone, and the build tells lupdate to
// read it as QT_TRANSLATE_NOOP (-tr-function-alias, translations/CMakeLists.txt).
// The core keeps using the English text as its data; the windows translate it
// where they show it, with QCoreApplication::translate(context, text).
#define SKYVARRE_TRANSLATE_NOOP(context, text) text
