#include "EveryWindow.h"
#include "OpenedPages.h"
#include "WindowInspection.h"
#include "sign/Interpretation.h"
#include "support/FakeWindowHost.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "web/LinkTable.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace skyvarre;
using skyvarre::test::control;
using skyvarre::test::FakePrompts;
using skyvarre::test::HostWithResultWindow;
using skyvarre::test::OpenedPages;
using skyvarre::test::showActive;
using skyvarre::test::toQString;

Q_DECLARE_METATYPE(skyvarre::frmMain::PromotionLabel)

namespace {

QStringList messageTexts(const FakePrompts& prompts)
{
    QStringList texts;
    for (const FakePrompts::Message& message : prompts.messages) {
        const bool information = message.icon == MessageIcon::Information;
        texts.append(information ? message.text : QStringLiteral("(wrong icon) ") + message.text);
    }
    return texts;
}

// How text reaches the name box other than key by key.
enum class Arrival
{
    PasteByShiftInsert,
    PasteFromTheContextMenu,
    Drop,
    InputMethodCommit,
    CompositionThenCommit,
};

} // namespace

Q_DECLARE_METATYPE(Arrival)

class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newWindowShowsAnEmptyNameAndTheFirstDate();
    void listsHoldEveryDayMonthAndYear();
    void windowHasAFixedClientAreaCaptionAndIcon();
    void tabOrderRunsDownTheWindowWithTheLinksWhereTheyStand_data();
    void tabOrderRunsDownTheWindowWithTheLinksWhereTheyStand();
    void labelsShowTheirWholeText();

    void typedKeysAreFiltered_data();
    void typedKeysAreFiltered();
    void keysOfEveryScriptAreJudgedCharacterByCharacter_data();
    void keysOfEveryScriptAreJudgedCharacterByCharacter();
    void aTurkishBoxWritesTheDottedCapitalI();
    void textArrivingOtherwiseIsFilteredAsAWhole_data();
    void textArrivingOtherwiseIsFilteredAsAWhole();

    void refusedFindShowsItsMessageAndChangesNothing_data();
    void refusedFindShowsItsMessageAndChangesNothing();
    void validFindFillsTheResultWindow_data();
    void validFindFillsTheResultWindow();
    void fileMenuFindWorksLikeTheButton();
    void findBackFindUsesAFreshResultWindow();

    void onlyTheFrontPromotionIsSeenAndClicked_data();
    void onlyTheFrontPromotionIsSeenAndClicked();

    void enterAndEscapeOnAnOpenListOnlyCloseTheList_data();
    void enterAndEscapeOnAnOpenListOnlyCloseTheList();
    void everyWayOfClosingShowsTheFarewellWindow_data();
    void everyWayOfClosingShowsTheFarewellWindow();

private:
    void setEntries(const QString& name, const QString& day, const QString& month,
                    const QString& year);

    std::unique_ptr<HostWithResultWindow> m_host;
    std::unique_ptr<frmMain> m_window;
    std::unique_ptr<OpenedPages> m_pages;
};

void tst_frmMain::initTestCase()
{
    installFontSubstitutions();
}

void tst_frmMain::init()
{
    m_pages = std::make_unique<OpenedPages>();
    m_host = std::make_unique<HostWithResultWindow>();
    m_window = std::make_unique<frmMain>(*m_host);
}

void tst_frmMain::cleanup()
{
    m_window.reset();
    m_host.reset();
    m_pages.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_frmMain::setEntries(const QString& name, const QString& day, const QString& month,
                             const QString& year)
{
    control<QLineEdit>(*m_window, "txtName").setText(name);
    control<QComboBox>(*m_window, "cboDate").setCurrentText(day);
    control<QComboBox>(*m_window, "cboMonth").setCurrentText(month);
    control<QComboBox>(*m_window, "cboYear").setCurrentText(year);
}

void tst_frmMain::newWindowShowsAnEmptyNameAndTheFirstDate()
{
    QVERIFY(showActive(*m_window));
    QCOMPARE(control<QLineEdit>(*m_window, "txtName").text(), QString());
    QCOMPARE(control<QComboBox>(*m_window, "cboDate").currentText(), QStringLiteral("1"));
    QCOMPARE(control<QComboBox>(*m_window, "cboMonth").currentText(), QStringLiteral("January"));
    QCOMPARE(control<QComboBox>(*m_window, "cboYear").currentText(), QStringLiteral("1900"));
    QCOMPARE(QApplication::focusWidget(), &control<QLineEdit>(*m_window, "txtName"));
    QCOMPARE(m_host->fakePrompts.messages.size(), 0);
}

void tst_frmMain::listsHoldEveryDayMonthAndYear()
{
    auto items = [this](const char* name) {
        const QComboBox& list = control<QComboBox>(*m_window, name);
        QStringList texts;
        for (int index = 0; index < list.count(); ++index)
            texts.append(list.itemText(index));
        return texts;
    };
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days.append(QString::number(day));
    QStringList years;
    for (int year = 1900; year <= 2022; ++year)
        years.append(QString::number(year));

    QCOMPARE(items("cboDate"), days);
    QCOMPARE(items("cboMonth"),
             QStringList({"January", "February", "March", "April", "May", "June", "July", "August",
                          "September", "October", "November", "December"}));
    QCOMPARE(items("cboYear").size(), 123);
    QCOMPARE(items("cboYear"), years);
    for (const char* name : {"cboDate", "cboMonth", "cboYear"})
        QVERIFY2(!control<QComboBox>(*m_window, name).isEditable(), name);
}

void tst_frmMain::windowHasAFixedClientAreaCaptionAndIcon()
{
    QVERIFY(showActive(*m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Skyvarre v1.15"));
    QVERIFY(!m_window->windowIcon().isNull());
    const QWidget& clientArea = control<QWidget>(*m_window, "clientArea");
    QCOMPARE(clientArea.size(), QSize(7260 / 15, 5055 / 15));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(clientArea.y(), control<QMenuBar>(*m_window, "menuBar").height());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
}

void tst_frmMain::tabOrderRunsDownTheWindowWithTheLinksWhereTheyStand_data()
{
    QTest::addColumn<frmMain::PromotionLabel>("front");
    QTest::addColumn<QString>("promotion");
    QTest::newRow("with the co-brand label in front, Tab reaches it just before Exit")
        << frmMain::PromotionLabel::CoBrand << "lblCobrand";
    QTest::newRow("with the full-brand label in front, Tab reaches it just before Exit")
        << frmMain::PromotionLabel::FullBrand << "lblFullBrand";
}

void tst_frmMain::tabOrderRunsDownTheWindowWithTheLinksWhereTheyStand()
{
    QFETCH(frmMain::PromotionLabel, front);
    QFETCH(QString, promotion);
    m_window->bringToFront(front);
    QVERIFY(showActive(*m_window));
    QStringList visited;
    for (int step = 0; step < 8; ++step) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        visited.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // The designed order, with the links where they stand: the promotion left
    // of Exit in the bottom strip, the one behind it skipped, and the banner
    // at the top, just before the name box.
    QCOMPARE(visited, QStringList({"txtName", "cboDate", "cboMonth", "cboYear", "cmdNext",
                                   promotion, "cmdExit", "Label61"}));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtName"));
}

void tst_frmMain::labelsShowTheirWholeText()
{
    QVERIFY(showActive(*m_window));
    for (const char* name : {"Label1", "Label5", "Label7", "Label6", "Label2"}) {
        const QLabel& label = control<QLabel>(*m_window, name);
        QVERIFY2(label.width() >= label.sizeHint().width(), name);
    }
    // The text box and the lists keep their designed places on the name and date rows.
    const QLabel& dateOfBirth = control<QLabel>(*m_window, "Label2");
    QVERIFY(dateOfBirth.geometry().right() < control<QComboBox>(*m_window, "cboDate").x());
}

void tst_frmMain::typedKeysAreFiltered_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<int>("expectedMessages");

    auto typed = [](const char* characters) {
        QTestEventList keys;
        for (const char* character = characters; *character != '\0'; ++character)
            keys.addKeyClick(*character);
        return keys;
    };

    QTest::newRow("a small letter goes in as a capital that Undo can take out")
        << typed("a") << "A" << 0;
    QTest::newRow("a capital stays a capital") << typed("Z") << "Z" << 0;
    QTest::newRow("a typed name arrives in capitals") << typed("anna") << "ANNA" << 0;
    QTest::newRow("a digit is refused with a message") << typed("7") << "" << 1;
    QTest::newRow("characters beside the letter ranges are refused") << typed("[`{@") << "" << 4;
    QTest::newRow("a refused key between letters leaves the letters") << typed("a7b") << "AB" << 1;
    QTest::newRow("space goes in without a message") << typed("a b") << "A B" << 0;

    QTestEventList backspace = typed("ab");
    backspace.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("Backspace deletes without a message") << backspace << "A" << 0;

    QTestEventList cursor = typed("ab");
    cursor.addKeyClick(Qt::Key_Left);
    cursor.addKeyClick('c');
    QTest::newRow("a letter goes in at the cursor") << cursor << "ACB" << 0;

    QTestEventList controlV;
    controlV.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    QTest::newRow("Ctrl+V is a refused key and pastes nothing") << controlV << "" << 1;
}

void tst_frmMain::typedKeysAreFiltered()
{
    QFETCH(QTestEventList, keys);
    QFETCH(QString, expectedName);
    QFETCH(int, expectedMessages);
    QGuiApplication::clipboard()->setText(QStringLiteral("PASTED"));
    QVERIFY(showActive(*m_window));

    QLineEdit& name = control<QLineEdit>(*m_window, "txtName");
    keys.simulate(&name);
    QCoreApplication::processEvents();

    QCOMPARE(name.text(), expectedName);
    // The box keeps what it was given, so Undo is there for what went in.
    QCOMPARE(name.isUndoAvailable(), !expectedName.isEmpty());
    QStringList expected;
    for (int count = 0; count < expectedMessages; ++count)
        expected.append(QStringLiteral("Please Enter only Letters"));
    QCOMPARE(messageTexts(m_host->fakePrompts), expected);
    QVERIFY(m_window->isVisible());
}

void tst_frmMain::keysOfEveryScriptAreJudgedCharacterByCharacter_data()
{
    QTest::addColumn<QString>("typed"); // one key a character, as a keyboard of that script types
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<int>("expectedMessages");

    QTest::newRow("an accented letter goes in as its capital")
        << QStringLiteral("\u00e9") << QStringLiteral("\u00c9") << 0;
    QTest::newRow("Jürgen goes in as JÜRGEN")
        << QStringLiteral("J\u00fcrgen") << QStringLiteral("J\u00dcRGEN") << 0;
    QTest::newRow("Zoë goes in as ZOË")
        << QStringLiteral("Zo\u00eb") << QStringLiteral("ZO\u00cb") << 0;
    QTest::newRow("José goes in as JOSÉ")
        << QStringLiteral("Jos\u00e9") << QStringLiteral("JOS\u00c9") << 0;
    QTest::newRow("Иван goes in as ИВАН") << QStringLiteral("\u0418\u0432\u0430\u043d")
                                          << QStringLiteral("\u0418\u0412\u0410\u041d") << 0;
    QTest::newRow("王芳, a script without case, goes in as typed")
        << QStringLiteral("\u738b\u82b3") << QStringLiteral("\u738b\u82b3") << 0;
    QTest::newRow("7 is refused with the message") << QStringLiteral("7") << QString() << 1;
    QTest::newRow("! is refused with the message") << QStringLiteral("!") << QString() << 1;
    QTest::newRow("a digit of another script is refused")
        << QStringLiteral("\u0663") << QString() << 1;
    QTest::newRow("an emoji, two UTF-16 units, is one refused character")
        << QStringLiteral("\U0001F600") << QString() << 1;
    const QString persian = QStringLiteral("\u062d\u0633\u0646\u200c\u0632\u0627\u062f\u0647");
    QTest::newRow("a Persian surname joined by ZWNJ goes in") << persian << persian << 0;
    const QString sinhala = QStringLiteral("\u0dc1\u0dca\u200d\u0dbb\u0dd3");
    QTest::newRow("Sinhala Sri, joined by ZWJ, goes in") << sinhala << sinhala << 0;
    QTest::newRow("an ideographic space goes in as a space")
        << QStringLiteral("\u738b\u3000\u82b3") << QStringLiteral("\u738b \u82b3") << 0;
    QTest::newRow("a no-break space goes in as a space")
        << QStringLiteral("a\u00a0b") << QStringLiteral("A B") << 0;
    QTest::newRow("a right-to-left mark is dropped without a message")
        << QStringLiteral("\u200fab") << QStringLiteral("AB") << 0;
    QTest::newRow("Georgian გიორგი keeps its letters, which have no capitals for names")
        << QStringLiteral("\u10d2\u10d8\u10dd\u10e0\u10d2\u10d8")
        << QStringLiteral("\u10d2\u10d8\u10dd\u10e0\u10d2\u10d8") << 0;
    QTest::newRow("Weiß goes in as WEIẞ")
        << QStringLiteral("Wei\u00df") << QStringLiteral("WEI\u1e9e") << 0;
    QTest::newRow("a mathematical bold letter is refused")
        << QStringLiteral("\U0001d41a") << QString() << 1;
    QTest::newRow("a Hangul filler, a letter that shows nothing, is refused")
        << QStringLiteral("\u3164") << QString() << 1;
    QTest::newRow("an accent with no letter before it is refused")
        << QStringLiteral("\u0301") << QString() << 1;
    QTest::newRow("an accent and a joiner after a space are refused")
        << QStringLiteral("a \u0301\u200c") << QStringLiteral("A ") << 2;
    const QString thirtyAccents = QString(30, QChar(0x0301));
    QTest::newRow("a letter takes thirty accents and refuses the thirty-first")
        << QStringLiteral("a") + thirtyAccents + QChar(0x0301)
        << QStringLiteral("A") + thirtyAccents << 1;
}

void tst_frmMain::keysOfEveryScriptAreJudgedCharacterByCharacter()
{
    QFETCH(QString, typed);
    QFETCH(QString, expectedName);
    QFETCH(int, expectedMessages);
    QVERIFY(showActive(*m_window));
    QLineEdit& name = control<QLineEdit>(*m_window, "txtName");
    for (const char32_t character : typed.toUcs4())
        QTest::sendKeyEvent(QTest::Click, &name, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                            Qt::NoModifier);
    QCoreApplication::processEvents();

    QCOMPARE(name.text(), expectedName);
    QStringList expected;
    for (int count = 0; count < expectedMessages; ++count)
        expected.append(QStringLiteral("Please Enter only Letters"));
    QCOMPARE(messageTexts(m_host->fakePrompts), expected);
}

void tst_frmMain::aTurkishBoxWritesTheDottedCapitalI()
{
    QVERIFY(showActive(*m_window));
    QLineEdit& name = control<QLineEdit>(*m_window, "txtName");
    name.setLocale(QLocale(QLocale::Turkish));
    for (const QChar character : QStringLiteral("Ay\u015fe \u0130lkin K\u0131l\u0131\u00e7"))
        QTest::sendKeyEvent(QTest::Click, &name, Qt::Key_unknown, character, Qt::NoModifier);
    // The dotted i and the dotless ı are two letters there, each with its capital.
    QCOMPARE(name.text(), QStringLiteral("AY\u015eE \u0130LK\u0130N KILI\u00c7"));
}

void tst_frmMain::textArrivingOtherwiseIsFilteredAsAWhole_data()
{
    QTest::addColumn<Arrival>("arrival");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<int>("expectedMessages");

    // The box holds "AB " before each arrival, the cursor at its end.
    QString fortyWithThreeRefused = QStringLiteral("anna maria ").repeated(4).left(37);
    fortyWithThreeRefused += QStringLiteral("7-!");
    QTest::newRow("a name pasted by Shift+Insert arrives in capitals")
        << Arrival::PasteByShiftInsert << "anna lee"
        << "AB ANNA LEE" << 0;
    QTest::newRow("a paste with a refused character is refused whole, with one message")
        << Arrival::PasteByShiftInsert << QStringLiteral("\u00e97a b") << "AB " << 1;
    QTest::newRow("forty pasted characters with three refused ones bring one message")
        << Arrival::PasteFromTheContextMenu << fortyWithThreeRefused << "AB " << 1;
    QTest::newRow("a pasted line break is refused")
        << Arrival::PasteFromTheContextMenu << QStringLiteral("ann\r\nlee") << "AB " << 1;
    QTest::newRow("dropped digits are refused") << Arrival::Drop << "R2D2"
                                                << "AB " << 1;
    QTest::newRow("a letter committed by an input method arrives as a capital")
        << Arrival::InputMethodCommit << "a"
        << "AB A" << 0;
    QTest::newRow("a composition is left alone until its accented letter is committed as a capital")
        << Arrival::CompositionThenCommit << QStringLiteral("\u00e9") << QStringLiteral("AB \u00c9")
        << 0;
    QTest::newRow("a letter with a combining accent committed by an input method goes in")
        << Arrival::InputMethodCommit << QStringLiteral("e\u0301") << QStringLiteral("AB E\u0301")
        << 0;
    QTest::newRow("Иван pasted arrives as ИВАН")
        << Arrival::PasteByShiftInsert << QStringLiteral("\u0418\u0432\u0430\u043d")
        << QStringLiteral("AB \u0418\u0412\u0410\u041d") << 0;
    QTest::newRow("王芳 dropped goes in as it is")
        << Arrival::Drop << QStringLiteral("\u738b\u82b3") << QStringLiteral("AB \u738b\u82b3")
        << 0;
    QTest::newRow("a pasted name with ! is refused whole")
        << Arrival::PasteFromTheContextMenu << QStringLiteral("zo\u00eb!") << "AB " << 1;
    QTest::newRow("a pasted name arrives in capitals without the direction marks copied with it")
        << Arrival::PasteFromTheContextMenu << QStringLiteral("\u202bzo\u00eb\u202c")
        << QStringLiteral("AB ZO\u00cb") << 0;
    QTest::newRow("a dropped name arrives without its line break at the end")
        << Arrival::Drop << "lee\r\n"
        << "AB LEE" << 0;
    QTest::newRow("an ideographic space committed by an input method goes in as a space")
        << Arrival::InputMethodCommit << QStringLiteral("\u3000") << "AB  " << 0;
    // The box holds 32,767 UTF-16 units: room for one, not for both halves.
    QTest::newRow("a paste cut at the box's length keeps whole characters")
        << Arrival::PasteByShiftInsert << QString(32763, u'a') + QStringLiteral("\U00020000")
        << QStringLiteral("AB ") + QString(32763, u'A') << 0;
}

void tst_frmMain::textArrivingOtherwiseIsFilteredAsAWhole()
{
    QFETCH(Arrival, arrival);
    QFETCH(QString, text);
    QFETCH(QString, expectedName);
    QFETCH(int, expectedMessages);
    QVERIFY(showActive(*m_window));
    QLineEdit& name = control<QLineEdit>(*m_window, "txtName");
    QTest::keyClicks(&name, "ab ");
    QGuiApplication::clipboard()->setText(text);

    switch (arrival) {
    case Arrival::PasteByShiftInsert:
        QTest::keyClick(&name, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Arrival::PasteFromTheContextMenu: {
        const QPoint inside(5, 5);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, inside, name.mapToGlobal(inside));
        QApplication::sendEvent(&name, &menuKey);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        for (QAction* item : menu->actions())
            if (item->text().startsWith(QStringLiteral("&Paste")))
                item->trigger();
        menu->close();
        break;
    }
    case Arrival::Drop: {
        QMimeData data;
        data.setText(text);
        const QPoint end(name.width() - 2, name.height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&name, &enter);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&name, &drop);
        QCOMPARE(drop.isAccepted(), expectedMessages == 0); // the source keeps refused text
        break;
    }
    case Arrival::InputMethodCommit: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(&name, &commit);
        break;
    }
    case Arrival::CompositionThenCommit: {
        QInputMethodEvent composing(text, {});
        QApplication::sendEvent(&name, &composing);
        QCoreApplication::processEvents();
        QCOMPARE(name.text(), QStringLiteral("AB "));
        QCOMPARE(m_host->fakePrompts.messages.size(), 0);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(&name, &commit);
        break;
    }
    }
    QCoreApplication::processEvents();

    QCOMPARE(name.text(), expectedName);
    QStringList expected;
    for (int count = 0; count < expectedMessages; ++count)
        expected.append(QStringLiteral("Please Enter only Letters"));
    QCOMPARE(messageTexts(m_host->fakePrompts), expected);
}

void tst_frmMain::refusedFindShowsItsMessageAndChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("focusGoesToName");

    const QString nameMessage = QStringLiteral("Please Enter Your Name");
    const QString februaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString day31Message = QStringLiteral("Please Enter Correct Date Or Month !");

    QTest::newRow("an empty name is refused") << ""
                                              << "1"
                                              << "January"
                                              << "1990" << nameMessage << true;
    QTest::newRow("an empty name with 31 April gives only the name message")
        << ""
        << "31"
        << "April"
        << "1950" << nameMessage << true;
    QTest::newRow("29 February 1901 is refused") << "ANNA"
                                                 << "29"
                                                 << "February"
                                                 << "1901" << februaryMessage << false;
    QTest::newRow("30 February 2000 is refused") << "ANNA"
                                                 << "30"
                                                 << "February"
                                                 << "2000" << februaryMessage << false;
    QTest::newRow("31 February 1904 is refused") << "ANNA"
                                                 << "31"
                                                 << "February"
                                                 << "1904" << februaryMessage << false;
    QTest::newRow("31 April 1950 is refused") << "ANNA"
                                              << "31"
                                              << "April"
                                              << "1950" << day31Message << false;
    QTest::newRow("31 November 2022 is refused") << "ANNA"
                                                 << "31"
                                                 << "November"
                                                 << "2022" << day31Message << false;
}

void tst_frmMain::refusedFindShowsItsMessageAndChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(bool, focusGoesToName);
    QVERIFY(showActive(*m_window));
    setEntries(name, day, month, year);
    QPushButton& find = control<QPushButton>(*m_window, "cmdNext");

    QTest::mouseClick(&find, Qt::LeftButton);

    QCOMPARE(messageTexts(m_host->fakePrompts), QStringList{message});
    QWidget* expectedFocus =
        focusGoesToName ? static_cast<QWidget*>(&control<QLineEdit>(*m_window, "txtName")) : &find;
    QCOMPARE(QApplication::focusWidget(), expectedFocus);
    QCOMPARE(control<QLineEdit>(*m_window, "txtName").text(), name);
    QCOMPARE(control<QComboBox>(*m_window, "cboDate").currentText(), day);
    QCOMPARE(control<QComboBox>(*m_window, "cboMonth").currentText(), month);
    QCOMPARE(control<QComboBox>(*m_window, "cboYear").currentText(), year);
    QCOMPARE(m_host->resultWindowsBuilt, 0);
    QCOMPARE(m_host->showResultCalls, 0);
    QVERIFY(m_window->isVisible());
}

void tst_frmMain::validFindFillsTheResultWindow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("description");

    const QString aries = toQString(kAriesInterpretation);
    const QString taurus = toQString(kTaurusInterpretation);
    QTest::newRow("1 January 1900 is Aries") << "ANNA"
                                             << "1"
                                             << "January"
                                             << "1900"
                                             << "Aries" << aries;
    QTest::newRow("1 January 1990 is Taurus") << "ANNA"
                                              << "1"
                                              << "January"
                                              << "1990"
                                              << "Taurus" << taurus;
    QTest::newRow("1 January 1950 is Aries") << "ANNA"
                                             << "1"
                                             << "January"
                                             << "1950"
                                             << "Aries" << aries;
    QTest::newRow("31 December 2022 is Taurus") << "ANNA"
                                                << "31"
                                                << "December"
                                                << "2022"
                                                << "Taurus" << taurus;
    QTest::newRow("a name of one blank passes") << " "
                                                << "1"
                                                << "January"
                                                << "1990"
                                                << "Taurus" << taurus;
}

void tst_frmMain::validFindFillsTheResultWindow()
{
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, sign);
    QFETCH(QString, description);
    QVERIFY(showActive(*m_window));
    setEntries(name, day, month, year);

    QTest::mouseClick(&control<QPushButton>(*m_window, "cmdNext"), Qt::LeftButton);

    QCOMPARE(m_host->fakePrompts.messages.size(), 0);
    QCOMPARE(m_host->resultWindowsBuilt, 1);
    QCOMPARE(m_host->showResultCalls, 1);
    QVERIFY(m_host->result);
    const QLabel& signLabel = control<QLabel>(*m_host->result, "lblSednaSign");
    QCOMPARE(signLabel.text(), sign);
    QVERIFY(signLabel.width() >= signLabel.sizeHint().width());
    QCOMPARE(control<QLabel>(*m_host->result, "lblSignDesc").text(), description);
}

void tst_frmMain::fileMenuFindWorksLikeTheButton()
{
    QVERIFY(showActive(*m_window));
    control<QAction>(*m_window, "mnuFindSign").trigger();
    QCOMPARE(messageTexts(m_host->fakePrompts), QStringList{"Please Enter Your Name"});
    QCOMPARE(QApplication::focusWidget(), &control<QLineEdit>(*m_window, "txtName"));

    setEntries(QStringLiteral("ANNA"), QStringLiteral("1"), QStringLiteral("January"),
               QStringLiteral("1990"));
    control<QAction>(*m_window, "mnuFindSign").trigger();
    QCOMPARE(m_host->showResultCalls, 1);
    QCOMPARE(control<QLabel>(*m_host->result, "lblSednaSign").text(), QStringLiteral("Taurus"));
}

void tst_frmMain::findBackFindUsesAFreshResultWindow()
{
    QVERIFY(showActive(*m_window));
    setEntries(QStringLiteral("ANNA"), QStringLiteral("1"), QStringLiteral("January"),
               QStringLiteral("1990"));
    QPushButton& find = control<QPushButton>(*m_window, "cmdNext");
    QTest::mouseClick(&find, Qt::LeftButton);
    QPointer<frmDisplay> first = m_host->result;
    QCOMPARE(control<QLabel>(*first, "lblSednaSign").text(), QStringLiteral("Taurus"));

    first->cmdBack_Click();
    QTRY_VERIFY(first.isNull());
    QCOMPARE(control<QLineEdit>(*m_window, "txtName").text(), QStringLiteral("ANNA"));
    QCOMPARE(control<QComboBox>(*m_window, "cboYear").currentText(), QStringLiteral("1990"));

    control<QComboBox>(*m_window, "cboYear").setCurrentText(QStringLiteral("1950"));
    QTest::mouseClick(&find, Qt::LeftButton);
    QCOMPARE(m_host->resultWindowsBuilt, 2);
    QCOMPARE(control<QLabel>(*m_host->result, "lblSednaSign").text(), QStringLiteral("Aries"));
    QCOMPARE(control<QLabel>(*m_host->result, "lblSignDesc").text(),
             toQString(kAriesInterpretation));
}

void tst_frmMain::onlyTheFrontPromotionIsSeenAndClicked_data()
{
    QTest::addColumn<bool>("choose");
    QTest::addColumn<frmMain::PromotionLabel>("choice");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("address");

    using Label = frmMain::PromotionLabel;
    QTest::newRow("before any choice the co-brand label is in front")
        << false << Label::CoBrand << "lblCobrand" << pageAddress(Page::CoBrand);
    QTest::newRow("the full-brand label brought to the front")
        << true << Label::FullBrand << "lblFullBrand" << pageAddress(Page::FullBrand);
    QTest::newRow("the co-brand label brought to the front")
        << true << Label::CoBrand << "lblCobrand" << pageAddress(Page::CoBrand);
}

void tst_frmMain::onlyTheFrontPromotionIsSeenAndClicked()
{
    QFETCH(bool, choose);
    QFETCH(frmMain::PromotionLabel, choice);
    QFETCH(QString, front);
    QFETCH(QString, address);
    if (choose) {
        // The other one first, so that the choice has to move something.
        m_window->bringToFront(choice == frmMain::PromotionLabel::CoBrand
                                   ? frmMain::PromotionLabel::FullBrand
                                   : frmMain::PromotionLabel::CoBrand);
        m_window->bringToFront(choice);
    }
    QVERIFY(showActive(*m_window));

    QFrame& strip = control<QFrame>(*m_window, "Frame5");
    const QWidget& fullBrand = control<LinkLabel>(*m_window, "lblFullBrand");
    QCOMPARE(control<LinkLabel>(*m_window, "lblCobrand").geometry(), fullBrand.geometry());
    QWidget* hit = strip.childAt(fullBrand.geometry().center());
    QVERIFY(hit != nullptr);
    QCOMPARE(hit->objectName(), front);

    QTest::mouseClick(hit, Qt::LeftButton);
    QCOMPARE(m_pages->addresses, QStringList{address});
}

void tst_frmMain::enterAndEscapeOnAnOpenListOnlyCloseTheList_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expectedDay");
    QTest::newRow("Enter picks the highlighted day") << int(Qt::Key_Return) << "2";
    QTest::newRow("Esc leaves the day as it was") << int(Qt::Key_Escape) << "1";
}

void tst_frmMain::enterAndEscapeOnAnOpenListOnlyCloseTheList()
{
    QFETCH(int, key);
    QFETCH(QString, expectedDay);
    QVERIFY(showActive(*m_window));
    QComboBox& days = control<QComboBox>(*m_window, "cboDate");
    days.setFocus();
    days.showPopup();
    QAbstractItemView* list = days.view();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);

    QTest::keyClick(list, static_cast<Qt::Key>(key));

    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(days.currentText(), expectedDay);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_host->showFarewellCalls, 0);
}

void tst_frmMain::everyWayOfClosingShowsTheFarewellWindow_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("the Exit button") << "cmdExit";
    QTest::newRow("File > Exit") << "mnuExit";
    QTest::newRow("the close box") << "close box";
}

void tst_frmMain::everyWayOfClosingShowsTheFarewellWindow()
{
    QFETCH(QString, way);
    QVERIFY(showActive(*m_window));

    if (way == QStringLiteral("cmdExit"))
        QTest::mouseClick(&control<QPushButton>(*m_window, "cmdExit"), Qt::LeftButton);
    else if (way == QStringLiteral("mnuExit"))
        control<QAction>(*m_window, "mnuExit").trigger();
    else
        QVERIFY(m_window->close());

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_host->showFarewellCalls, 1);
    QCOMPARE(m_host->showResultCalls, 0);
}

QTEST_MAIN(tst_frmMain)
#include "moc_OpenedPages.cpp"
#include "tst_frmmain.moc"
