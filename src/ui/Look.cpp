#include "Look.h"

#include "Fonts.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include <initializer_list>

namespace skyvarre::look {

namespace {

// Only the active and inactive groups: a disabled control keeps the style's
// greyed colours, so that it still looks disabled.
void setColour(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, QRgb colour)
{
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(QPalette::Active, role, QColor(colour));
        palette.setColor(QPalette::Inactive, role, QColor(colour));
    }
    widget.setPalette(palette);
}

} // namespace

QFont verdana(qreal points, TextStyle style)
{
    QFont font = windowFont(kVerdana, points);
    font.setBold(style == TextStyle::Bold || style == TextStyle::BoldUnderlined);
    font.setUnderline(style == TextStyle::Underlined || style == TextStyle::BoldUnderlined);
    return font;
}

void fillBackground(QWidget& widget, QRgb colour)
{
    widget.setAutoFillBackground(true);
    setColour(widget, {QPalette::Window}, colour);
}

void setTextColour(QWidget& widget, QRgb colour)
{
    setColour(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colour);
}

void setEntryBackground(QWidget& widget, QRgb colour)
{
    // A drop-down list paints its closed face with the button colour and its
    // open list with the base colour; a text box uses the base colour.
    setColour(widget, {QPalette::Base, QPalette::Button}, colour);
}

void setButtonFace(QAbstractButton& button)
{
    setColour(button, {QPalette::Button}, kButtonFace);
}

} // namespace skyvarre::look
