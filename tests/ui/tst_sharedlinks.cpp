#include "EveryWindow.h"
#include "OpenedPages.h"
#include "WindowInspection.h"
#include "support/FakeWindowHost.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "web/LinkTable.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include <memory>

// The banner, the two promotional labels and the menus that the input and the
// result window share, checked alike on both.

using namespace skyvarre;
using skyvarre::test::AnyWindow;
using skyvarre::test::buildWindow;
using skyvarre::test::control;
using skyvarre::test::describe;
using skyvarre::test::FakeWindowHost;
using skyvarre::test::menuLines;
using skyvarre::test::OpenedPages;
using skyvarre::test::showActive;

namespace {

// The two windows built around the shared links.
constexpr AnyWindow kMainWindows[] = {AnyWindow::Input, AnyWindow::Result};

// One of the main windows, built and shown over its own host and browser.
struct ShownWindow
{
    explicit ShownWindow(AnyWindow kind) : widget(buildWindow(kind, host)) {}

    QWidget& main() { return *widget; }

    OpenedPages pages;
    FakeWindowHost host;
    std::unique_ptr<QWidget> widget;
};

} // namespace

class tst_SharedLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void menusAreBuiltAsDesigned_data();
    void menusAreBuiltAsDesigned();
    void switchedOffItemCannotBeChosen_data();
    void switchedOffItemCannotBeChosen();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void aboutOpensOverThisWindow_data();
    void aboutOpensOverThisWindow();
};

void tst_SharedLinks::initTestCase()
{
    installFontSubstitutions();
}

void tst_SharedLinks::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_SharedLinks::menusAreBuiltAsDesigned_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::addColumn<QStringList>("lines");

    // The File menus differ, and so do the update item's caption and the
    // separators' names.
    QTest::newRow("the input window's menu bar holds Find, Exit, the shared Help menu, "
                  "Donate and a switched-off Make Money Online")
        << AnyWindow::Input
        << QStringList({
               "mnuFile &File",
               "    mnuFindSign Find My &Sedna Astrology Sign",
               "    mnuExit E&xit",
               "mnuHelp &Help",
               "    mnuOnline &Online Help",
               "    mnuVisit &Visit Us Online",
               "    mnuHelp1 -",
               "    mnuUpdate Check for Software &Update",
               "    mnuHelp2 -",
               "    mnuAbout &About Software",
               "mnuDonate &Donate",
               "mnuMakeMoneyOnline Make Money &Online (off)",
           });
    QTest::newRow("the result window's menu bar holds Back, Exit, the shared Help menu, "
                  "Donate and a switched-off Make Money Online")
        << AnyWindow::Result
        << QStringList({
               "mnuFile &File",
               "    mnuFileBack &Back",
               "    mnuExit E&xit",
               "mnuHelp &Help",
               "    mnuOnline &Online Help",
               "    mnuVisit &Visit Us Online",
               "    mnuFileSep1 -",
               "    mnuUpdate &Check for Software Update",
               "    mnuFileSep2 -",
               "    mnuAbout &About Software",
               "mnuDonate &Donate",
               "mnuMakeMoneyOnline Make Money &Online (off)",
           });
}

void tst_SharedLinks::menusAreBuiltAsDesigned()
{
    QFETCH(AnyWindow, window);
    QFETCH(QStringList, lines);
    ShownWindow built(window);

    QCOMPARE(menuLines(built.main()), lines);
}

void tst_SharedLinks::switchedOffItemCannotBeChosen_data()
{
    QTest::addColumn<AnyWindow>("window");
    for (const AnyWindow window : kMainWindows) {
        const QString row =
            QStringLiteral(
                "Make Money Online on %1 is shown greyed and opens nothing however chosen")
                .arg(describe(window));
        QTest::newRow(qPrintable(row)) << window;
    }
}

void tst_SharedLinks::switchedOffItemCannotBeChosen()
{
    QFETCH(AnyWindow, window);
    ShownWindow built(window);
    QWidget& shown = built.main();
    QVERIFY(showActive(shown));
    QAction& makeMoney = control<QAction>(shown, "mnuMakeMoneyOnline");
    QMenuBar& menuBar = control<QMenuBar>(shown, "menuBar");
    const QRect place = menuBar.actionGeometry(&makeMoney);
    QVERIFY(!place.isEmpty()); // shown, greyed

    QTest::mouseClick(&menuBar, Qt::LeftButton, {}, place.center());
    makeMoney.trigger();
    QTest::keyClick(&shown, Qt::Key_O, Qt::AltModifier);

    QCOMPARE(built.pages.addresses, QStringList());
}

void tst_SharedLinks::linksOpenTheirPages_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("address");

    struct Link
    {
        const char* opener;
        const char* what;
        Page page;
        const char* where;
    };
    const Link links[] = {
        {"Label61", "the banner", Page::Home, "the home page"},
        {"lblFullBrand", "the full-brand label", Page::FullBrand, "the full-brand page"},
        {"lblCobrand", "the co-brand label", Page::CoBrand, "the co-brand page"},
        {"mnuOnline", "Online Help", Page::OnlineHelp, "the help page"},
        {"mnuVisit", "Visit Us Online", Page::Home, "the home page"},
        {"mnuUpdate", "Check for Software Update", Page::Download, "the download page"},
        {"mnuDonate", "Donate", Page::Donation, "the donation page"},
    };
    for (const AnyWindow window : kMainWindows) {
        for (const Link& link : links) {
            const QString row =
                QStringLiteral("%1 on %2 opens %3")
                    .arg(QLatin1String(link.what), describe(window), QLatin1String(link.where));
            QTest::newRow(qPrintable(row))
                << window << QString::fromLatin1(link.opener) << pageAddress(link.page);
        }
    }
}

void tst_SharedLinks::linksOpenTheirPages()
{
    QFETCH(AnyWindow, window);
    QFETCH(QString, opener);
    QFETCH(QString, address);
    ShownWindow built(window);
    QWidget& shown = built.main();
    QVERIFY(showActive(shown));

    if (auto* label = shown.findChild<LinkLabel*>(opener)) {
        QVERIFY(label->cursor().shape() == Qt::PointingHandCursor);
        QVERIFY(label->font().bold() && label->font().underline());
        QTest::mouseClick(label, Qt::LeftButton);
    } else if (opener == QStringLiteral("mnuDonate")) {
        // On the menu bar itself: click it there.
        QMenuBar& menuBar = control<QMenuBar>(shown, "menuBar");
        auto& donate = control<QAction>(shown, "mnuDonate");
        QTest::mouseClick(&menuBar, Qt::LeftButton, {}, menuBar.actionGeometry(&donate).center());
    } else {
        control<QAction>(shown, qPrintable(opener)).trigger();
    }

    QCOMPARE(built.pages.addresses, QStringList{address});
    QVERIFY(shown.isVisible());
    QCOMPARE(built.host.fakePrompts.messages.size(), 0);
}

void tst_SharedLinks::aboutOpensOverThisWindow_data()
{
    QTest::addColumn<AnyWindow>("window");
    for (const AnyWindow window : kMainWindows) {
        const QString row =
            QStringLiteral("About Software on %1 opens About over it").arg(describe(window));
        QTest::newRow(qPrintable(row)) << window;
    }
}

void tst_SharedLinks::aboutOpensOverThisWindow()
{
    QFETCH(AnyWindow, window);
    ShownWindow built(window);
    QWidget& shown = built.main();
    QVERIFY(showActive(shown));

    control<QAction>(shown, "mnuAbout").trigger();

    QCOMPARE(built.host.showAboutCalls, 1);
    QCOMPARE(built.host.aboutOwner, &shown);
}

QTEST_MAIN(tst_SharedLinks)
#include "moc_OpenedPages.cpp"
#include "tst_sharedlinks.moc"
