#pragma once

#include <QDialog>

#include <memory>

class QCloseEvent;
class QString;

namespace skyvarre {

namespace Ui {
class frmDisplay;
}

class WindowHost;

// frmDisplay: the sign Sedna stood in and its interpretation text, with
// Back to frmMain, Exit, and the shared menus and links. A dialog, read out
// whole as it opens, whose default and cancel button is Exit; a top-level
// window of its own.
class frmDisplay : public QDialog
{
    Q_OBJECT

public:
    // Builds the window hidden, showing the "Aries" text until a lookup sets another.
    explicit frmDisplay(WindowHost& host, QWidget* parent = nullptr);
    ~frmDisplay() override;

    // Sets the interpretation text below the sign.
    void setSignDescription(const QString& text);

    // Sets the sign name beside "Sedna in your Chart is Placed in".
    void setSednaSign(const QString& sign);

    // Back: the host discards this window and shows frmMain again.
    void cmdBack_Click();

    // Closes this window, which leads to frmReferFriend.
    void cmdExit_Click();

    // Esc: presses Exit, whose closing steps the dialog's own reject() would
    // skip by merely hiding the window.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyLook();
    // Puts the sign name a space after the sentence it ends.
    void placeSignName();
    void connectHandlers();

    std::unique_ptr<Ui::frmDisplay> m_ui;
    WindowHost& m_host;
};

} // namespace skyvarre
