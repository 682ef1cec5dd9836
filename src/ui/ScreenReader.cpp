#include "ScreenReader.h"

#include "LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QLabel>
#include <QtGlobal>

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QTimer>

#include <algorithm>
#include <utility>
#endif

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

// Stand-ins for what Qt 6.4's AT-SPI bridge gives Orca too little of. Qt 6.5
// gave the bridge the Selection interface (QAccessibleSelectionInterface),
// through which Orca reads a drop-down list's entry, so 6.5 is the first
// version that can make them unnecessary. Not confirmed: in the newest Qt
// sources read while writing this, Qt's own combo-box interface still does
// not offer a selection. When the build moves past 6.4, run the Orca check
// (ctest -L orca); if it fails, raise this version rather than drop the code.
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)

// Tells assistive tools each new entry a list shows.
class EntryAnnouncer final : public QObject
{
public:
    explicit EntryAnnouncer(QComboBox& list)
        : QObject(&list), m_list(list), m_shown(list.currentText())
    {
        list.installEventFilter(this);
        connect(&list, &QComboBox::currentTextChanged, this, &EntryAnnouncer::announce);
    }

private:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        // A choice from the popup takes effect just after the focus has come
        // back to the list, and the list is read out with its new entry as it
        // takes the focus: the entry is not announced again.
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) {
            m_readWithFocus = true;
            QTimer::singleShot(0, this, [this] { m_readWithFocus = false; });
        }
        return false;
    }

    void announce(const QString& entry)
    {
        const QString before = std::exchange(m_shown, entry);
        if (m_readWithFocus)
            return;
        // The new entry goes in before the old one goes out: a removal of the
        // selected text first would be read out as the selection deleted.
        if (!entry.isEmpty()) {
            QAccessibleTextInsertEvent inserted(&m_list, 0, entry);
            QAccessible::updateAccessibility(&inserted);
        }
        if (!before.isEmpty()) {
            QAccessibleTextRemoveEvent removed(&m_list, static_cast<int>(entry.size()), before);
            QAccessible::updateAccessibility(&removed);
        }
    }

    QComboBox& m_list;
    QString m_shown;
    bool m_readWithFocus = false;
};

// A text in a titled frame, named by what it says. Qt names everything in
// such a frame after the frame's title and reports it as labelled by it; a
// screen reader takes a text with a label for a control's caption, and one
// named like its frame for a repeat of the title, and leaves both out when it
// reads out a window.
class TextInFrame final : public QAccessibleWidget
{
public:
    explicit TextInFrame(QLabel& label) : QAccessibleWidget(&label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        return QAccessibleWidget::relations(match & ~QAccessible::Label);
    }
};

// As Qt has it on Unix: a list's label names it through its relation, and
// the list's own name is its entry.
#ifdef Q_OS_UNIX
constexpr bool kListNamedByEntry = true;
#else
constexpr bool kListNamedByEntry = false;
#endif

// A drop-down list as Qt presents it, and its shown entry as read-only text.
// Orca reads a list's entry through the selection interface, which Qt 6.4
// does not offer, or else as the list's text; and it speaks a change of text
// only when it has a cause for it, such as the new text being selected. The
// entry is therefore selected as a whole while the list has the focus, as a
// focused list shows it highlighted.
//
// Qt's own interface can only be written anew, not extended: its class is
// private, and so is the factory that builds it.
class DropDownList final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DropDownList(QComboBox& list) : QAccessibleWidget(&list, QAccessible::ComboBox)
    {
        // Built when a screen reader first asks about the list, the first time
        // its entry can be worth announcing; the list owns it.
        new EntryAnnouncer(list);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The open list is the one child, as in Qt's interface.
    int childCount() const override { return 1; }

    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list().view()) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == list().view() ? 0 : -1;
    }

    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && kListNamedByEntry))
            return entry();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list().view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list().view()->isVisible())
            list().hidePopup();
        else
            list().showPopup();
    }

    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

    void selection(int index, int* start, int* end) const override
    {
        *start = 0;
        *end = index == 0 && selectionCount() == 1 ? characterCount() : 0;
    }

    int selectionCount() const override { return list().hasFocus() && !entry().isEmpty() ? 1 : 0; }

    // The entry is only ever chosen, never edited.
    void addSelection(int /*start*/, int /*end*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    void scrollToSubstring(int /*start*/, int /*end*/) override {}

    QString text(int start, int end) const override
    {
        const QString shown = entry();
        if (end < 0 || end > shown.size())
            end = static_cast<int>(shown.size());
        start = std::clamp(start, 0, end);
        return shown.mid(start, end - start);
    }

    int characterCount() const override { return static_cast<int>(entry().size()); }

    QRect characterRect(int /*offset*/) const override { return {}; }

    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }

    QString attributes(int /*offset*/, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox& list() const { return *static_cast<QComboBox*>(widget()); }
    QString entry() const { return list().currentText(); }
};

#endif // QT_VERSION < 6.5

QAccessibleInterface* programInterface(const QString& /*className*/, QObject* object)
{
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new AccessibleLinkLabel(*link);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // Plain labels only: a subclass, such as a link, presents itself.
    auto* label = qobject_cast<QLabel*>(object);
    if (label != nullptr && label->metaObject() == &QLabel::staticMetaObject &&
        qobject_cast<QGroupBox*>(label->parentWidget()) != nullptr)
        return new TextInFrame(*label);
    if (auto* list = qobject_cast<QComboBox*>(object))
        return new DropDownList(*list);
#endif
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(&programInterface), true);
    Q_UNUSED(installed);
}

} // namespace skyvarre
