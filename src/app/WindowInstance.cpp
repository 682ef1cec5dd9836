#include "WindowInstance.h"

#include <QEvent>

namespace skyvarre {

WindowInstanceBase::~WindowInstanceBase()
{
    // Tearing down the program without ending it (tests do): the window goes
    // without its closing steps.
    delete m_window.data();
}

void WindowInstanceBase::close()
{
    if (QWidget* window = m_window.data())
        window->close();
}

void WindowInstanceBase::adopt(QWidget* window)
{
    m_window = window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(this);
}

bool WindowInstanceBase::eventFilter(QObject* watched, QEvent* event)
{
    // No window of this program refuses to close, so a close event means the
    // window is on its way out. Forgetting it before its own closing steps run
    // lets those steps (and anything they call) see it as gone already; Qt
    // deletes the widget itself once the event is done (WA_DeleteOnClose).
    if (event->type() == QEvent::Close && watched == m_window.data())
        m_window.clear();
    return false;
}

} // namespace skyvarre
