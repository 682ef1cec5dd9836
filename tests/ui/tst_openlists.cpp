// The input window's open date lists look, read and are named as their boxes.

#include "WindowInspection.h"
#include "support/FakeWindowHost.h"
#include "ui/Fonts.h"
#include "ui/Look.h"
#include "ui/frmMain.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QtTest>

#include <memory>

using namespace skyvarre;
using skyvarre::test::control;
using skyvarre::test::FakeWindowHost;

class tst_OpenLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void anOpenedListShowsAndIsNamedAsItsBox_data();
    void anOpenedListShowsAndIsNamedAsItsBox();
    void aListThatAnAssistiveToolAsksForIsNamedAsItsBox_data();
    void aListThatAnAssistiveToolAsksForIsNamedAsItsBox();
    void theMenuBarKeepsTheDesktopFace();

private:
    QComboBox& box(const QString& name) { return control<QComboBox>(*m_window, qPrintable(name)); }

    std::unique_ptr<FakeWindowHost> m_host;
    std::unique_ptr<frmMain> m_window;
};

void tst_OpenLists::initTestCase()
{
    installFontSubstitutions();
}

void tst_OpenLists::init()
{
    m_host = std::make_unique<FakeWindowHost>();
    m_window = std::make_unique<frmMain>(*m_host);
}

void tst_OpenLists::cleanup()
{
    m_window.reset();
    m_host.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_OpenLists::anOpenedListShowsAndIsNamedAsItsBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("the day list opens as Date") << "cboDate"
                                                << "Date";
    QTest::newRow("the month list opens as Month") << "cboMonth"
                                                   << "Month";
    QTest::newRow("the year list opens as Year") << "cboYear"
                                                 << "Year";
}

void tst_OpenLists::anOpenedListShowsAndIsNamedAsItsBox()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    QComboBox& list = box(name);
    const QFont expected = look::verdana(look::kNormalPoints, look::TextStyle::Bold);
    QCOMPARE(list.font().family(), expected.family());
    QCOMPARE(list.font().pointSizeF(), expected.pointSizeF());
    QVERIFY(list.font().bold());
    QVERIFY(!list.font().underline());

    list.showPopup();
    QAbstractItemView* view = list.view();
    QTRY_VERIFY(view->isVisible());
    QCOMPARE(view->accessibleName(), accessibleName);
    QCOMPARE(view->font(), list.font());
    QCOMPARE(view->palette().color(QPalette::Base), QColor(look::kPeach));
    list.hidePopup();
}

void tst_OpenLists::aListThatAnAssistiveToolAsksForIsNamedAsItsBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("the closed day list is announced as Date") << "cboDate"
                                                              << "Date";
    QTest::newRow("the closed month list is announced as Month") << "cboMonth"
                                                                 << "Month";
    QTest::newRow("the closed year list is announced as Year") << "cboYear"
                                                               << "Year";
}

void tst_OpenLists::aListThatAnAssistiveToolAsksForIsNamedAsItsBox()
{
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);

    // The tool walks from the box to its list without opening it.
    QAccessibleInterface* boxInterface = QAccessible::queryAccessibleInterface(&box(name));
    QVERIFY(boxInterface != nullptr);
    QAccessibleInterface* listInterface = boxInterface->child(0);
    QVERIFY(listInterface != nullptr);
    QCOMPARE(listInterface->role(), QAccessible::List);
    QCOMPARE(listInterface->text(QAccessible::Name), accessibleName);
}

void tst_OpenLists::theMenuBarKeepsTheDesktopFace()
{
    // The window's own face is the lists' bold one; the menu bar must not take it.
    QMenuBar& menuBar = control<QMenuBar>(*m_window, "menuBar");
    QCOMPARE(menuBar.font(), QApplication::font(&menuBar));
    QVERIFY(!menuBar.font().bold());
}

QTEST_MAIN(tst_OpenLists)
#include "tst_openlists.moc"
