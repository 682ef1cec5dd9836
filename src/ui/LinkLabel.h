#pragma once

#include <QLabel>

class QMouseEvent;

namespace skyvarre {

// A label that works as a web link: hand-shaped pointer, and a click signal
// when the left button is pressed and released on it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    // An empty link label; its window gives it text and font.
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    // The user clicked the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace skyvarre
