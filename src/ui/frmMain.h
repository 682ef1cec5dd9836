#pragma once

#include <QDialog>

#include <memory>

class QCloseEvent;
class QKeyEvent;

namespace skyvarre {

namespace Ui {
class frmMain;
}

class WindowHost;

// frmMain: a name and a date of birth, the find command that looks up
// Sedna's sign and hands it to frmDisplay, and the program's menus and
// promotional links. A dialog for its keys and its screen-reader role: Exit is
// its default and its cancel button; a top-level window of its own.
class frmMain : public QDialog
{
    Q_OBJECT

public:
    // The two promotional labels that lie on top of each other in the bottom strip.
    enum class PromotionLabel
    {
        CoBrand,
        FullBrand
    };

    // Builds the window hidden and runs its load steps: the lists are filled,
    // 1 January 1900 is selected, and the focus is in the name box.
    explicit frmMain(WindowHost& host, QWidget* parent = nullptr);
    ~frmMain() override;

    // Brings one of the stacked promotional labels to the front, where it is
    // the one seen, clicked and reached by Tab.
    void bringToFront(PromotionLabel label);

    // The find flow: checks the entries, determines the sign, fills the result
    // window and has the host show it. Invalid entries only show a message.
    void cmdNext_Click();

    // Closes this window, which leads to frmReferFriend.
    void cmdExit_Click();

    // Esc: presses Exit, whose closing steps the dialog's own reject() would
    // skip by merely hiding the window.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLook();
    void nameOpenLists();
    void connectHandlers();
    void Form_Load();

    // Refuses the control keys typed into the name box; true when the event is used up.
    bool txtName_KeyPress(const QKeyEvent& event);
    void showOnlyLettersMessage();

    std::unique_ptr<Ui::frmMain> m_ui;
    WindowHost& m_host;
};

} // namespace skyvarre
