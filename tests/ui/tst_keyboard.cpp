#include "EveryWindow.h"
#include "OpenedPages.h"
#include "support/FakeWindowHost.h"
#include "web/LinkTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace skyvarre;
using skyvarre::test::AnyWindow;
using skyvarre::test::buildWindow;
using skyvarre::test::FakeWindowHost;
using skyvarre::test::OpenedPages;

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
    for (const auto& [count, move] : moves) {
        for (int time = 0; time < count; ++time)
            effects.append(QString::fromLatin1(move));
    }
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

private:
    void showActive(QWidget& window);
};

void tst_Keyboard::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Keyboard::showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
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
    showActive(*shown);

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
    showActive(*shown);
    auto* label = shown->findChild<QLabel*>(link);
    QVERIFY(label != nullptr);
    label->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), label);

    typeKeys(*shown, QKeySequence::fromString(keys));

    QCOMPARE(outcome(host, pages, *shown), effects);
}

QTEST_MAIN(tst_Keyboard)
#include "moc_OpenedPages.cpp"
#include "tst_keyboard.moc"
