#include "LinkLabel.h"

#include "ScreenReader.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace skyvarre {

namespace {

bool activatesLink(const QKeyEvent& event)
{
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return plain;
    default:
        return false;
    }
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    installAccessibleInterfaces(); // its link role
    // The texts hold "&" and quotes as they stand; none is markup.
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    // Tab only: clicking a link must not take the focus from the field the user
    // is filling in, whose placeholder handling watches the focus.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::click()
{
    emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (!activatesLink(*event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        click();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A press that the user drags off the label before letting go is no click,
    // as with a button.
    const bool isClick = m_pressed && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (isClick)
        click();
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    // A dotted frame in the text's own colour, which every window sets apart
    // from the background; the style's focus frame is a faint tint of the
    // highlight colour that vanishes on the dark blue strips.
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    // Around the text's own area: the room some labels keep around it for
    // the marks of other scripts stays outside the frame.
    const int margin = this->margin();
    painter.drawRect(contentsRect().adjusted(margin, margin, -margin - 1, -margin - 1));
}

} // namespace skyvarre
