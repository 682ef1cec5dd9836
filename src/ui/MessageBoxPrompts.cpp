#include "MessageBoxPrompts.h"

#include "Look.h"

#include <QApplication>
#include <QMessageBox>

namespace skyvarre {

namespace {

// The program's texts break lines with a lone carriage return, which a Qt
// label does not show as a line break.
QString withLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

void MessageBoxPrompts::showMessage(const QString& text, MessageIcon icon)
{
    // Owned by the active window so that it comes up over it, as a message
    // box belongs to the window that shows it.
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
        look::kMessageTitle, withLineBreaks(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Answer MessageBoxPrompts::askYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::Information, look::kMessageTitle, withLineBreaks(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    // Closing the box without an answer counts as No, the one that opens nothing.
    box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        // No button was chosen: the program's end left the box's event loop.
        return Answer::Unanswered;
    }
}

} // namespace skyvarre
