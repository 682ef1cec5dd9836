#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace skyvarre::bench {

// Ends the event loop once window has painted for the first time: the moment
// a user first sees it. Owned by window.
class EndAfterFirstPaint final : public QObject
{
public:
    explicit EndAfterFirstPaint(QWidget& window) : QObject(&window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_ending) {
            m_ending = true;
            // Queued, so that this paint completes and reaches the screen first.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(0); },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_ending = false;
};

} // namespace skyvarre::bench
