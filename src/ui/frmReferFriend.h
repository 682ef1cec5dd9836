#pragma once

#include <QDialog>

#include <array>
#include <memory>

class QDropEvent;
class QLineEdit;

namespace skyvarre {

namespace Ui {
class frmReferFriend;
}

class WindowHost;

// frmReferFriend: asks the user to support the maker, links to the maker's
// pages and holds the refer-a-friend form. Leaving it ends the program. A
// dialog, read out whole as it opens; a top-level window of its own.
class frmReferFriend : public QDialog
{
    Q_OBJECT

public:
    // Builds the window hidden and runs its load steps (support text, stay on top).
    explicit frmReferFriend(WindowHost& host, QWidget* parent = nullptr);
    ~frmReferFriend() override;

    // Stores the five fields in TellAFriendEntry, checks the two e-mail
    // addresses and, if they pass, hands the entry to SubmitTellAFriend.
    void cmdSubmit_Click();

    // Esc: nothing. Only Exit and the close box leave this window; the
    // dialog's own reject() would hide it.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Focus
    {
        Got,
        Lost
    };

    // A form field and the placeholder it shows while the user has typed nothing.
    struct FormField
    {
        QWidget* widget = nullptr;
        QString placeholder;
    };

    void applyLook();
    void setInitialTexts();
    void connectHandlers();
    void Form_Load();

    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void formField_Focus(const FormField& field, Focus change);
    void clearPrompt();
    // Refuses a drop the field's rule refuses and clears a prompt the drop
    // replaces; true when the drop is used up.
    bool formField_Drop(const FormField& field, QDropEvent& event);
    void emailField_Refused(QLineEdit& field);
    void txtMessage_Change();

    QString fieldText(const QWidget& field) const;
    void setFieldText(QWidget& field, const QString& text);
    const FormField* formField(const QObject* watched) const;

    std::unique_ptr<Ui::frmReferFriend> m_ui;
    WindowHost& m_host;
    std::array<FormField, 5> m_formFields;
    // The field whose prompt goes once its focus has been announced.
    const FormField* m_promptToClear = nullptr;
};

} // namespace skyvarre
