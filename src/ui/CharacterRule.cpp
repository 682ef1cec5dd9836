#include "CharacterRule.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace skyvarre {

CharacterRuleValidator::CharacterRuleValidator(TextRule rule, QObject* parent)
    : QValidator(parent), m_rule(rule)
{
}

QValidator::State CharacterRuleValidator::validate(QString& text, int& /*position*/) const
{
    if (!m_prompt.isEmpty() && text == m_prompt)
        return Acceptable;
    // The box held only text the rule takes before the change, so a refusal
    // is of what has just arrived.
    const State state = m_rule(text);
    if (state == Invalid)
        emit refused();
    return state;
}

namespace {

// A pasted or dropped text may end in the line break of the line it was
// copied from; typed text is a key's.
enum class Arrival
{
    Typed,
    Pasted,
};

class ArrivingTextFilter final : public QObject
{
public:
    ArrivingTextFilter(QLineEdit& box, TextShape shape) : QObject(&box), m_box(box), m_shape(shape)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString shaped(QString text, Arrival arrival, qsizetype room) const;
    // Room for text typed or pasted at the cursor, which replaces the selection.
    qsizetype roomAtCursor() const;
    void paste(QClipboard::Mode mode);
    bool keyPress(QKeyEvent& key);
    bool inputMethod(const QInputMethodEvent& event);
    bool drop(QDropEvent& event);
    void contextMenu(const QContextMenuEvent& event);

    QLineEdit& m_box;
    TextShape m_shape;
};

QString ArrivingTextFilter::shaped(QString text, Arrival arrival, qsizetype room) const
{
    if (arrival == Arrival::Pasted)
        while (text.endsWith(u'\n') || text.endsWith(u'\r'))
            text.chop(1);
    if (m_shape != nullptr)
        text = m_shape(text, m_box);
    if (text.size() > room) {
        // The box itself would cut at the room, counted in UTF-16 units.
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
        characters.setPosition(std::max<qsizetype>(room, 0));
        if (!characters.isAtBoundary())
            characters.toPreviousBoundary();
        text.truncate(characters.position());
    }
    return text;
}

qsizetype ArrivingTextFilter::roomAtCursor() const
{
    return m_box.maxLength() - m_box.text().size() + m_box.selectedText().size();
}

void ArrivingTextFilter::paste(QClipboard::Mode mode)
{
    const QString text =
        shaped(QGuiApplication::clipboard()->text(mode), Arrival::Pasted, roomAtCursor());
    if (!text.isEmpty() || m_box.hasSelectedText())
        m_box.insert(text);
}

bool ArrivingTextFilter::keyPress(QKeyEvent& key)
{
    if (key.matches(QKeySequence::Paste)) {
        paste(QClipboard::Clipboard);
        return true;
    }
    // Backspace, Enter and Ctrl with a letter carry control characters: they
    // are commands to the box, not text.
    const QString typed = key.text();
    if (typed.isEmpty() || std::any_of(typed.cbegin(), typed.cend(), [](QChar character) {
            return character.category() == QChar::Other_Control;
        }))
        return false;
    const QString text = shaped(typed, Arrival::Typed, roomAtCursor());
    if (text == typed)
        return false;
    key.accept(); // used up here, not passed on to the window
    if (text.isEmpty())
        return true;
    QKeyEvent shapedKey(key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
                        key.nativeVirtualKey(), key.nativeModifiers(), text, key.isAutoRepeat(),
                        static_cast<quint16>(key.count()), key.device());
    QCoreApplication::sendEvent(&m_box, &shapedKey);
    return true;
}

bool ArrivingTextFilter::inputMethod(const QInputMethodEvent& event)
{
    const QString commit = event.commitString();
    if (commit.isEmpty())
        return false;
    const QString text = shaped(commit, Arrival::Typed, roomAtCursor() + event.replacementLength());
    if (text == commit)
        return false;
    // The composition (pre-edit) and its attributes stay as the input method sent them.
    QInputMethodEvent shapedCommit(event.preeditString(), event.attributes());
    shapedCommit.setCommitString(text, event.replacementStart(), event.replacementLength());
    QCoreApplication::sendEvent(&m_box, &shapedCommit);
    return true;
}

bool ArrivingTextFilter::drop(QDropEvent& event)
{
    if (!event.mimeData()->hasText())
        return false;
    const QString dropped = event.mimeData()->text();
    // A drop goes in at the place dropped on, the selection left in the box.
    const QString text = shaped(dropped, Arrival::Pasted, m_box.maxLength() - m_box.text().size());
    if (text == dropped)
        return refuseDrop(m_box, event);
    QMimeData shapedData;
    shapedData.setText(text);
    QDropEvent shapedDrop(event.position(), event.possibleActions(), &shapedData, event.buttons(),
                          event.modifiers(), event.type());
    shapedDrop.setDropAction(event.dropAction());
    QCoreApplication::sendEvent(&m_box, &shapedDrop);
    event.setDropAction(shapedDrop.dropAction());
    event.setAccepted(shapedDrop.isAccepted());
    return true;
}

void ArrivingTextFilter::contextMenu(const QContextMenuEvent& event)
{
    // As QLineEdit shows its menu, with its Paste item taking this way.
    QMenu* menu = m_box.createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // Qt connects the item to the box's paste(): Qt 6.4 by its name,
        // later versions by pointer.
        if (QObject::disconnect(action, SIGNAL(triggered()), &m_box, SLOT(paste())) ||
            QObject::disconnect(action, &QAction::triggered, &m_box, &QLineEdit::paste))
            connect(action, &QAction::triggered, this, [this] { paste(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
}

bool ArrivingTextFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_box || m_box.isReadOnly())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent&>(*event));
    case QEvent::InputMethod:
        return inputMethod(static_cast<const QInputMethodEvent&>(*event));
    case QEvent::Drop:
        return drop(static_cast<QDropEvent&>(*event));
    case QEvent::ContextMenu:
        contextMenu(static_cast<const QContextMenuEvent&>(*event));
        return true;
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection where the desktop has one (X11).
        if (static_cast<const QMouseEvent&>(*event).button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection()) {
            m_box.deselect();
            paste(QClipboard::Selection);
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace

void shapeArrivingText(QLineEdit& box, TextShape shape)
{
    box.installEventFilter(new ArrivingTextFilter(box, shape));
}

bool refuseDrop(const QLineEdit& box, QDropEvent& event)
{
    if (box.validator() == nullptr || !event.mimeData()->hasText())
        return false;
    QString dropped = event.mimeData()->text();
    int position = 0;
    if (box.validator()->validate(dropped, position) != QValidator::Invalid)
        return false;
    event.ignore();
    return true;
}

} // namespace skyvarre
