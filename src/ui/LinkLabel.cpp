#include "LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QStyle>

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

LinkLabel::LinkLabel(QWidget* parent) : QWidget(parent)
{
    // Installed with the first link label, before anything can ask about one.
    static const bool reportedAsLink = (QAccessible::installFactory(&accessibleLinkLabel), true);
    Q_UNUSED(reportedAsLink);
    setCursor(Qt::PointingHandCursor);
    // Tab only: clicking a link must not take the focus from the field the user
    // is filling in, whose placeholder handling watches the focus.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
    // Assistive tools name the link by its text unless it has a name of its own.
    if (accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void LinkLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void LinkLabel::setWordWrap(bool on)
{
    m_wordWrap = on;
    updateGeometry();
    update();
}

int LinkLabel::textFlags() const
{
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), m_alignment);
    return int(alignment) | (m_wordWrap ? int(Qt::TextWordWrap) : 0);
}

QSize LinkLabel::sizeHint() const
{
    ensurePolished();
    // Left and top alignment, so that centring cannot round the size.
    const int flags = textFlags() & ~int(Qt::AlignHCenter | Qt::AlignVCenter);
    const QRect text =
        fontMetrics().boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), flags, m_text);
    return text.size().grownBy(contentsMargins());
}

QSize LinkLabel::minimumSizeHint() const
{
    return sizeHint();
}

void LinkLabel::click()
{
    emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (!activatesLink(*event)) {
        QWidget::keyPressEvent(event);
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

void LinkLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), textFlags(), palette(), isEnabled(), m_text,
                          foregroundRole());
    if (!hasFocus())
        return;
    // A dotted frame in the text's own colour, which every window sets apart
    // from the background; the style's focus frame is a faint tint of the
    // highlight colour that vanishes on the dark blue strips.
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace skyvarre
