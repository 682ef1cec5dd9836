#include "OpenedPages.h"
#include "WindowInspection.h"
#include "support/FakeWindowHost.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/frmAbout.h"
#include "ui/frmDisplay.h"
#include "web/LinkTable.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace skyvarre;
using skyvarre::test::control;
using skyvarre::test::FakeWindowHost;
using skyvarre::test::OpenedPages;
using skyvarre::test::showActive;

namespace {

// Opens About as the program does: modally, over the window that asked.
class HostOpeningAbout : public FakeWindowHost
{
public:
    void showAbout(QWidget* owner) override
    {
        ++showAboutCalls;
        frmAbout about(owner);
        about.exec();
    }
};

// Runs check once the About window is up and modal, from inside its event
// loop. Should it never come up, whatever modal window is open instead is
// closed after a few seconds, so that the test fails rather than hangs.
void whenAboutIsOpen(std::function<void(frmAbout&)> check)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, check = std::move(check), started = QDeadlineTimer(5000)] {
                         auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
                         const bool up = about != nullptr && about->isVisible();
                         if (!up && !started.hasExpired())
                             return;
                         poll->stop();
                         poll->deleteLater();
                         if (up)
                             check(*about);
                         else if (QWidget* modal = QApplication::activeModalWidget())
                             modal->close();
                     });
    poll->start(10);
}

} // namespace

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowShowsTheProgramAndItsLinks();
    void labelsStandAsDesigned();
    void closingKeysAndButton_data();
    void closingKeysAndButton();
    void linksOpenTheirPagesAndLeaveItOpen_data();
    void linksOpenTheirPagesAndLeaveItOpen();
    void opensModallyOverTheResultWindow();
    void everyAboutWindowDrawsTheSameIconPixmap();

private:
    std::unique_ptr<OpenedPages> m_pages;
};

void tst_frmAbout::initTestCase()
{
    installFontSubstitutions();
}

void tst_frmAbout::init()
{
    m_pages = std::make_unique<OpenedPages>();
}

void tst_frmAbout::cleanup()
{
    m_pages.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_frmAbout::windowShowsTheProgramAndItsLinks()
{
    frmAbout about;
    QVERIFY(showActive(about));

    QCOMPARE(about.windowTitle(), QStringLiteral("Skyvarre v1.15"));
    QVERIFY(about.isModal());
    QCOMPARE(about.size(), QSize(6345 / 15, 3960 / 15));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!about.windowIcon().isNull());
    QVERIFY(!control<QLabel>(about, "picIcon").pixmap().isNull());

    QCOMPARE(control<QLabel>(about, "Label2").text(), QStringLiteral("Skyvarre v1.15"));
    QVERIFY(control<QLabel>(about, "Label1")
                .text()
                .startsWith(QStringLiteral(
                    "Skyvarre describes the placement of the asteroid Sedna in your birth chart. "
                    "This asteroid is also known as the Goddess of the Sea. This sign helps you "
                    "understand yourself and prepare yourself to survive against all odds. ")));
    QCOMPARE(control<LinkLabel>(about, "lblHomePage").text(),
             QStringLiteral("Click here to visit ") + pageAddress(Page::Home));
    QCOMPARE(control<QLabel>(about, "Label6").text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                            "money online. Get this software fully branded for your website."));
    QCOMPARE(control<LinkLabel>(about, "Label5").text(),
             QStringLiteral("Click here for more details"));
    QCOMPARE(control<QPushButton>(about, "cmdOK").text(), QStringLiteral("&OK"));
    QCOMPARE(QApplication::focusWidget(), &control<QPushButton>(about, "cmdOK"));
}

void tst_frmAbout::labelsStandAsDesigned()
{
    frmAbout about;
    QVERIFY(showActive(about));

    // Each link stands right under the text it belongs to, whole and within the window.
    const QLabel& description = control<QLabel>(about, "Label1");
    const LinkLabel& homePage = control<LinkLabel>(about, "lblHomePage");
    const QLabel& offer = control<QLabel>(about, "Label6");
    const LinkLabel& details = control<LinkLabel>(about, "Label5");
    QVERIFY(description.heightForWidth(description.width()) <= description.height());
    QVERIFY(offer.heightForWidth(offer.width()) <= offer.height());
    for (const LinkLabel* link : {&homePage, &details}) {
        QVERIFY(link->width() >= link->sizeHint().width());
        QVERIFY(link->geometry().right() < about.width());
        QVERIFY(link->cursor().shape() == Qt::PointingHandCursor);
        QVERIFY(link->font().bold() && link->font().underline());
    }
    QVERIFY(homePage.y() >= description.geometry().bottom());
    QVERIFY(details.y() >= offer.geometry().bottom());
    const QFrame& rule = control<QFrame>(about, "Line2");
    QVERIFY(rule.x() <= 0 && rule.geometry().right() >= about.width() - 1);
}

void tst_frmAbout::closingKeysAndButton_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("OK closes it") << "OK";
    QTest::newRow("Enter closes it") << "Enter";
    QTest::newRow("keypad Enter closes it") << "keypad Enter";
    QTest::newRow("Esc closes it") << "Esc";
    QTest::newRow("the close box closes it") << "close box";
}

void tst_frmAbout::closingKeysAndButton()
{
    QFETCH(QString, way);
    frmAbout about;
    QVERIFY(showActive(about));
    QPushButton& ok = control<QPushButton>(about, "cmdOK");

    if (way == QStringLiteral("OK"))
        QTest::mouseClick(&ok, Qt::LeftButton);
    else if (way == QStringLiteral("Enter"))
        QTest::keyClick(&ok, Qt::Key_Return);
    else if (way == QStringLiteral("keypad Enter"))
        QTest::keyClick(&ok, Qt::Key_Enter, Qt::KeypadModifier);
    else if (way == QStringLiteral("Esc"))
        QTest::keyClick(&ok, Qt::Key_Escape);
    else
        QVERIFY(about.close());

    QVERIFY(!about.isVisible());
}

void tst_frmAbout::linksOpenTheirPagesAndLeaveItOpen_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("the home-page link opens the home page")
        << "lblHomePage" << pageAddress(Page::Home);
    QTest::newRow("the details link opens the full-brand page")
        << "Label5" << pageAddress(Page::FullBrand);
}

void tst_frmAbout::linksOpenTheirPagesAndLeaveItOpen()
{
    QFETCH(QString, link);
    QFETCH(QString, address);
    frmAbout about;
    QVERIFY(showActive(about));

    QTest::mouseClick(&control<LinkLabel>(about, qPrintable(link)), Qt::LeftButton);
    QTest::mouseClick(&control<LinkLabel>(about, qPrintable(link)), Qt::LeftButton);

    QCOMPARE(m_pages->addresses, QStringList({address, address}));
    QVERIFY(about.isVisible());
}

void tst_frmAbout::opensModallyOverTheResultWindow()
{
    HostOpeningAbout host;
    frmDisplay owner(host);
    owner.setSednaSign(QStringLiteral("Taurus"));
    QVERIFY(showActive(owner));

    QPointer<frmAbout> seen;
    bool modalOverOwner = false;
    bool stayedOpen = false;
    whenAboutIsOpen([&](frmAbout& about) {
        seen = &about;
        modalOverOwner = about.isModal() && about.parentWidget() == &owner &&
                         about.windowModality() != Qt::NonModal;
        QTest::mouseClick(&control<LinkLabel>(about, "lblHomePage"), Qt::LeftButton);
        stayedOpen = about.isVisible() && QApplication::activeModalWidget() == &about;
        QTest::keyClick(&control<QPushButton>(about, "cmdOK"), Qt::Key_Escape);
    });

    control<QAction>(owner, "mnuAbout").trigger(); // returns when About has closed

    QVERIFY(modalOverOwner);
    QVERIFY(stayedOpen);
    QCOMPARE(m_pages->addresses, QStringList{pageAddress(Page::Home)});
    QTRY_VERIFY(seen.isNull());
    QVERIFY(owner.isVisible());
    QCOMPARE(control<QLabel>(owner, "lblSednaSign").text(), QStringLiteral("Taurus"));
    QCOMPARE(host.showFarewellCalls, 0);
    QCOMPARE(host.goBackCalls, 0);
}

void tst_frmAbout::everyAboutWindowDrawsTheSameIconPixmap()
{
    // The window is built afresh at every opening: each build must reuse the
    // icon drawn before rather than add another copy to the pixmap cache.
    const qint64 first = frmAbout().findChild<QLabel*>("picIcon")->pixmap().cacheKey();
    const qint64 second = frmAbout().findChild<QLabel*>("picIcon")->pixmap().cacheKey();
    QCOMPARE(second, first);
}

QTEST_MAIN(tst_frmAbout)
#include "moc_OpenedPages.cpp"
#include "tst_frmabout.moc"
