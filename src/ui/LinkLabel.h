#pragma once

#include <QLabel>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace skyvarre {

// A label that works as a web link: hand-shaped pointer, and a click signal
// when the left button is pressed and released on it. It takes the focus by
// Tab only, shows it with a dotted frame, and Enter or Space then clicks it.
// Assistive tools see it as a link with a press action.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    // An empty link label; its window gives it text and font.
    explicit LinkLabel(QWidget* parent = nullptr);

    // Clicks the link, as a mouse click on it does.
    void click();

signals:
    // The user clicked the label.
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace skyvarre
