#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace skyvarre {

// Holds the one program-wide instance of a window. The window is built at its
// first use, kept while it is merely hidden, and discarded when it is closed,
// so that the next use builds it afresh from its design.
template <class Window> class WindowInstance final : public QObject
{
public:
    using Factory = std::function<std::unique_ptr<Window>()>;

    explicit WindowInstance(Factory factory) : m_factory(std::move(factory)) {}

    // Tearing down the program without ending it (tests do): the window goes
    // without its closing steps.
    ~WindowInstance() override { delete m_window.data(); }

    // The window, built now (running its load steps) if it does not exist.
    Window& get()
    {
        if (m_window.isNull()) {
            m_window = m_factory().release();
            m_window->setAttribute(Qt::WA_DeleteOnClose);
            m_window->installEventFilter(this);
        }
        return *m_window;
    }

    // The window if it exists, otherwise nullptr; never builds it.
    Window* existing() const { return m_window.data(); }

    // Closes the window if it exists, running its closing steps.
    void close()
    {
        if (!m_window.isNull())
            m_window->close();
    }

private:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // No window of this program refuses to close, so a close event means
        // the window is on its way out. Forgetting it before its own closing
        // steps run lets those steps (and anything they call) see it as gone
        // already; Qt deletes the widget itself once the event is done
        // (WA_DeleteOnClose).
        if (event->type() == QEvent::Close && watched == m_window.data())
            m_window.clear();
        return false;
    }

    Factory m_factory;
    QPointer<Window> m_window;
};

} // namespace skyvarre
