#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace skyvarre {

// Holds the one program-wide instance of a window. The window is built at its
// first use, kept while it is merely hidden, and discarded when it is closed,
// so that the next use builds it afresh from its design.
class WindowInstanceBase : public QObject
{
public:
    ~WindowInstanceBase() override;

    // True while the window has been built and not closed since.
    bool exists() const { return !m_window.isNull(); }

    // Closes the window if it exists, running its closing steps.
    void close();

protected:
    void adopt(QWidget* window);
    QWidget* window() const { return m_window.data(); }

private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    QPointer<QWidget> m_window;
};

template <class Window> class WindowInstance final : public WindowInstanceBase
{
public:
    using Factory = std::function<std::unique_ptr<Window>()>;

    explicit WindowInstance(Factory factory) : m_factory(std::move(factory)) {}

    // The window, built now (running its load steps) if it does not exist.
    Window& get()
    {
        if (!exists())
            adopt(m_factory().release());
        return static_cast<Window&>(*window());
    }

    // The window if it exists, otherwise nullptr; never builds it.
    Window* existing() const { return static_cast<Window*>(window()); }

private:
    Factory m_factory;
};

} // namespace skyvarre
