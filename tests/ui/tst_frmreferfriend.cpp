#include "WindowInspection.h"
#include "support/FakeWindowHost.h"
#include "ui/LinkLabel.h"
#include "ui/ReferFriendTexts.h"
#include "ui/frmReferFriend.h"
#include "web/LinkTable.h"
#include "web/TellAFriend.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

using namespace skyvarre;
using namespace Qt::StringLiterals;
using skyvarre::test::FakeWindowHost;
using skyvarre::test::showActive;

namespace {

// Stands in for the browser: every address the program opens lands here.
class BrowserSeam : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

// Closes every window from CloseAllAndEnd as the program does, this window
// included, so that the window's closing handler runs again while it is at work.
class ClosingHost : public FakeWindowHost
{
public:
    void CloseAllAndEnd() override
    {
        ++closeAllAndEndCalls;
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows)
            window->close();
    }
};

// Records messages like FakePrompts and moves the focus to another control
// while the message is up, so that a test sees whether the window puts it back.
class FocusTakingPrompts final : public Prompts
{
public:
    void showMessage(const QString& text, MessageIcon icon) override
    {
        messages.append({text, icon});
        if (taker != nullptr)
            taker->setFocus(Qt::OtherFocusReason);
    }

    Answer askYesNo(const QString& /*text*/) override { return Answer::No; }

    QList<skyvarre::test::FakePrompts::Message> messages;
    QWidget* taker = nullptr;
};

class FocusTakingHost : public FakeWindowHost
{
public:
    Prompts& prompts() override { return takingPrompts; }

    FocusTakingPrompts takingPrompts;
};

QString textOf(const QWidget* field)
{
    if (const auto* message = qobject_cast<const QPlainTextEdit*>(field))
        return message->toPlainText();
    return qobject_cast<const QLineEdit*>(field)->text();
}

void setTextOf(QWidget* field, const QString& text)
{
    if (auto* message = qobject_cast<QPlainTextEdit*>(field)) {
        message->setPlainText(text);
        return;
    }
    qobject_cast<QLineEdit*>(field)->setText(text);
}

// How text reaches a field other than key by key.
enum class Arrival
{
    Paste,
    Drop,
    DropOnThePrompt, // without entering the field first
    InputMethodCommit,
};

const QStringList kFieldNames = {"txtName", "txtEmail", "txtMessage", "txtFriendName",
                                 "txtFriendEmail"};

} // namespace

Q_DECLARE_METATYPE(Arrival)

class tst_frmReferFriend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void opensWithItsPromptsAndTheFocusOnExit();
    void tabVisitsTheControlsInTheirOrder();
    void typingAfterTabFromFriendNameGoesIntoTheMessage();
    void placeholders_data();
    void placeholders();
    void visitingAnotherWindowLeavesThePlaceholdersAlone();
    void typedSpace_data();
    void typedSpace();
    void spaceArrivingOtherwiseInAnEmailField_data();
    void spaceArrivingOtherwiseInAnEmailField();
    void aFieldTakesItsLongestTextWhole_data();
    void aFieldTakesItsLongestTextWhole();
    void aFormFilledToTheBrimMakesAnAddressFarBelowTheLimit();
    void tickingCheck1OpensTheHomePageOnce_data();
    void tickingCheck1OpensTheHomePageOnce();
    void lblGoToHomeOpensTheCataloguePage();
    void supportTextChoice_data();
    void supportTextChoice();
    void staysOnTopWithoutMinimiseOrMaximise();
    void submissionChecks_data();
    void submissionChecks();
    void entryDropsOnlySpacesAndCarriesLineBreaksAsCrLf();
    void untouchedMessageArrivesWithItsLineBreak();
    void closing_data();
    void closing();

private:
    BrowserSeam m_browser;
};

void tst_frmReferFriend::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
}

void tst_frmReferFriend::init()
{
    TellAFriendEntry = {};
    TellAFriendAddress.clear();
    m_browser.opened.clear();
}

void tst_frmReferFriend::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_frmReferFriend::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void tst_frmReferFriend::opensWithItsPromptsAndTheFocusOnExit()
{
    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));

    QCOMPARE(QApplication::focusWidget(), window.findChild<QPushButton*>("cmdClose"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Skyvarre v1.15"));
    QCOMPARE(window.findChild<QLabel*>("Label1")->text(), QStringLiteral("Skyvarre v1.15"));
    QCOMPARE(window.size(), QSize(741, 315));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!window.findChild<QCheckBox*>("Check1")->isChecked());

    const QStringList expected = {"Your Name", "Your Email Address", "Your Message\n",
                                  "Friend's Name", "Friend's Email Address"};
    for (qsizetype i = 0; i < kFieldNames.size(); ++i)
        QCOMPARE(textOf(window.findChild<QWidget*>(kFieldNames[i])), expected[i]);
}

void tst_frmReferFriend::tabVisitsTheControlsInTheirOrder()
{
    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));

    // The link to the maker's other programs comes after the designed order.
    const QStringList order = {"Check1",      "Picture1",       "txtName",       "cmdSubmit",
                               "txtEmail",    "txtFriendEmail", "txtFriendName", "txtMessage",
                               "lblGoToHome", "cmdClose"};
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, order);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblGoToHome"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtMessage"));
}

void tst_frmReferFriend::typingAfterTabFromFriendNameGoesIntoTheMessage()
{
    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    auto* friendName = window.findChild<QLineEdit*>("txtFriendName");
    auto* message = window.findChild<QPlainTextEdit*>("txtMessage");

    friendName->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(friendName, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), message);
    QTest::keyClicks(message, "Hi");

    QVERIFY(message->toPlainText().contains("Hi"));
    QCOMPARE(friendName->text(), QStringLiteral("Friend's Name"));
}

void tst_frmReferFriend::placeholders_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("afterEntering");
    QTest::addColumn<QString>("afterLeaving");

    QTest::newRow("entering txtName that shows its prompt empties it") << "txtName"
                                                                       << "Your Name"
                                                                       << ""
                                                                       << "Your Name";
    QTest::newRow("entering txtName that shows the prompt in other case leaves it") << "txtName"
                                                                                    << "your name"
                                                                                    << "your name"
                                                                                    << "your name";
    QTest::newRow("a prompt padded with spaces still counts as the prompt")
        << "txtEmail"
        << "  Your Email Address "
        << ""
        << "Your Email Address";
    QTest::newRow("a prompt followed by a tab is the user's text") << "txtFriendEmail"
                                                                   << "Friend's Email Address\t"
                                                                   << "Friend's Email Address\t"
                                                                   << "Friend's Email Address\t";
    QTest::newRow("a name field left holding only spaces gets its prompt back") << "txtFriendName"
                                                                                << "   "
                                                                                << "   "
                                                                                << "Friend's Name";
    QTest::newRow("a typed name survives entering and leaving") << "txtName"
                                                                << "Ann"
                                                                << "Ann"
                                                                << "Ann";
    QTest::newRow("the message's initial text with its line break stays on entering")
        << "txtMessage"
        << "Your Message\r\n"
        << "Your Message\n"
        << "Your Message\n";
    QTest::newRow("a message showing just its prompt is emptied and restored") << "txtMessage"
                                                                               << "Your Message"
                                                                               << ""
                                                                               << "Your Message";
    QTest::newRow("a message holding only a line break is not empty") << "txtMessage"
                                                                      << "\n"
                                                                      << "\n"
                                                                      << "\n";
}

void tst_frmReferFriend::placeholders()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, afterEntering);
    QFETCH(QString, afterLeaving);

    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    auto* control = window.findChild<QWidget*>(field);
    QVERIFY(control);
    setTextOf(control, before);
    const QString shown = textOf(control);

    control->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), control);
    // The text stays while the focus change is announced; the prompt goes on
    // the next turn of the event loop.
    QCOMPARE(textOf(control), shown);
    QCoreApplication::processEvents();
    QTRY_COMPARE(textOf(control), afterEntering);

    window.findChild<QPushButton*>("cmdClose")->setFocus(Qt::TabFocusReason);
    QCOMPARE(textOf(control), afterLeaving);
}

void tst_frmReferFriend::visitingAnotherWindowLeavesThePlaceholdersAlone()
{
    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    auto* name = window.findChild<QLineEdit*>("txtName");
    name->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(name->text(), QString());

    {
        QWidget other;
        QVERIFY(showActive(other));
        QCOMPARE(name->text(), QString());
    }
    QVERIFY(showActive(window));
    QCOMPARE(QApplication::focusWidget(), name);
    QCOMPARE(name->text(), QString());
}

void tst_frmReferFriend::typedSpace_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("refused");

    QTest::newRow("txtEmail refuses a typed space") << "txtEmail"
                                                    << "ab" << true;
    QTest::newRow("txtFriendEmail refuses a typed space") << "txtFriendEmail"
                                                          << "ab" << true;
    QTest::newRow("txtName takes a typed space") << "txtName"
                                                 << "a b" << false;
    QTest::newRow("txtFriendName takes a typed space") << "txtFriendName"
                                                       << "a b" << false;
}

void tst_frmReferFriend::typedSpace()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QFETCH(bool, refused);

    FocusTakingHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    host.takingPrompts.taker = window.findChild<QPushButton*>("cmdClose");
    auto* control = window.findChild<QLineEdit*>(field);
    control->setFocus(Qt::MouseFocusReason);

    QTest::keyClicks(control, "a b");
    QCoreApplication::processEvents();

    QCOMPARE(control->text(), expected);
    QCOMPARE(QApplication::focusWidget(), control);
    const auto& messages = host.takingPrompts.messages;
    QCOMPARE(messages.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(messages[0].text, referfriend::kEmailCannotContainSpace);
        QCOMPARE(messages[0].icon, MessageIcon::Critical);
    }
}

void tst_frmReferFriend::spaceArrivingOtherwiseInAnEmailField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<Arrival>("arrival");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("an address with a space pasted into txtEmail is refused whole")
        << "txtEmail" << Arrival::Paste << "ann lee@example.org"
        << "";
    QTest::newRow("an address with a space dropped on txtFriendEmail is refused")
        << "txtFriendEmail" << Arrival::Drop << "bob lee@example.net"
        << "";
    QTest::newRow("an address dropped on txtEmail showing its prompt replaces the prompt")
        << "txtEmail" << Arrival::DropOnThePrompt << "ann@example.org"
        << "ann@example.org";
    QTest::newRow("an address with a space dropped on a prompt is refused")
        << "txtEmail" << Arrival::DropOnThePrompt << "ann lee@example.org"
        << "";
    QTest::newRow("a space committed by an input method to txtFriendEmail is refused")
        << "txtFriendEmail" << Arrival::InputMethodCommit << " "
        << "";
    QTest::newRow("an address without a space pasted into txtEmail goes in")
        << "txtEmail" << Arrival::Paste << "ann@example.org"
        << "ann@example.org";
    QTest::newRow("a name field takes a pasted space")
        << "txtFriendName" << Arrival::Paste << "Bob Lee"
        << "Bob Lee";
}

void tst_frmReferFriend::spaceArrivingOtherwiseInAnEmailField()
{
    QFETCH(QString, field);
    QFETCH(Arrival, arrival);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    FocusTakingHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    host.takingPrompts.taker = window.findChild<QPushButton*>("cmdClose");
    auto* control = window.findChild<QLineEdit*>(field);
    if (arrival != Arrival::DropOnThePrompt)
        control->setFocus(Qt::MouseFocusReason);
    QApplication::clipboard()->setText(text);

    switch (arrival) {
    case Arrival::Paste:
        QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
        break;
    case Arrival::Drop:
    case Arrival::DropOnThePrompt: {
        QMimeData data;
        data.setText(text);
        const QPoint end(control->width() - 2, control->height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(control, &enter);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(control, &drop);
        // The source of a refused drop must keep its text.
        QCOMPARE(drop.isAccepted(), expected == text);
        break;
    }
    case Arrival::InputMethodCommit: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(control, &commit);
        break;
    }
    }
    QApplication::clipboard()->clear();

    // The refusal's message comes on the next turn, and the prompt goes once
    // the field's focus has been announced.
    const auto& messages = host.takingPrompts.messages;
    QTRY_COMPARE(messages.size(), expected == text ? 0 : 1);
    QTRY_COMPARE(control->text(), expected);
    if (!messages.isEmpty()) {
        QCOMPARE(QApplication::focusWidget(), control);
        QCOMPARE(messages[0].text, referfriend::kEmailCannotContainSpace);
        QCOMPARE(messages[0].icon, MessageIcon::Critical);
    }
    // Once the text is settled, the next key is judged on its own.
    QTest::keyClick(control, 'x');
    QCoreApplication::processEvents();
    QCOMPARE(control->text(), expected + u'x');
    QCOMPARE(messages.size(), expected == text ? 0 : 1);
}

void tst_frmReferFriend::aFieldTakesItsLongestTextWhole_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");

    QTest::newRow("a name of 256 characters is kept whole, the 257th cut off")
        << "txtFriendName" << QString(257, u'A') << QString(256, u'A');
    QTest::newRow("an e-mail address of 254 characters is kept whole, the 255th cut off")
        << "txtEmail" << QString(255, u'A') << QString(254, u'A');
    QTest::newRow("a message of 2,000 characters is kept whole, the 2,001st cut off")
        << "txtMessage" << QString(2001, u'A') << QString(2000, u'A');
    QTest::newRow("a name is not cut between the two halves of a character")
        << "txtName" << QString(255, u'A') + QStringLiteral("\U00020000") << QString(255, u'A');
    QTest::newRow("a message is not cut between a letter and its accent")
        << "txtMessage" << QString(1999, u'A') + QStringLiteral("e\u0301") << QString(1999, u'A');
}

void tst_frmReferFriend::aFieldTakesItsLongestTextWhole()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);

    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    auto* control = window.findChild<QWidget*>(field);
    control->setFocus(Qt::TabFocusReason);
    setTextOf(control, QString());
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    QApplication::clipboard()->clear();

    QCOMPARE(textOf(control), kept);
}

void tst_frmReferFriend::aFormFilledToTheBrimMakesAnAddressFarBelowTheLimit()
{
    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    // Characters of four bytes in UTF-8 and twelve once percent-encoded, far
    // more of them than any field takes.
    const QString flood = u"\U0001F642"_s.repeated(100000);
    const std::pair<const char*, QString> fields[] = {
        {"txtName", flood},
        {"txtEmail", u"ann@mail.example"_s + flood},
        {"txtFriendName", flood},
        {"txtFriendEmail", u"bob@mail.example"_s + flood},
    };
    for (const auto& [name, text] : fields) {
        auto* field = window.findChild<QLineEdit*>(name);
        field->setFocus(Qt::TabFocusReason);
        QApplication::clipboard()->setText(text);
        field->paste();
    }
    auto* message = window.findChild<QPlainTextEdit*>("txtMessage");
    message->setFocus(Qt::TabFocusReason);
    QApplication::clipboard()->setText(flood);
    message->paste();
    QApplication::clipboard()->clear();

    QTest::mouseClick(window.findChild<QPushButton*>("cmdSubmit"), Qt::LeftButton);

    QVERIFY(host.fakePrompts.messages.isEmpty());
    QCOMPARE(m_browser.opened.size(), 1);
    // What one argument of the browser launcher may hold on Linux.
    const qsizetype launcherLimit = 128 * 1024;
    QVERIFY2(m_browser.opened[0].toEncoded().size() < launcherLimit / 2,
             QByteArray::number(m_browser.opened[0].toEncoded().size()));
}

void tst_frmReferFriend::tickingCheck1OpensTheHomePageOnce_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("a mouse click on the box") << true;
    QTest::newRow("the space key on the focused box") << false;
}

void tst_frmReferFriend::tickingCheck1OpensTheHomePageOnce()
{
    QFETCH(bool, byMouse);

    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    auto* check = window.findChild<QCheckBox*>("Check1");

    if (byMouse) {
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(10, check->height() / 2));
    } else {
        check->setFocus(Qt::TabFocusReason);
        QTest::keyClick(check, Qt::Key_Space);
    }

    QCOMPARE(m_browser.opened, QList<QUrl>{QUrl(pageAddress(Page::Home))});
    QVERIFY(!check->isChecked());
}

void tst_frmReferFriend::lblGoToHomeOpensTheCataloguePage()
{
    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    auto* link = window.findChild<LinkLabel*>("lblGoToHome");

    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(m_browser.opened, QList<QUrl>{QUrl(pageAddress(Page::SoftwareCatalogue))});
}

void tst_frmReferFriend::supportTextChoice_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("k");

    QTest::newRow("r = 0 picks the first text") << 0.0f << 0;
    QTest::newRow("r just below a quarter still picks the first text") << 0.2499999f << 0;
    QTest::newRow("r = 0.25 picks the second text") << 0.25f << 1;
    QTest::newRow("r = 0.5 picks the third text") << 0.5f << 2;
    QTest::newRow("r just below three quarters picks the third text") << 0.7499999f << 2;
    QTest::newRow("r = 0.75 picks the fourth text") << 0.75f << 3;
    QTest::newRow("r just below 1 picks the fourth text") << 0.9999999f << 3;
    QTest::newRow("an out-of-range r = 1 does not run past the table") << 1.0f << 3;
    QTest::newRow("an out-of-range negative r picks the first text") << -0.5f << 0;
}

void tst_frmReferFriend::supportTextChoice()
{
    QFETCH(float, r);
    QFETCH(int, k);

    FakeWindowHost host;
    host.fakeRandom.values = {r};
    frmReferFriend window(host);

    QCOMPARE(window.findChild<QLabel*>("Label2")->text(),
             referfriend::kSupportTexts[static_cast<std::size_t>(k)]);
    QCOMPARE(host.fakeRandom.seeds, 1);
    QCOMPARE(host.fakeRandom.draws, 1);
}

void tst_frmReferFriend::staysOnTopWithoutMinimiseOrMaximise()
{
    FakeWindowHost host;
    frmReferFriend window(host);
    const Qt::WindowFlags flags = window.windowFlags();

    QVERIFY(window.isWindow());
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!window.isVisible());
}

void tst_frmReferFriend::submissionChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("message");

    const QString distinct = referfriend::kDistinctAddresses;
    const QString proper = referfriend::kProperAddress;
    const QString ann = QStringLiteral("Ann");
    const QString own = QStringLiteral("ann@example.org");
    const QString theirs = QStringLiteral("bob@example.net");

    QTest::newRow("the same address twice is not distinct") << ann << own << own << distinct;
    QTest::newRow("addresses are compared with their spaces trimmed")
        << ann << " " + own << own + "  " << distinct;
    QTest::newRow("distinctness is checked before the at-sign") << ann << "nothing"
                                                                << "nothing" << distinct;
    QTest::newRow("untouched e-mail prompts lack an at-sign") << ann << "Your Email Address"
                                                              << "Friend's Email Address" << proper;
    QTest::newRow("own address without an at-sign") << ann << "ann.example.org" << theirs << proper;
    QTest::newRow("friend's address without an at-sign")
        << ann << own << "bob.example.net" << proper;
    QTest::newRow("own address without a dot") << ann << "ann@example" << theirs << proper;
    QTest::newRow("friend's address without a dot") << ann << own << "bob@example" << proper;
    QTest::newRow("addresses differing only in case are distinct")
        << ann << "Ann@Example.org" << own << QString();
    QTest::newRow("a dot before the at-sign is enough")
        << ann << "ann.lee@example" << theirs << QString();
    QTest::newRow("an address ending in a dot passes")
        << ann << "ann@example." << theirs << QString();
    QTest::newRow("a name left at its prompt is caught after the e-mail checks")
        << "Your Name" << own << theirs << "Please Enter Your Name";
}

void tst_frmReferFriend::submissionChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, friendEmail);
    QFETCH(QString, message);

    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    // In the order of kFieldNames.
    const QStringList texts = {name, email, "Hello\n", "Bob", friendEmail};
    for (qsizetype i = 0; i < kFieldNames.size(); ++i)
        setTextOf(window.findChild<QWidget*>(kFieldNames[i]), texts[i]);
    const QString earlierAddress = QStringLiteral("http://earlier.example/");
    TellAFriendAddress = earlierAddress;

    QTest::mouseClick(window.findChild<QPushButton*>("cmdSubmit"), Qt::LeftButton);

    // The rows pad with spaces only, which the entry drops.
    QCOMPARE(TellAFriendEntry.name, name.trimmed());
    QCOMPARE(TellAFriendEntry.email, email.trimmed());
    QCOMPARE(TellAFriendEntry.message, QStringLiteral("Hello\r\n"));
    QCOMPARE(TellAFriendEntry.friendName, QStringLiteral("Bob"));
    QCOMPARE(TellAFriendEntry.friendEmail, friendEmail.trimmed());
    for (qsizetype i = 0; i < kFieldNames.size(); ++i)
        QCOMPARE(textOf(window.findChild<QWidget*>(kFieldNames[i])), texts[i]);
    QCOMPARE(QApplication::focusWidget(), window.findChild<QPushButton*>("cmdSubmit"));

    if (message.isEmpty()) {
        QVERIFY(host.fakePrompts.messages.isEmpty());
        QCOMPARE(m_browser.opened.size(), 1);
        QCOMPARE(m_browser.opened[0], QUrl(TellAFriendAddress));
    } else {
        QCOMPARE(host.fakePrompts.messages.size(), 1);
        QCOMPARE(host.fakePrompts.messages[0].text, message);
        QCOMPARE(host.fakePrompts.messages[0].icon, MessageIcon::Critical);
        QVERIFY(m_browser.opened.isEmpty());
        QCOMPARE(TellAFriendAddress, earlierAddress);
    }
}

void tst_frmReferFriend::entryDropsOnlySpacesAndCarriesLineBreaksAsCrLf()
{
    FakeWindowHost host;
    frmReferFriend window(host);
    setTextOf(window.findChild<QWidget*>("txtName"), "  Ann Lee\t ");
    setTextOf(window.findChild<QWidget*>("txtEmail"), " same@example.org");
    setTextOf(window.findChild<QWidget*>("txtMessage"), u" Hi\u00a0you\nthere\r\n "_s);
    setTextOf(window.findChild<QWidget*>("txtFriendName"), "\tBob");
    setTextOf(window.findChild<QWidget*>("txtFriendEmail"), "same@example.org ");

    window.cmdSubmit_Click();

    QCOMPARE(TellAFriendEntry.name, QStringLiteral("Ann Lee\t"));
    QCOMPARE(TellAFriendEntry.email, QStringLiteral("same@example.org"));
    QCOMPARE(TellAFriendEntry.message, u"Hi\u00a0you\r\nthere\r\n"_s);
    QCOMPARE(TellAFriendEntry.friendName, QStringLiteral("\tBob"));
    QCOMPARE(TellAFriendEntry.friendEmail, QStringLiteral("same@example.org"));
    QCOMPARE(host.fakePrompts.messages.size(), 1);
}

void tst_frmReferFriend::untouchedMessageArrivesWithItsLineBreak()
{
    FakeWindowHost host;
    frmReferFriend window(host);
    QVERIFY(showActive(window));
    window.findChild<QLineEdit*>("txtName")->setText("Ann Lee");
    window.findChild<QLineEdit*>("txtEmail")->setText("ann@example.org");
    window.findChild<QLineEdit*>("txtFriendName")->setText("Bob");
    window.findChild<QLineEdit*>("txtFriendEmail")->setText("bob@example.net");
    auto* submit = window.findChild<QPushButton*>("cmdSubmit");

    QTest::mouseClick(submit, Qt::LeftButton);

    QVERIFY(host.fakePrompts.messages.isEmpty());
    QCOMPARE(m_browser.opened.size(), 1);
    const QUrl opened = m_browser.opened[0];
    QVERIFY2(opened.toString(QUrl::FullyEncoded).contains("&taf3=Your%20Message%0D%0A&taf4="),
             qPrintable(opened.toString(QUrl::FullyEncoded)));
    const QUrlQuery query(opened);
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), QStringLiteral("Ann Lee"));
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QStringLiteral("Your Message\r\n"));
    QCOMPARE(window.findChild<QPlainTextEdit*>("txtMessage")->toPlainText(),
             QStringLiteral("Your Message\n"));

    QTest::mouseClick(submit, Qt::LeftButton);
    QCOMPARE(m_browser.opened.size(), 2);
    QCOMPARE(m_browser.opened[1], opened);
    QVERIFY(window.isVisible());
}

void tst_frmReferFriend::closing_data()
{
    QTest::addColumn<bool>("byExitButton");
    QTest::addColumn<int>("callsWhenHostClosesEverything");

    // The Exit button's own call closes this window, whose closing handler
    // then calls CloseAllAndEnd once more; the close box starts with the latter.
    QTest::newRow("the title bar's close box") << false << 1;
    QTest::newRow("the Exit button") << true << 2;
}

void tst_frmReferFriend::closing()
{
    QFETCH(bool, byExitButton);
    QFETCH(int, callsWhenHostClosesEverything);

    const auto leave = [byExitButton](frmReferFriend& window) {
        if (byExitButton)
            QTest::mouseClick(window.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        else
            window.close();
    };

    FakeWindowHost recordingHost;
    {
        frmReferFriend window(recordingHost);
        QVERIFY(showActive(window));
        leave(window);
        QCOMPARE(recordingHost.closeAllAndEndCalls, 1);
        QVERIFY(recordingHost.fakePrompts.messages.isEmpty());
    }

    ClosingHost closingHost;
    frmReferFriend window(closingHost);
    QVERIFY(showActive(window));
    leave(window);
    QCOMPARE(closingHost.closeAllAndEndCalls, callsWhenHostClosesEverything);
    QVERIFY(!window.isVisible());
    QVERIFY(closingHost.fakePrompts.messages.isEmpty());
}

QTEST_MAIN(tst_frmReferFriend)
#include "tst_frmreferfriend.moc"
