#include "EveryWindow.h"
#include "OpenedPages.h"
#include "support/FakeWindowHost.h"
#include "ui/SharedLinks.h"
#include "web/LinkTable.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>
#include <utility>

// Qt accessibility on the offscreen platform, as of Qt 6.4: QAccessible::isActive()
// stays false whatever QT_ACCESSIBILITY says and whatever setActive(true) asks,
// because the platform has no accessibility bridge to switch on. That matters
// only for the change notifications a bridge would pass on. The interfaces
// themselves are built on request by queryAccessibleInterface from the factories
// that QApplication installs (and LinkLabel adds), so the tree a screen reader
// would walk can be walked here as it is.

using namespace skyvarre;
using skyvarre::test::AnyWindow;
using skyvarre::test::buildWindow;
using skyvarre::test::describe;
using skyvarre::test::FakeWindowHost;
using skyvarre::test::OpenedPages;
using skyvarre::test::showActive;

Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

// Roles of controls that a user works with; each needs a name to be told apart.
bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Link:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// The name a screen reader announces. Qt on Unix gives a drop-down list its
// current entry as its name and leaves the name to the label whose buddy it
// is, which reaches AT-SPI as a "labelled by" relation; elsewhere the list's
// own accessible name is its name.
QString announcedName(QAccessibleInterface& control)
{
#ifdef Q_OS_UNIX
    if (control.role() == QAccessible::ComboBox) {
        for (const auto& [other, relation] : control.relations(QAccessible::Label))
            if (other->role() == QAccessible::StaticText)
                return other->text(QAccessible::Name);
        return QString();
    }
#endif
    return control.text(QAccessible::Name);
}

// Every interface of the tree below root, root included, depth first.
QList<QAccessibleInterface*> accessibilityTree(QAccessibleInterface& root)
{
    QList<QAccessibleInterface*> found{&root};
    for (qsizetype next = 0; next < found.size(); ++next) {
        QAccessibleInterface& node = *found[next];
        for (int index = 0; index < node.childCount(); ++index)
            if (QAccessibleInterface* child = node.child(index))
                found.append(child);
    }
    return found;
}

QList<QAccessibleInterface*> accessibilityTree(QWidget& window)
{
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    if (root == nullptr)
        return {};
    return accessibilityTree(*root);
}

// The interface of the control or menu item with that object name.
QAccessibleInterface* findControl(QWidget& window, const QString& name)
{
    for (QAccessibleInterface* node : accessibilityTree(window))
        if (node->object() != nullptr && node->object()->objectName() == name)
            return node;
    return nullptr;
}

QString identify(QAccessibleInterface& node)
{
    const QString object = node.object() != nullptr ? node.object()->objectName() : QString();
    return QStringLiteral("%1 (role %2)")
        .arg(object.isEmpty() ? QStringLiteral("an unnamed object") : object)
        .arg(int(node.role()));
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void everyControlAUserCanReadOrUseHasANameOfItsOwn_data();
    void everyControlAUserCanReadOrUseHasANameOfItsOwn();
    void controlsAreAnnouncedByTheirPurpose_data();
    void controlsAreAnnouncedByTheirPurpose();
    void formFieldsKeepTheirNamesWhateverTheyHold();
    void windowsThatOpenWithNewsHaveTheirTextsReadOut_data();
    void windowsThatOpenWithNewsHaveTheirTextsReadOut();
    void dateListsAnnounceTheEntryTheyShow_data();
    void dateListsAnnounceTheEntryTheyShow();
    void linksArePressableLinks_data();
    void linksArePressableLinks();
};

void tst_Accessibility::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Accessibility::everyControlAUserCanReadOrUseHasANameOfItsOwn_data()
{
    QTest::addColumn<AnyWindow>("window");
    for (const AnyWindow window :
         {AnyWindow::Input, AnyWindow::Result, AnyWindow::About, AnyWindow::Farewell}) {
        const QString row =
            QStringLiteral("every control of %1 that a user can use has a name of its own")
                .arg(describe(window));
        QTest::newRow(qPrintable(row)) << window;
    }
}

void tst_Accessibility::everyControlAUserCanReadOrUseHasANameOfItsOwn()
{
    QFETCH(AnyWindow, window);
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    QVERIFY(showActive(*shown));

    const QList<QAccessibleInterface*> tree = accessibilityTree(*shown);
    QStringList nameless;
    QStringList alike;
    QSet<const QObject*> reached;
    QHash<QPair<int, QString>, QString> firstWithName;
    for (QAccessibleInterface* node : tree) {
        reached.insert(node->object());
        const bool needsName = isInteractive(node->role()) ||
                               node->role() == QAccessible::Graphic || node->state().focusable;
        if (!needsName)
            continue;
        const QString name = announcedName(*node).trimmed();
        if (name.isEmpty()) {
            nameless.append(identify(*node));
            continue;
        }
        // Two controls of one kind under one name cannot be told apart; Qt
        // names a text box in a frame after the frame when nothing else does.
        const QPair<int, QString> key{int(node->role()), name};
        if (firstWithName.contains(key))
            alike.append(firstWithName[key] + QStringLiteral(" and ") + identify(*node));
        else
            firstWithName.insert(key, identify(*node));
    }
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
    QVERIFY2(alike.isEmpty(), qPrintable(alike.join(QStringLiteral(", "))));

    // The walk must have reached every control the keyboard reaches, or the
    // check above proves nothing about the ones it missed.
    for (const QWidget* control : shown->findChildren<QWidget*>())
        if (control->window() == shown.get() && (control->focusPolicy() & Qt::TabFocus) != 0)
            QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
}

void tst_Accessibility::controlsAreAnnouncedByTheirPurpose_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");

    using Role = QAccessible::Role;
    const AnyWindow input = AnyWindow::Input;
    QTest::newRow("the name box is announced as Name")
        << input << "txtName" << Role::EditableText << "Name";
    QTest::newRow("the day list is announced as Date")
        << input << "cboDate" << Role::ComboBox << "Date";
    QTest::newRow("the month list is announced as Month")
        << input << "cboMonth" << Role::ComboBox << "Month";
    QTest::newRow("the year list is announced as Year")
        << input << "cboYear" << Role::ComboBox << "Year";
    QTest::newRow("the find button is announced by its caption without the ampersand")
        << input << "cmdNext" << Role::PushButton << "Find My Sedna Astrology Sign";
    QTest::newRow("the input window's Exit button is announced as Exit")
        << input << "cmdExit" << Role::PushButton << "Exit";
    QTest::newRow("the File menu's find item is announced without the ampersand")
        << input << "mnuFindSign" << Role::MenuItem << "Find My Sedna Astrology Sign";
    QTest::newRow("the input window's File menu is announced as File")
        << input << "mnuFile" << Role::PopupMenu << "File";
    QTest::newRow("the input window's Help menu is announced as Help")
        << input << "mnuHelp" << Role::PopupMenu << "Help";
    QTest::newRow("the banner is a link that names the forum and the home page")
        << input << "Label61" << Role::Link << bannerText();
    QTest::newRow("the full-brand promotion is a link")
        << input << "lblFullBrand" << Role::Link << kFullBrandLink;
    QTest::newRow("the co-brand promotion is a link")
        << input << "lblCobrand" << Role::Link << kCoBrandLink;

    const AnyWindow result = AnyWindow::Result;
    QTest::newRow("the Back button is announced as Back")
        << result << "cmdBack" << Role::PushButton << "Back";
    QTest::newRow("the result window's File menu Back item is announced as Back")
        << result << "mnuFileBack" << Role::MenuItem << "Back";
    QTest::newRow("the sign name is read as text")
        << result << "lblSednaSign" << Role::StaticText << "Aries";
    QTest::newRow("the result window's banner is a link")
        << result << "Label61" << Role::Link << bannerText();
    QTest::newRow("the result is read out as one sentence with the sign")
        << result << "Label12" << Role::StaticText << "Sedna in your Chart is Placed in Aries";
    QTest::newRow("the result window's Help menu is announced as Help")
        << result << "mnuHelp" << Role::PopupMenu << "Help";

    const AnyWindow about = AnyWindow::About;
    QTest::newRow("the About icon is a graphic named after the program")
        << about << "picIcon" << Role::Graphic << "Skyvarre icon";
    QTest::newRow("the About home-page link names the address it opens")
        << about << "lblHomePage" << Role::Link
        << QStringLiteral("Click here to visit ") + pageAddress(Page::Home);
    QTest::newRow("the About details link says what the details are about")
        << about << "Label5" << Role::Link
        << "Click here for more details about fully branded editions";
    QTest::newRow("the OK button is announced as OK")
        << about << "cmdOK" << Role::PushButton << "OK";

    const AnyWindow farewell = AnyWindow::Farewell;
    QTest::newRow("the farewell icon is a graphic named after the program")
        << farewell << "Picture1" << Role::Graphic << "Skyvarre icon";
    QTest::newRow("the user's name field is named for its purpose")
        << farewell << "txtName" << Role::EditableText << "Your name";
    QTest::newRow("the user's address field is named for its purpose")
        << farewell << "txtEmail" << Role::EditableText << "Your email address";
    QTest::newRow("the friend's name field is named for its purpose")
        << farewell << "txtFriendName" << Role::EditableText << "Friend's name";
    QTest::newRow("the friend's address field is named for its purpose")
        << farewell << "txtFriendEmail" << Role::EditableText << "Friend's email address";
    QTest::newRow("the message field that lies out of sight is announced as Message")
        << farewell << "txtMessage" << Role::EditableText << "Message";
    QTest::newRow("the submit button is announced by its caption")
        << farewell << "cmdSubmit" << Role::PushButton << "Refer A Friend Now";
    QTest::newRow("the farewell window's Exit button is announced as Exit")
        << farewell << "cmdClose" << Role::PushButton << "Exit";
    QTest::newRow("the link to the maker's other programs is a link")
        << farewell << "lblGoToHome" << Role::Link << "Click Here To Visit Varnholt Softwares";
}

void tst_Accessibility::controlsAreAnnouncedByTheirPurpose()
{
    QFETCH(AnyWindow, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    QVERIFY(showActive(*shown));

    QAccessibleInterface* found = findControl(*shown, control);
    QVERIFY2(found != nullptr, "not in the accessibility tree");
    QCOMPARE(found->role(), role);
    QCOMPARE(announcedName(*found), name);
    // Where Qt announces a list by its own name rather than by its label
    // (Windows, macOS), that name says the same.
    if (role == QAccessible::ComboBox)
        QCOMPARE(static_cast<QWidget*>(found->object())->accessibleName(), name);
}

void tst_Accessibility::formFieldsKeepTheirNamesWhateverTheyHold()
{
    // The fields show their purpose as a prompt in the text itself, which goes
    // away when the user enters them; the name must not go with it.
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(AnyWindow::Farewell, host);
    QVERIFY(showActive(*shown));
    auto* field = shown->findChild<QLineEdit*>(QStringLiteral("txtEmail"));
    QVERIFY(field != nullptr);
    QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(field);
    QCOMPARE(announced->text(QAccessible::Value), QStringLiteral("Your Email Address"));

    field->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(field->text(), QString());
    QCOMPARE(announced->text(QAccessible::Name), QStringLiteral("Your email address"));
    QTest::keyClicks(field, QStringLiteral("ann@example.org"));
    QCOMPARE(announced->text(QAccessible::Name), QStringLiteral("Your email address"));
    QCOMPARE(announced->text(QAccessible::Value), QStringLiteral("ann@example.org"));
}

void tst_Accessibility::windowsThatOpenWithNewsHaveTheirTextsReadOut_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::newRow("the result window reads out the result as it opens") << AnyWindow::Result;
    QTest::newRow("the farewell window reads out its texts as it opens") << AnyWindow::Farewell;
    QTest::newRow("the About window reads out its texts as it opens") << AnyWindow::About;
}

void tst_Accessibility::windowsThatOpenWithNewsHaveTheirTextsReadOut()
{
    // A screen reader reads out the texts of a dialog as it opens: those of
    // three words or more that label nothing and are not labelled, under a
    // name that is not the name of what holds them.
    QFETCH(AnyWindow, window);
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    QVERIFY(showActive(*shown));
    QCOMPARE(QAccessible::queryAccessibleInterface(shown.get())->role(), QAccessible::Dialog);

    for (QLabel* label : shown->findChildren<QLabel*>()) {
        QAccessibleInterface* text = QAccessible::queryAccessibleInterface(label);
        if (text->role() != QAccessible::StaticText || !label->isVisible() ||
            label->text().simplified().split(u' ').size() < 3)
            continue;
        QVERIFY2(text->relations(QAccessible::Label).isEmpty(), qPrintable(label->objectName()));
        QVERIFY2(text->text(QAccessible::Name).startsWith(label->text()),
                 qPrintable(label->objectName()));
    }
}

void tst_Accessibility::dateListsAnnounceTheEntryTheyShow_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("entry");
    QTest::newRow("after Down the closed day list reads 2") << "cboDate"
                                                            << "2";
    QTest::newRow("after Down the closed month list reads February") << "cboMonth"
                                                                     << "February";
    QTest::newRow("after Down the closed year list reads 1901") << "cboYear"
                                                                << "1901";
}

void tst_Accessibility::dateListsAnnounceTheEntryTheyShow()
{
    // A screen reader that reads a list's entry as its text speaks a change of
    // it when the new text is selected as a whole. (The change events go out
    // only to a listening tool, which the offscreen platform never has.)
    QFETCH(QString, list);
    QFETCH(QString, entry);
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(AnyWindow::Input, host);
    QVERIFY(showActive(*shown));
    auto* box = shown->findChild<QComboBox*>(list);
    QVERIFY(box != nullptr);
    box->setFocus(Qt::TabFocusReason);
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(box)->textInterface();
    QVERIFY(text != nullptr);

    QTest::keyClick(box, Qt::Key_Down);

    QCOMPARE(text->text(0, text->characterCount()), entry);
    QCOMPARE(text->selectionCount(), 1);
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, int(entry.size())));
}

void tst_Accessibility::linksArePressableLinks_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");

    QTest::newRow("pressing the input window's banner opens the home page")
        << AnyWindow::Input << "Label61" << pageAddress(Page::Home);
    QTest::newRow("pressing the input window's co-brand link opens the co-brand page")
        << AnyWindow::Input << "lblCobrand" << pageAddress(Page::CoBrand);
    QTest::newRow("pressing the input window's full-brand link opens the full-brand page")
        << AnyWindow::Input << "lblFullBrand" << pageAddress(Page::FullBrand);
    QTest::newRow("pressing the result window's banner opens the home page")
        << AnyWindow::Result << "Label61" << pageAddress(Page::Home);
    QTest::newRow("pressing the result window's full-brand link opens the full-brand page")
        << AnyWindow::Result << "lblFullBrand" << pageAddress(Page::FullBrand);
    QTest::newRow("pressing the result window's co-brand link opens the co-brand page")
        << AnyWindow::Result << "lblCobrand" << pageAddress(Page::CoBrand);
    QTest::newRow("pressing the About home-page link opens the home page")
        << AnyWindow::About << "lblHomePage" << pageAddress(Page::Home);
    QTest::newRow("pressing the About details link opens the full-brand page")
        << AnyWindow::About << "Label5" << pageAddress(Page::FullBrand);
    QTest::newRow("pressing the farewell window's link opens the catalogue page")
        << AnyWindow::Farewell << "lblGoToHome" << pageAddress(Page::SoftwareCatalogue);
}

void tst_Accessibility::linksArePressableLinks()
{
    QFETCH(AnyWindow, window);
    QFETCH(QString, link);
    QFETCH(QString, address);
    OpenedPages pages;
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    QVERIFY(showActive(*shown));

    QAccessibleInterface* found = findControl(*shown, link);
    QVERIFY(found != nullptr);
    QCOMPARE(found->role(), QAccessible::Link);
    QVERIFY(found->state().linked);
    QAccessibleActionInterface* actions = found->actionInterface();
    QVERIFY(actions != nullptr);
    QCOMPARE(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());

    actions->doAction(QAccessibleActionInterface::pressAction());

    QCOMPARE(pages.addresses, QStringList{address});
    QVERIFY(shown->isVisible());
    QCOMPARE(host.showFarewellCalls + host.closeAllAndEndCalls, 0);
}

QTEST_MAIN(tst_Accessibility)
#include "moc_OpenedPages.cpp"
#include "tst_accessibility.moc"
