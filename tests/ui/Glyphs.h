#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QString>
#include <QTextLayout>

namespace skyvarre::test {

// The characters of text that font draws as an empty box (glyph 0): neither
// its own face nor any face of Qt's fallback for it has them. Spaces are
// never missing. Needs the QGuiApplication.
inline QString missingGlyphs(const QFont& font, const QString& text)
{
    QString missing;
    for (const char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        if (QChar::isSpace(codePoint))
            continue;
        // One character a layout: a run's glyphs do not say which characters
        // they came from before Qt 6.5.
        QTextLayout layout(character, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            if (run.glyphIndexes().contains(0))
                missing += character;
    }
    return missing;
}

} // namespace skyvarre::test
