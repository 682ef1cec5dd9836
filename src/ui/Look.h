#pragma once

#include <QRgb>
#include <QString>

// The look the windows share, in one place.
namespace skyvarre::look {

inline constexpr QRgb kPeach = qRgb(255, 224, 192);      // window background, banner text
inline constexpr QRgb kDarkBlue = qRgb(0, 0, 192);       // top and bottom strips
inline constexpr QRgb kNavy = qRgb(0, 0, 128);           // frames of the farewell window, About links
inline constexpr QRgb kBlue = qRgb(0, 0, 255);           // ordinary text
inline constexpr QRgb kButtonFace = qRgb(224, 224, 224); // command buttons
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);

// Every window's caption.
inline const QString kCaption = QStringLiteral("Skyvarre v1.15");

// The application title of every message box.
inline const QString kMessageTitle = QStringLiteral("Skyvarre");

// Font families the windows ask for; both are mapped to a face that every
// machine has (see installFontSubstitutions).
inline const QString kVerdana = QStringLiteral("Verdana");
inline const QString kSansSerif = QStringLiteral("MS Sans Serif");

} // namespace skyvarre::look
