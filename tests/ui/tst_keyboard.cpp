#include "EveryWindow.h"
#include "OpenedPages.h"
#include "support/FakeWindowHost.h"
#include "ui/LinkLabel.h"
#include "web/LinkTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace skyvarre;
using skyvarre::test::AnyWindow;
using skyvarre::test::buildWindow;
using skyvarre::test::control;
using skyvarre::test::FakeWindowHost;
using skyvarre::test::HostWithResultWindow;
using skyvarre::test::OpenedPages;
using skyvarre::test::showActive;

namespace {

// What the keys made the window do, one line per effect, in a fixed order.
QStringList outcome(const FakeWindowHost& host, const OpenedPages& pages, const QWidget& window)
{
    QStringList effects;
    for (const auto& message : host.fakePrompts.messages)
        effects.append(QStringLiteral("message: ") + message.text);
    for (const QString& address : pages.addresses)
        effects.append(QStringLiteral("opened ") + address);
    const std::pair<int, const char*> moves[] = {
        {host.showResultCalls, "result shown"},      {host.goBackCalls, "back"},
        {host.showFarewellCalls, "farewell shown"},  {host.showAboutCalls, "About shown"},
        {host.closeAllAndEndCalls, "program ended"},
    };
    for (const auto& [count, move] : moves)
        for (int time = 0; time < count; ++time)
            effects.append(QString::fromLatin1(move));
    if (!window.isVisible())
        effects.append(QStringLiteral("closed"));
    return effects;
}

// Types keys the way a user does: each key goes to the open menu if there is
// one, else to the control with the focus.
void typeKeys(QWidget& window, const QKeySequence& keys)
{
    for (int index = 0; index < keys.count(); ++index) {
        QWidget* target = QApplication::activePopupWidget();
        if (target == nullptr)
            target = QApplication::focusWidget();
        if (target == nullptr)
            target = &window;
        const QKeyCombination key = keys[index];
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
}

// An access key clicks its button as a mouse would, seen pressed for a moment:
// the click comes from a timer once the button is let go.
bool noButtonHeldDown(const QWidget& window)
{
    const auto buttons = window.findChildren<QAbstractButton*>();
    return std::none_of(buttons.begin(), buttons.end(),
                        [](const QAbstractButton* button) { return button->isDown(); });
}

// What the window's text boxes and lists hold, to see that a key changed none of it.
QStringList entries(const QWidget& window)
{
    QStringList held;
    for (const QLineEdit* box : window.findChildren<QLineEdit*>())
        held.append(box->objectName() + QLatin1Char('=') + box->text());
    for (const QComboBox* list : window.findChildren<QComboBox*>())
        held.append(list->objectName() + QLatin1Char('=') + list->currentText());
    return held;
}

} // namespace

class tst_Keyboard : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void accessKeysReachEveryAction_data();
    void accessKeysReachEveryAction();
    void aFocusedLinkOpensItsPageFromTheKeyboard_data();
    void aFocusedLinkOpensItsPageFromTheKeyboard();
    void enterAndEscapePressTheButtonsOfTheMainWindows_data();
    void enterAndEscapePressTheButtonsOfTheMainWindows();
};

void tst_Keyboard::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Keyboard::accessKeysReachEveryAction_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("effects");

    const QString nameMissing = QStringLiteral("message: Please Enter Your Name");
    const auto opened = [](Page page) { return QStringLiteral("opened ") + pageAddress(page); };

    const AnyWindow input = AnyWindow::Input;
    QTest::newRow("Alt+S on the input window runs Find")
        << input << "Alt+S" << QStringList{nameMissing};
    QTest::newRow("Alt+E on the input window presses Exit")
        << input << "Alt+E" << QStringList{"farewell shown", "closed"};
    QTest::newRow("Alt+F then S on the input window runs Find from the menu")
        << input << "Alt+F, S" << QStringList{nameMissing};
    QTest::newRow("Alt+F then X on the input window exits from the menu")
        << input << "Alt+F, X" << QStringList{"farewell shown", "closed"};
    QTest::newRow("Alt+H then O on the input window opens the online help")
        << input << "Alt+H, O" << QStringList{opened(Page::OnlineHelp)};
    QTest::newRow("Alt+H then V on the input window opens the home page")
        << input << "Alt+H, V" << QStringList{opened(Page::Home)};
    QTest::newRow("Alt+H then U on the input window opens the download page")
        << input << "Alt+H, U" << QStringList{opened(Page::Download)};
    QTest::newRow("Alt+H then A on the input window opens About")
        << input << "Alt+H, A" << QStringList{"About shown"};
    QTest::newRow("Alt+D on the input window opens the donation page")
        << input << "Alt+D" << QStringList{opened(Page::Donation)};
    QTest::newRow("Alt+O on the input window does nothing, its item being switched off")
        << input << "Alt+O" << QStringList{};

    const AnyWindow result = AnyWindow::Result;
    QTest::newRow("Alt+B on the result window presses Back")
        << result << "Alt+B" << QStringList{"back"};
    QTest::newRow("Alt+E on the result window presses Exit")
        << result << "Alt+E" << QStringList{"farewell shown", "closed"};
    QTest::newRow("Alt+F then B on the result window goes back from the menu")
        << result << "Alt+F, B" << QStringList{"back"};
    QTest::newRow("Alt+F then X on the result window exits from the menu")
        << result << "Alt+F, X" << QStringList{"farewell shown", "closed"};
    QTest::newRow("Alt+H then O on the result window opens the online help")
        << result << "Alt+H, O" << QStringList{opened(Page::OnlineHelp)};
    QTest::newRow("Alt+H then V on the result window opens the home page")
        << result << "Alt+H, V" << QStringList{opened(Page::Home)};
    QTest::newRow("Alt+H then C on the result window opens the download page")
        << result << "Alt+H, C" << QStringList{opened(Page::Download)};
    QTest::newRow("Alt+H then A on the result window opens About")
        << result << "Alt+H, A" << QStringList{"About shown"};
    QTest::newRow("Alt+D on the result window opens the donation page")
        << result << "Alt+D" << QStringList{opened(Page::Donation)};

    QTest::newRow("Alt+O on the About window presses OK")
        << AnyWindow::About << "Alt+O" << QStringList{"closed"};

    const AnyWindow farewell = AnyWindow::Farewell;
    QTest::newRow("Alt+N on the farewell window submits the form")
        << farewell << "Alt+N" << QStringList{"message: Please Enter Proper Email Address"};
    QTest::newRow("Alt+X on the farewell window presses Exit")
        << farewell << "Alt+X" << QStringList{"program ended"};
}

void tst_Keyboard::accessKeysReachEveryAction()
{
    QFETCH(AnyWindow, window);
    QFETCH(QString, keys);
    QFETCH(QStringList, effects);
    OpenedPages pages;
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    QVERIFY(showActive(*shown));

    typeKeys(*shown, QKeySequence::fromString(keys));
    QTRY_VERIFY(noButtonHeldDown(*shown));

    QCOMPARE(outcome(host, pages, *shown), effects);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
}

void tst_Keyboard::aFocusedLinkOpensItsPageFromTheKeyboard_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("effects");

    const auto opened = [](Page page) { return QStringLiteral("opened ") + pageAddress(page); };

    // Enter must reach the link on the input and result windows, where it
    // otherwise presses the default button, and on the About window, where it
    // otherwise closes the dialog.
    QTest::newRow("Enter on the input window's banner opens the home page, not Exit")
        << AnyWindow::Input << "Label61"
        << "Return" << QStringList{opened(Page::Home)};
    QTest::newRow("keypad Enter on the input window's co-brand link opens its page")
        << AnyWindow::Input << "lblCobrand"
        << "Num+Enter" << QStringList{opened(Page::CoBrand)};
    QTest::newRow("Space on the input window's co-brand link opens its page")
        << AnyWindow::Input << "lblCobrand"
        << "Space" << QStringList{opened(Page::CoBrand)};
    QTest::newRow("Esc on a focused link of the input window still presses Exit")
        << AnyWindow::Input << "Label61"
        << "Esc" << QStringList{"farewell shown", "closed"};
    QTest::newRow("Enter on the result window's full-brand link opens its page, not Exit")
        << AnyWindow::Result << "lblFullBrand"
        << "Return" << QStringList{opened(Page::FullBrand)};
    QTest::newRow("Enter on the About window's home-page link opens it and keeps the window")
        << AnyWindow::About << "lblHomePage"
        << "Return" << QStringList{opened(Page::Home)};
    QTest::newRow("Space on the About window's details link opens the full-brand page")
        << AnyWindow::About << "Label5"
        << "Space" << QStringList{opened(Page::FullBrand)};
    QTest::newRow("Esc on a focused link of the About window still closes it")
        << AnyWindow::About << "Label5"
        << "Esc" << QStringList{"closed"};
    QTest::newRow("Enter on the farewell window's link opens the catalogue page")
        << AnyWindow::Farewell << "lblGoToHome"
        << "Return" << QStringList{opened(Page::SoftwareCatalogue)};
}

void tst_Keyboard::aFocusedLinkOpensItsPageFromTheKeyboard()
{
    QFETCH(AnyWindow, window);
    QFETCH(QString, link);
    QFETCH(QString, keys);
    QFETCH(QStringList, effects);
    OpenedPages pages;
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    QVERIFY(showActive(*shown));
    auto* label = shown->findChild<LinkLabel*>(link);
    QVERIFY(label != nullptr);
    label->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), label);

    typeKeys(*shown, QKeySequence::fromString(keys));

    QCOMPARE(outcome(host, pages, *shown), effects);
}

void tst_Keyboard::enterAndEscapePressTheButtonsOfTheMainWindows_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::addColumn<QString>("focus"); // empty: the key goes to the window itself
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("effects");

    const QStringList exits{"farewell shown", "closed"};
    const QStringList found{"result shown"}; // the host would hide the window
    const QStringList back{"back"};          // the host would discard the window
    const int enter = Qt::Key_Return;
    const int keypadEnter = Qt::Key_Enter;
    const int escape = Qt::Key_Escape;

    const AnyWindow input = AnyWindow::Input;
    QTest::newRow("Enter in the input window's name box presses Exit")
        << input << "txtName" << enter << exits;
    QTest::newRow("keypad Enter in the input window's name box presses Exit")
        << input << "txtName" << keypadEnter << exits;
    QTest::newRow("Enter on the input window's day list presses Exit")
        << input << "cboDate" << enter << exits;
    QTest::newRow("Enter on the input window's month list presses Exit")
        << input << "cboMonth" << enter << exits;
    QTest::newRow("Enter on the input window's year list presses Exit")
        << input << "cboYear" << enter << exits;
    QTest::newRow("Enter on the input window's find button runs Find")
        << input << "cmdNext" << enter << found;
    QTest::newRow("Enter on the input window's Exit presses Exit")
        << input << "cmdExit" << enter << exits;
    QTest::newRow("Esc in the input window's name box presses Exit")
        << input << "txtName" << escape << exits;
    QTest::newRow("Esc on a list of the input window presses Exit")
        << input << "cboMonth" << escape << exits;
    QTest::newRow("Esc on the input window's find button presses Exit")
        << input << "cmdNext" << escape << exits;

    const AnyWindow result = AnyWindow::Result;
    QTest::newRow("Enter on the result window's Exit presses Exit")
        << result << "cmdExit" << enter << exits;
    QTest::newRow("Space on the result window's Exit presses Exit")
        << result << "cmdExit" << int(Qt::Key_Space) << exits;
    QTest::newRow("Enter on the result window's Back presses Back")
        << result << "cmdBack" << enter << back;
    QTest::newRow("keypad Enter on the result window's Back presses Back")
        << result << "cmdBack" << keypadEnter << back;
    QTest::newRow("Esc on the result window's Exit presses Exit")
        << result << "cmdExit" << escape << exits;
    QTest::newRow("Esc on the result window's Back presses Exit")
        << result << "cmdBack" << escape << exits;
    QTest::newRow("Enter on the result window with the focus off the buttons presses Exit")
        << result << "" << enter << exits;
    QTest::newRow("Esc on the farewell window leaves it open with what was typed")
        << AnyWindow::Farewell << "txtFriendName" << escape << QStringList{};
    QTest::newRow("Esc on the farewell window's Exit leaves the window open")
        << AnyWindow::Farewell << "cmdClose" << escape << QStringList{};
}

void tst_Keyboard::enterAndEscapePressTheButtonsOfTheMainWindows()
{
    QFETCH(AnyWindow, window);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QStringList, effects);
    OpenedPages pages;
    HostWithResultWindow host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    QVERIFY(showActive(*shown));
    // A name the checks pass, so that Find shows the result.
    if (window == AnyWindow::Input)
        control<QLineEdit>(*shown, "txtName").setText(QStringLiteral("ANNA"));
    if (window == AnyWindow::Farewell)
        control<QLineEdit>(*shown, "txtFriendName").setText(QStringLiteral("Bob"));
    const QStringList entered = entries(*shown);
    QWidget* target = shown.get();
    if (!focus.isEmpty()) {
        target = &control<QWidget>(*shown, qPrintable(focus));
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
    }

    QTest::keyClick(target, static_cast<Qt::Key>(key));

    QCOMPARE(outcome(host, pages, *shown), effects);
    QCOMPARE(entries(*shown), entered);
}

QTEST_MAIN(tst_Keyboard)
#include "moc_OpenedPages.cpp"
#include "tst_keyboard.moc"
