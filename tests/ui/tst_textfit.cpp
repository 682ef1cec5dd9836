#include "EveryWindow.h"
#include "WindowInspection.h"
#include "sign/Interpretation.h"
#include "support/FakeWindowHost.h"
#include "ui/Fonts.h"
#include "ui/ReferFriendTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QtTest>

#include <memory>
#include <vector>

// Every text a window shows must fit the rectangle the window gives it, with
// the face the program substitutes for the designed one. The rectangles are
// fixed in logical pixels; the test also runs with QT_SCALE_FACTOR 1.5 and 2,
// which must not change a text's logical size (with Qt 6.4 they do not).

using namespace skyvarre;
using skyvarre::test::AnyWindow;
using skyvarre::test::buildWindow;
using skyvarre::test::describe;
using skyvarre::test::FakeWindowHost;
using skyvarre::test::toQString;

namespace {

// The face every window is drawn in on this machine.
const QString kSubstitute = QStringLiteral("DejaVu Sans");

// One text in one control: the control's own text unless the row names another
// that the control shows at other times.
struct TextRow
{
    const char* sentence;
    AnyWindow window;
    const char* control;
    QString text;
};

const std::vector<TextRow>& textRows()
{
    const AnyWindow input = AnyWindow::Input;
    const AnyWindow result = AnyWindow::Result;
    const AnyWindow about = AnyWindow::About;
    const AnyWindow farewell = AnyWindow::Farewell;
    static const std::vector<TextRow> rows = {
        {"the input window's banner fits its strip", input, "Label61", {}},
        {"the input window's description fits its label", input, "Label3", {}},
        {"the caption Name fits its label", input, "Label1", {}},
        {"the caption Date fits its label", input, "Label5", {}},
        {"the caption Month fits its label", input, "Label7", {}},
        {"the caption Year fits its label", input, "Label6", {}},
        {"the caption Date Of Birth fits its label", input, "Label2", {}},
        {"every day fits the day list", input, "cboDate", {}},
        {"every month fits the month list", input, "cboMonth", {}},
        {"every year fits the year list", input, "cboYear", {}},
        {"the find caption fits its button", input, "cmdNext", {}},
        {"the input window's Exit fits its button", input, "cmdExit", {}},
        {"the input window's full-brand offer fits its label", input, "lblFullBrand", {}},
        {"the input window's co-brand offer fits its label", input, "lblCobrand", {}},

        {"the result window's banner fits its strip", result, "Label61", {}},
        {"the result sentence fits its label", result, "Label12", {}},
        {"the sign name Aries fits beside the sentence", result, "lblSednaSign", "Aries"},
        {"the sign name Taurus fits beside the sentence", result, "lblSednaSign", "Taurus"},
        {"the sign name Gemini fits beside the sentence", result, "lblSednaSign", "Gemini"},
        {"the Aries text fits the description label", result, "lblSignDesc",
         toQString(kAriesInterpretation)},
        {"the Taurus text fits the description label", result, "lblSignDesc",
         toQString(kTaurusInterpretation)},
        {"Back fits its button", result, "cmdBack", {}},
        {"the result window's Exit fits its button", result, "cmdExit", {}},
        {"the result window's co-brand offer fits its label", result, "lblCobrand", {}},
        {"the result window's full-brand offer fits its label", result, "lblFullBrand", {}},

        {"the About title fits its label", about, "Label2", {}},
        {"the About description fits its label", about, "Label1", {}},
        {"the home-page link fits its label", about, "lblHomePage", {}},
        {"the About full-brand offer fits its label", about, "Label6", {}},
        {"the details link fits its label", about, "Label5", {}},
        {"OK fits its button", about, "cmdOK", {}},

        {"the farewell title fits its label", farewell, "Label1", {}},
        {"support text 0 fits its label", farewell, "Label2", referfriend::kSupportTexts[0]},
        {"support text 1 fits its label", farewell, "Label2", referfriend::kSupportTexts[1]},
        {"support text 2 fits its label", farewell, "Label2", referfriend::kSupportTexts[2]},
        {"support text 3 fits its label", farewell, "Label2", referfriend::kSupportTexts[3]},
        {"the forum invitation fits its check box", farewell, "Check1", {}},
        {"the farewell window's Exit fits its button", farewell, "cmdClose", {}},
        {"the title Refer A Friend fits its frame", farewell, "Frame2", {}},
        {"the prompt Your Name fits its field", farewell, "txtName", {}},
        {"the prompt Your Email Address fits its field", farewell, "txtEmail", {}},
        {"the prompt Friend's Name fits its field", farewell, "txtFriendName", {}},
        {"the prompt Friend's Email Address fits its field", farewell, "txtFriendEmail", {}},
        {"the submit caption fits its button", farewell, "cmdSubmit", {}},
        {"the title of the programs frame fits its frame", farewell, "Frame6", {}},
        {"the text about the other programs fits its label", farewell, "Label3", {}},
        {"the link to the other programs fits its label", farewell, "lblGoToHome", {}},
    };
    return rows;
}

// Controls that show a text, as a user sees them. The message field lies out
// of sight by design and shows nothing.
bool showsText(const QWidget& control)
{
    if (control.objectName() == QLatin1String("txtMessage") || control.objectName().isEmpty())
        return false;
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return !label->text().isEmpty();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return !button->text().isEmpty();
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        return !frame->title().isEmpty();
    if (const auto* list = qobject_cast<const QComboBox*>(&control))
        return list->count() > 0;
    if (const auto* field = qobject_cast<const QLineEdit*>(&control))
        return !field->text().isEmpty();
    return false;
}

QString sizes(const QRect& needed, const QRect& available)
{
    return QStringLiteral("needs %1x%2 at (%3,%4), has %5x%6 at (%7,%8)")
        .arg(needed.width())
        .arg(needed.height())
        .arg(needed.x())
        .arg(needed.y())
        .arg(available.width())
        .arg(available.height())
        .arg(available.x())
        .arg(available.y());
}

// Gives a label (a link label included) another text to show.
void setText(QWidget& control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(text);
    else
        qFatal("%s is no label", qPrintable(control.objectName()));
}

// Where the text falls short of its rectangle, a description of by how much;
// empty when it fits. Each kind of control is measured as it draws its text.
QString misfit(QWidget& control)
{
    const QFontMetrics metrics = control.fontMetrics();
    QStyle& style = *control.style();

    if (auto* label = qobject_cast<QLabel*>(&control)) {
        const int margin = label->margin();
        const QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = metrics.boundingRect(area, flags, label->text());
        return area.contains(needed) ? QString() : sizes(needed, area);
    }
    if (auto* box = qobject_cast<QCheckBox*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect area = style.subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        const QRect needed = metrics.boundingRect(
            area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->text());
        return area.contains(needed) ? QString() : sizes(needed, area);
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect area = style.subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect needed =
            metrics.boundingRect(area, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
        return area.contains(needed) ? QString() : sizes(needed, area);
    }
    if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title =
            style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        // The style sizes the title to its text; what can go wrong is a title
        // longer than its frame is wide.
        const QRect needed(title.topLeft(),
                           QSize(metrics.horizontalAdvance(frame->title()), metrics.height()));
        const bool fits = frame->rect().contains(title) && title.width() >= needed.width() &&
                          title.height() >= needed.height();
        return fits ? QString() : sizes(needed, title);
    }
    if (auto* list = qobject_cast<QComboBox*>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        option.frame = list->hasFrame();
        const QRect field =
            style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        QStringList tooWide;
        for (int index = 0; index < list->count(); ++index) {
            const QString item = list->itemText(index);
            if (metrics.horizontalAdvance(item) > field.width() ||
                metrics.height() > field.height())
                tooWide.append(item);
        }
        return tooWide.isEmpty() ? QString()
                                 : QStringLiteral("%1 do not fit %2x%3")
                                       .arg(tooWide.join(QStringLiteral(", ")))
                                       .arg(field.width())
                                       .arg(field.height());
    }
    if (auto* field = qobject_cast<QLineEdit*>(&control)) {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth =
            field->hasFrame() ? style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field) : 0;
        // A line edit keeps two pixels on each side free of text.
        constexpr int kSideMargin = 2;
        const QRect area = style.subElementRect(QStyle::SE_LineEditContents, &option, field)
                               .marginsRemoved(field->textMargins())
                               .adjusted(kSideMargin, 0, -kSideMargin, 0);
        const QSize needed(metrics.horizontalAdvance(field->text()),
                           qMax(metrics.height(), metrics.boundingRect(field->text()).height()));
        const bool fits = needed.width() <= area.width() && needed.height() <= area.height();
        return fits ? QString() : sizes(QRect(area.topLeft(), needed), area);
    }
    return QStringLiteral("a control of a kind this test does not measure");
}

// The first container on the way up to the window that cuts the control off.
QString cutOffBy(const QWidget& control)
{
    QRect place = control.rect();
    const QWidget* inner = &control;
    while (!inner->isWindow()) {
        place.translate(inner->pos());
        const QWidget& outer = *inner->parentWidget();
        if (!outer.rect().contains(place))
            return outer.objectName();
        inner = &outer;
    }
    return QString();
}

} // namespace

class tst_TextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void textFitsItsRectangle_data();
    void textFitsItsRectangle();
    void everyTextAWindowShowsIsMeasured_data();
    void everyTextAWindowShowsIsMeasured();
};

void tst_TextFit::initTestCase()
{
    installFontSubstitutions();
}

void tst_TextFit::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_TextFit::textFitsItsRectangle_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    for (const TextRow& row : textRows())
        QTest::newRow(row.sentence) << row.window << row.control << row.text;
}

void tst_TextFit::textFitsItsRectangle()
{
    QFETCH(AnyWindow, window);
    QFETCH(QString, control);
    QFETCH(QString, text);
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    if (!text.isEmpty()) {
        if (auto* result = qobject_cast<frmDisplay*>(shown.get());
            result != nullptr && control == QLatin1String("lblSednaSign"))
            result->setSednaSign(text); // which sizes the label to its text
        else
            setText(test::control<QWidget>(*shown, qPrintable(control)), text);
    }
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    QWidget& measured = test::control<QWidget>(*shown, qPrintable(control));

    // Measured in the face the windows were laid out for, or the figures
    // below say nothing about what a user sees.
    QCOMPARE(QFontInfo(measured.font()).family(), kSubstitute);
    const QString shortfall = misfit(measured);
    QVERIFY2(shortfall.isEmpty(), qPrintable(shortfall));
    const QString container = cutOffBy(measured);
    QVERIFY2(container.isEmpty(), qPrintable(QStringLiteral("cut off by ") + container));
}

void tst_TextFit::everyTextAWindowShowsIsMeasured_data()
{
    QTest::addColumn<AnyWindow>("window");
    for (const AnyWindow window :
         {AnyWindow::Input, AnyWindow::Result, AnyWindow::About, AnyWindow::Farewell}) {
        const QString row = QStringLiteral("every text of %1 is measured").arg(describe(window));
        QTest::newRow(qPrintable(row)) << window;
    }
}

void tst_TextFit::everyTextAWindowShowsIsMeasured()
{
    QFETCH(AnyWindow, window);
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);

    QStringList shownTexts;
    for (const QWidget* control : shown->findChildren<QWidget*>())
        if (control->window() == shown.get() && showsText(*control))
            shownTexts.append(control->objectName());
    QStringList measured;
    for (const TextRow& row : textRows())
        if (row.window == window)
            measured.append(QString::fromLatin1(row.control));
    measured.removeDuplicates();
    shownTexts.sort();
    measured.sort();
    QCOMPARE(shownTexts, measured);
}

QTEST_MAIN(tst_TextFit)
#include "tst_textfit.moc"
