#include "LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace skyvarre {

namespace {

// What assistive tools see of a link label: a link, named by its accessible
// name or else by its text, whose press action clicks it.
class AccessibleLinkLabel final : public QAccessibleWidget
{
public:
    explicit AccessibleLinkLabel(LinkLabel& label) : QAccessibleWidget(&label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const QString name = link().accessibleName();
        return name.isEmpty() ? link().text() : name;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (link().isEnabled())
            link().click();
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction())
            return {QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    LinkLabel& link() const { return *static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* accessibleLinkLabel(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(LinkLabel::staticMetaObject.className()))
        return nullptr;
    return new AccessibleLinkLabel(*static_cast<LinkLabel*>(object));
}

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
    // Installed with the first link label, before anything can ask about one.
    static const bool reportedAsLink = (QAccessible::installFactory(&accessibleLinkLabel), true);
    Q_UNUSED(reportedAsLink);
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
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace skyvarre
