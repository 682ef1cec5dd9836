#include "WindowInspection.h"
#include "sign/Interpretation.h"
#include "support/FakeWindowHost.h"
#include "ui/Fonts.h"
#include "ui/frmDisplay.h"
#include "web/LinkTable.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace skyvarre;
using skyvarre::test::control;
using skyvarre::test::FakeWindowHost;
using skyvarre::test::showActive;
using skyvarre::test::toQString;

class tst_frmDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newWindowShowsTheAriesTextAndFocusesExit();
    void windowHasAFixedClientAreaCaptionAndIcon();
    void tabOrderIsExitThenBackWithTheLinksWhereTheyStand();
    void signNameStandsBesideTheSentence_data();
    void signNameStandsBesideTheSentence();

    void backAndExit_data();
    void backAndExit();

private:
    std::unique_ptr<FakeWindowHost> m_host;
    std::unique_ptr<frmDisplay> m_window;
};

void tst_frmDisplay::initTestCase()
{
    installFontSubstitutions();
}

void tst_frmDisplay::init()
{
    m_host = std::make_unique<FakeWindowHost>();
    m_window = std::make_unique<frmDisplay>(*m_host);
}

void tst_frmDisplay::cleanup()
{
    m_window.reset();
    m_host.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_frmDisplay::newWindowShowsTheAriesTextAndFocusesExit()
{
    QCOMPARE(control<QLabel>(*m_window, "lblSignDesc").text(), toQString(kAriesInterpretation));
    QCOMPARE(control<QLabel>(*m_window, "Label12").text(),
             QStringLiteral("Sedna in your Chart is Placed in"));
    QVERIFY(!m_window->isVisible()); // built hidden, for the find flow to fill
    QVERIFY(showActive(*m_window));
    QCOMPARE(QApplication::focusWidget(), &control<QPushButton>(*m_window, "cmdExit"));
}

void tst_frmDisplay::windowHasAFixedClientAreaCaptionAndIcon()
{
    QVERIFY(showActive(*m_window));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Skyvarre v1.15"));
    QVERIFY(!m_window->windowIcon().isNull());
    QCOMPARE(control<QWidget>(*m_window, "clientArea").size(), QSize(7215 / 15, 4095 / 15));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
}

void tst_frmDisplay::tabOrderIsExitThenBackWithTheLinksWhereTheyStand()
{
    QVERIFY(showActive(*m_window));
    QStringList visited;
    for (int step = 0; step < 4; ++step) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        visited.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // The full-brand link in the bottom strip follows the buttons (the
    // co-brand label lies behind it and is skipped), and the banner at the
    // top comes just before Exit.
    QCOMPARE(visited, QStringList({"cmdExit", "cmdBack", "lblFullBrand", "Label61"}));
    QCOMPARE(QApplication::focusWidget(), &control<QPushButton>(*m_window, "cmdExit"));
}

void tst_frmDisplay::signNameStandsBesideTheSentence_data()
{
    QTest::addColumn<QString>("sign");
    QTest::newRow("Aries") << "Aries";
    QTest::newRow("Taurus") << "Taurus";
    QTest::newRow("Gemini") << "Gemini";
    QTest::newRow("an empty sign") << "";
}

void tst_frmDisplay::signNameStandsBesideTheSentence()
{
    QFETCH(QString, sign);
    m_window->setSednaSign(sign);
    QVERIFY(showActive(*m_window));

    const QLabel& sentence = control<QLabel>(*m_window, "Label12");
    const QLabel& signName = control<QLabel>(*m_window, "lblSednaSign");
    QCOMPARE(signName.text(), sign);
    QVERIFY(signName.width() >= signName.sizeHint().width());
    // Their texts share a line, a space apart; the sign name's margin lies
    // around its text, the sentence keeps room above its own.
    const auto textTop = [](const QLabel& label) {
        return label.y() + label.contentsRect().top() + label.margin();
    };
    QCOMPARE(textTop(signName), textTop(sentence));
    const int gap = signName.x() + signName.margin() - (sentence.geometry().right() + 1);
    QCOMPARE(gap, sentence.fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    QVERIFY(signName.geometry().right() < control<QWidget>(*m_window, "clientArea").width());
    // A sign name never replaces the text below it.
    QCOMPARE(control<QLabel>(*m_window, "lblSignDesc").text(), toQString(kAriesInterpretation));
}

void tst_frmDisplay::backAndExit_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("back"); // otherwise the window closes as by Exit

    QTest::newRow("the Back button goes back") << "cmdBack" << true;
    QTest::newRow("File > Back goes back") << "mnuFileBack" << true;
    QTest::newRow("the Exit button closes") << "cmdExit" << false;
    QTest::newRow("File > Exit closes") << "mnuExit" << false;
    QTest::newRow("the close box closes") << "close box" << false;
}

void tst_frmDisplay::backAndExit()
{
    QFETCH(QString, way);
    QFETCH(bool, back);
    QVERIFY(showActive(*m_window));

    if (auto* button = m_window->findChild<QPushButton*>(way))
        QTest::mouseClick(button, Qt::LeftButton);
    else if (auto* item = m_window->findChild<QAction*>(way))
        item->trigger();
    else
        QVERIFY(m_window->close());

    // Back leaves discarding the window to the host, which closes it.
    QCOMPARE(m_host->goBackCalls, back ? 1 : 0);
    QCOMPARE(m_host->showFarewellCalls, back ? 0 : 1);
    QCOMPARE(m_window->isVisible(), back);
}

QTEST_MAIN(tst_frmDisplay)
#include "tst_frmdisplay.moc"
