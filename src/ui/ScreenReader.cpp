#include "ScreenReader.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <utility>

namespace skyvarre {

namespace {

// The marks of the widgets presented here, as dynamic properties.
constexpr char kReadTextsOnOpening[] = "skyvarre_readTextsOnOpening";
constexpr char kTextInFrame[] = "skyvarre_textInFrame";
constexpr char kSpeakShownEntry[] = "skyvarre_speakShownEntry";

class DialogWindow final : public QAccessibleWidget
{
public:
    explicit DialogWindow(QWidget& window) : QAccessibleWidget(&window, QAccessible::Dialog) {}
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
    explicit DropDownList(QComboBox& list) : QAccessibleWidget(&list, QAccessible::ComboBox) {}

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
#ifdef Q_OS_UNIX
        // As Qt has it on Unix: the list's label names it through its
        // relation, and the list's own name is its entry.
        if (kind == QAccessible::Name)
            return entry();
#endif
        if (kind == QAccessible::Value)
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

    QStringList actionNames() const override
    {
        return {showMenuAction(), pressAction()};
    }

    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list().view()->isVisible())
            list().hidePopup();
        else
            list().showPopup();
    }

    QStringList keyBindingsForAction(const QString& /*action*/) const override
    {
        return {};
    }

    void selection(int index, int* start, int* end) const override
    {
        *start = 0;
        *end = index == 0 && selectionCount() == 1 ? characterCount() : 0;
    }

    int selectionCount() const override
    {
        return list().hasFocus() && !entry().isEmpty() ? 1 : 0;
    }

    // The entry is only ever chosen, never edited.
    void addSelection(int /*start*/, int /*end*/) override
    {
    }
    void removeSelection(int /*index*/) override
    {
    }
    void setSelection(int /*index*/, int /*start*/, int /*end*/) override
    {
    }
    int cursorPosition() const override
    {
        return 0;
    }
    void setCursorPosition(int /*position*/) override
    {
    }
    void scrollToSubstring(int /*start*/, int /*end*/) override
    {
    }

    QString text(int start, int end) const override
    {
        const QString shown = entry();
        if (end < 0 || end > shown.size())
            end = static_cast<int>(shown.size());
        start = std::clamp(start, 0, end);
        return shown.mid(start, end - start);
    }

    int characterCount() const override
    {
        return static_cast<int>(entry().size());
    }

    QRect characterRect(int /*offset*/) const override
    {
        return {};
    }

    int offsetAtPoint(const QPoint& /*point*/) const override
    {
        return -1;
    }

    QString attributes(int /*offset*/, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QComboBox& list() const
    {
        return *static_cast<QComboBox*>(widget());
    }
    QString entry() const
    {
        return list().currentText();
    }
};

QAccessibleInterface* presentedHere(const QString& /*className*/, QObject* object)
{
    if (object == nullptr || !object->isWidgetType())
        return nullptr;
    auto& widget = static_cast<QWidget&>(*object);
    if (widget.property(kReadTextsOnOpening).toBool())
        return new DialogWindow(widget);
    auto* label = qobject_cast<QLabel*>(&widget);
    if (label != nullptr && label->property(kTextInFrame).toBool())
        return new TextInFrame(*label);
    auto* list = qobject_cast<QComboBox*>(&widget);
    if (list != nullptr && list->property(kSpeakShownEntry).toBool())
        return new DropDownList(*list);
    return nullptr;
}

template <class Interface> void presentHere(QWidget& widget, const char* mark)
{
    static const bool installed = (QAccessible::installFactory(&presentedHere), true);
    Q_UNUSED(installed);
    widget.setProperty(mark, true);
    // Qt builds an object's interface once and keeps it, and a form builds
    // some while it is set up (every name or title it sets raises an event).
    // One built before the mark is dropped, so that the next request builds
    // it here; nothing outside the process knows it yet.
    QAccessibleInterface* built = QAccessible::queryAccessibleInterface(&widget);
    if (built != nullptr && dynamic_cast<Interface*>(built) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
}

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

} // namespace

void readTextsOnOpening(QWidget& window)
{
    presentHere<DialogWindow>(window, kReadTextsOnOpening);
    for (QLabel* label : window.findChildren<QLabel*>()) {
        // Plain labels only: a subclass, such as a link, presents itself.
        const auto* frame = qobject_cast<QGroupBox*>(label->parentWidget());
        if (label->metaObject() == &QLabel::staticMetaObject && frame != nullptr &&
            !frame->title().isEmpty())
            presentHere<TextInFrame>(*label, kTextInFrame);
    }
}

void speakShownEntry(QComboBox& list)
{
    presentHere<DropDownList>(list, kSpeakShownEntry);
    new EntryAnnouncer(list);
}

} // namespace skyvarre
