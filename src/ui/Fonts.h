#pragma once

#include <QFont>
#include <QLocale>
#include <QString>

namespace skyvarre {

// Maps the families the windows ask for ("Verdana", "MS Sans Serif") onto a
// face that every machine has, for machines that lack them, and names after
// them the face that draws language's letters where theirs would not fit.
// Run once the language is chosen, before the first window.
void installFontSubstitutions(QLocale::Language language = QLocale::English);

// The family to ask for when a window wants requested: requested itself where
// the machine has it, otherwise its substitute as the machine spells it, and
// requested again where the machine lacks both. Needs the QGuiApplication.
QString installedFamily(const QString& requested);

// The face the windows draw their own texts in: family (as installedFamily
// finds it) at the given size. Needs the QGuiApplication.
QFont windowFont(const QString& family, qreal points);

} // namespace skyvarre
