#pragma once

#include "ui/Version.h"

#include <QLatin1String>
#include <QRgb>
#include <QString>
#include <QtGlobal>

class QAbstractButton;
class QFont;
class QWidget;

// The look the windows share, in one place.
namespace skyvarre::look {

inline constexpr QRgb kPeach = qRgb(255, 224, 192);      // window background, banner text
inline constexpr QRgb kDarkBlue = qRgb(0, 0, 192);       // top and bottom strips
inline constexpr QRgb kNavy = qRgb(0, 0, 128);           // frames of frmReferFriend, About links
inline constexpr QRgb kBlue = qRgb(0, 0, 255);           // ordinary text
inline constexpr QRgb kButtonFace = qRgb(224, 224, 224); // command buttons
inline constexpr QRgb kBlack = qRgb(0, 0, 0);            // the sign name on frmDisplay
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);

// Every window's caption: the program's name and version, the same in every
// language, so never translated.
inline const QString kCaption = QStringLiteral("Skyvarre v") + QLatin1String(kVersion);

// The application title of every message box: the program's name, never translated.
inline const QString kMessageTitle = QStringLiteral("Skyvarre");

// Font families the windows ask for; both are mapped to a face that every
// machine has (see installFontSubstitutions).
inline const QString kVerdana = QStringLiteral("Verdana");
inline const QString kSansSerif = QStringLiteral("MS Sans Serif");

// Point sizes of frmMain, frmDisplay and frmAbout.
inline constexpr qreal kNormalPoints = 8.25;
inline constexpr qreal kLargePoints = 9.0;
inline constexpr qreal kTitlePoints = 9.75;

enum class TextStyle
{
    Regular,
    Bold,
    Underlined,
    BoldUnderlined
};

// Verdana at the given size in the given style.
QFont verdana(qreal points, TextStyle style = TextStyle::Regular);

// Lets widget paint its own background in colour (strips, opaque labels, client areas).
void fillBackground(QWidget& widget, QRgb colour);

// Colours the text of widget, and of its children unless they have their own colour.
void setTextColour(QWidget& widget, QRgb colour);

// The background of a text box or a drop-down list, its open list included.
void setEntryBackground(QWidget& widget, QRgb colour);

// The light grey face of a command button.
void setButtonFace(QAbstractButton& button);

} // namespace skyvarre::look
