#pragma once

#include <QString>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace skyvarre {

// A text that works as a web link: hand-shaped pointer, and a click signal
// when the left button is pressed and released on it. It takes the focus by
// Tab only, shows it with a focus frame, and Enter or Space then clicks it.
// Assistive tools see it as a link with a press action.
//
// It draws its plain text itself rather than being a QLabel: Qt lays out and
// draws the text of a label that can take the focus through a text document,
// which cost a tenth of the start-up and of every lookup.
class LinkLabel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)

public:
    // An empty link label; its window gives it text and font.
    explicit LinkLabel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);

    // Where the text lies in the label; left and vertically centred unless set.
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    // Whether the text breaks into lines at word boundaries to fit the width.
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);

    // The size of the text on one line, as a label's.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

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
    // The flags that both lay out and draw the text.
    int textFlags() const;

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
    bool m_pressed = false;
};

} // namespace skyvarre
