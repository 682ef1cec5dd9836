#include "ui/MessageBoxPrompts.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace skyvarre;

Q_DECLARE_METATYPE(skyvarre::MessageIcon)

namespace {

// What a message box showed while it was up.
struct SeenBox
{
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Reads the next message box once it is up, from inside its event loop, and
// answers it with answer(box). Gives up after a few seconds by closing
// whatever modal window is open, so that a test fails rather than hangs.
void whenBoxIsOpen(SeenBox& seen, std::function<void(QMessageBox&)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, &seen, answer = std::move(answer), started = QDeadlineTimer(5000)] {
                         auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                         const bool up = box != nullptr && box->isVisible();
                         if (!up && !started.hasExpired())
                             return;
                         poll->stop();
                         poll->deleteLater();
                         if (!up) {
                             if (QWidget* modal = QApplication::activeModalWidget())
                                 modal->close();
                             return;
                         }
                         seen.seen = true;
                         seen.title = box->windowTitle();
                         seen.text = box->text();
                         seen.icon = box->icon();
                         seen.buttons = box->standardButtons();
                         seen.defaultButton = box->standardButton(box->defaultButton());
                         answer(*box);
                     });
    poll->start(10);
}

} // namespace

class tst_MessageBoxPrompts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void messageHasTitleIconAndOneOkButton_data();
    void messageHasTitleIconAndOneOkButton();
    void questionOffersYesAndNoWithYesAsDefault_data();
    void questionOffersYesAndNoWithYesAsDefault();
};

void tst_MessageBoxPrompts::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_MessageBoxPrompts::messageHasTitleIconAndOneOkButton_data()
{
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QMessageBox::Icon>("boxIcon");
    QTest::newRow("an input message carries the information icon")
        << MessageIcon::Information << QMessageBox::Information;
    QTest::newRow("a farewell-window message carries the critical-stop icon")
        << MessageIcon::Critical << QMessageBox::Critical;
}

void tst_MessageBoxPrompts::messageHasTitleIconAndOneOkButton()
{
    QFETCH(MessageIcon, icon);
    QFETCH(QMessageBox::Icon, boxIcon);
    MessageBoxPrompts prompts;
    SeenBox seen;
    whenBoxIsOpen(seen, [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); });

    prompts.showMessage(QStringLiteral("Please Enter only Letters"), icon);

    QVERIFY(seen.seen);
    QCOMPARE(seen.title, QStringLiteral("Skyvarre"));
    QCOMPARE(seen.text, QStringLiteral("Please Enter only Letters"));
    QCOMPARE(seen.icon, boxIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void tst_MessageBoxPrompts::questionOffersYesAndNoWithYesAsDefault_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Answer>("expected");
    QTest::newRow("Enter answers Yes") << int(Qt::Key_Return) << Answer::Yes;
    QTest::newRow("N answers No") << int(Qt::Key_N) << Answer::No;
    QTest::newRow("Esc answers No") << int(Qt::Key_Escape) << Answer::No;
    QTest::newRow("the program's end answers nothing") << 0 << Answer::Unanswered;
}

void tst_MessageBoxPrompts::questionOffersYesAndNoWithYesAsDefault()
{
    QFETCH(int, key);
    QFETCH(Answer, expected);
    MessageBoxPrompts prompts;
    SeenBox seen;
    whenBoxIsOpen(seen, [key](QMessageBox& box) {
        if (key == 0)
            QCoreApplication::exit(0); // as SIGTERM ends the program
        else
            QTest::keyClick(&box, static_cast<Qt::Key>(key),
                            key == Qt::Key_N ? Qt::AltModifier : Qt::NoModifier);
    });

    // Asked inside the application's event loop, which the program's end leaves
    // together with the box's own.
    Answer answer = Answer::Yes;
    QTimer::singleShot(0, [&] {
        answer = prompts.askYesNo(QStringLiteral("There maybe an update to this software "
                                                 "available\rDo you want to check for an update?"));
        QCoreApplication::quit();
    });
    QCoreApplication::exec();

    QVERIFY(seen.seen);
    QCOMPARE(answer, expected);
    QCOMPARE(seen.title, QStringLiteral("Skyvarre"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.defaultButton, QMessageBox::Yes);
    // The lone carriage return is shown as a line break.
    QCOMPARE(seen.text, QStringLiteral("There maybe an update to this software available\n"
                                       "Do you want to check for an update?"));
}

QTEST_MAIN(tst_MessageBoxPrompts)
#include "tst_messageboxprompts.moc"
