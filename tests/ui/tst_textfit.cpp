#include "EveryWindow.h"
#include "Glyphs.h"
#include "WindowInspection.h"
#include "sign/Interpretation.h"
#include "sign/Sign.h"
#include "support/FakeWindowHost.h"
#include "ui/CoreText.h"
#include "ui/Fonts.h"
#include "ui/Look.h"
#include "ui/ReferFriendTexts.h"
#include "ui/Translator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTranslator>
#if QT_CONFIG(xmlstreamreader)
#include <QXmlStreamReader>
#endif
#include <QtTest>

#include <memory>
#include <optional>
#include <vector>

// Every text a window shows must fit the rectangle the window gives it, with
// the face the program substitutes for the designed one, in every language the
// program speaks and in a pseudo-translation longer than any of them; and its
// letters as drawn, accents and descenders included, must lie inside the
// part of its control that is painted. The
// rectangles are fixed in logical pixels; the test also runs with
// QT_SCALE_FACTOR 1.5 and 2, which must not change a text's logical size (with
// Qt 6.4 they do not).
//
// One language alone, by the name of its global row:
//     tst_textfit "textFitsItsRectangle:in German" "layoutStaysFixed:in German"
// With SKYVARRE_FIT_SCREENSHOTS=<folder>, layoutStaysFixed leaves a picture of
// each window in each language there.

using namespace skyvarre;
using skyvarre::test::AnyWindow;
using skyvarre::test::buildWindow;
using skyvarre::test::describe;
using skyvarre::test::FakeWindowHost;

namespace {

// The face every window is drawn in on this machine.
const QString kSubstitute = QStringLiteral("DejaVu Sans");

// The languages' codes: none for English, the language the windows are
// written in; made-up ones for the pseudo-translation and its right-to-left
// variant, which ship in no language and are built into this test alone
// (translations/CMakeLists.txt).
const QString kEnglish;
const QString kPseudo = QStringLiteral("pseudo");
const QString kPseudoRightToLeft = QStringLiteral("pseudo_rtl");

bool isPseudo(const QString& code)
{
    return code == kPseudo || code == kPseudoRightToLeft;
}

// The program's texts in one language for as long as it lives: a language the
// program ships as the program installs it, by its Translator; the
// pseudo-translation from this test's own catalogue.
class SpokenLanguage
{
public:
    explicit SpokenLanguage(const QString& code)
    {
        if (isPseudo(code))
            m_spoken = m_pseudo.load(QStringLiteral(":/pseudo/skyvarre_%1.qm").arg(code)) &&
                       QCoreApplication::installTranslator(&m_pseudo);
        else if (code != kEnglish)
            m_spoken = m_shipped.emplace(QStringList{code}).language() == QLocale(code).language();
    }

    // Whether the windows now speak it: not a shipped language whose
    // translation is not written yet, nor a catalogue that failed to load.
    bool isSpoken() const { return m_spoken; }

private:
    QTranslator m_pseudo;
    std::optional<Translator> m_shipped;
    bool m_spoken = true;
};

// How a row name speaks of a language.
QString describeLanguage(const QString& code)
{
    if (code == kEnglish)
        return QStringLiteral("in English");
    if (code == kPseudo)
        return QStringLiteral("in the pseudo-translation");
    if (code == kPseudoRightToLeft)
        return QStringLiteral("in the right-to-left pseudo-translation");
    const QLocale locale(code);
    QString name = QLocale::languageToString(locale.language());
    if (code.contains(u'_'))
        name += QStringLiteral(" (%1)").arg(QLocale::territoryToString(locale.territory()));
    return QStringLiteral("in ") + name;
}

// One text in one control: the control's own text unless the row names another
// that the control shows at other times, by its translation context and its
// English text, or without a context a text the user types. Where the control has no room for a
// text two-fifths longer than the English, the row says how much it has (its translator's comment
// holds the translations to that): the pseudo-translation is expected not to
// fit there.
struct TextRow
{
    const char* sentence;
    AnyWindow window;
    const char* control;
    const char* context = nullptr;
    const char* source = nullptr;
    const char* roomForLess = nullptr;
};

const std::vector<TextRow>& textRows()
{
    const AnyWindow input = AnyWindow::Input;
    const AnyWindow result = AnyWindow::Result;
    const AnyWindow about = AnyWindow::About;
    const AnyWindow farewell = AnyWindow::Farewell;
    const char* const farewellTexts = frmReferFriend::staticMetaObject.className();
    static const std::vector<TextRow> rows = {
        {"the input window's banner fits its strip", input, "Label61"},
        {"the input window's description fits its label", input, "Label3"},
        {"the caption Name fits its label", input, "Label1"},
        {"the caption Date fits its label", input, "Label5"},
        {"the caption Month fits its label", input, "Label7"},
        {"the caption Year fits its label", input, "Label6"},
        {"the caption Date Of Birth fits its label", input, "Label2", nullptr, nullptr,
         "14 characters before the date lists, of which the English takes 13"},
        {"every day fits the day list", input, "cboDate"},
        {"every month fits the month list", input, "cboMonth", nullptr, nullptr,
         "75 pixels, of which September takes 68"},
        {"every year fits the year list", input, "cboYear"},
        {"the find caption fits its button", input, "cmdNext"},
        {"the input window's Exit fits its button", input, "cmdExit"},
        {"the input window's full-brand offer fits its label", input, "lblFullBrand", nullptr,
         nullptr, "three lines, which the English fills"},
        {"the input window's co-brand offer fits its label", input, "lblCobrand", nullptr, nullptr,
         "three lines, which the English fills"},
        {"Latin capitals with accents fit the name box", input, "txtName", nullptr,
         "\u00C5\u00C9\u00CE\u00C7\u0162"},
        {"Cyrillic capitals with accents fit the name box", input, "txtName", nullptr,
         "\u0401\u0419\u0407\u0426\u0429"},

        {"the result window's banner fits its strip", result, "Label61"},
        {"the result sentence fits its label", result, "Label12"},
        {"the sign name Aries fits beside the sentence", result, "lblSednaSign", kSignNamesContext,
         signName(Sign::Aries).data()},
        {"the sign name Taurus fits beside the sentence", result, "lblSednaSign", kSignNamesContext,
         signName(Sign::Taurus).data()},
        {"the sign name Gemini fits beside the sentence", result, "lblSednaSign", kSignNamesContext,
         signName(Sign::Gemini).data()},
        {"the Aries text fits the description label", result, "lblSignDesc", kInterpretationContext,
         kAriesInterpretation.data(), "six lines, of which the English takes five"},
        {"the Taurus text fits the description label", result, "lblSignDesc",
         kInterpretationContext, kTaurusInterpretation.data()},
        {"Back fits its button", result, "cmdBack"},
        {"the result window's Exit fits its button", result, "cmdExit"},
        {"the result window's co-brand offer fits its label", result, "lblCobrand", nullptr,
         nullptr, "three lines, which the English fills"},
        {"the result window's full-brand offer fits its label", result, "lblFullBrand", nullptr,
         nullptr, "three lines, which the English fills"},

        {"the About title fits its label", about, "Label2"},
        {"the About description fits its label", about, "Label1", nullptr, nullptr,
         "five lines, of which the English takes four"},
        {"the home-page link fits its label", about, "lblHomePage", nullptr, nullptr,
         "one line, hardly more than the English"},
        {"the About full-brand offer fits its label", about, "Label6", nullptr, nullptr,
         "three lines, which the English fills but for a fifth of the last"},
        {"the details link fits its label", about, "Label5", nullptr, nullptr,
         "about 180 pixels, of which the English takes 165"},
        {"OK fits its button", about, "cmdOK"},

        {"the farewell title fits its label", farewell, "Label1"},
        {"support text 0 fits its label", farewell, "Label2", farewellTexts,
         referfriend::kSupportTexts[0], "four lines, of which the English takes three"},
        {"support text 1 fits its label", farewell, "Label2", farewellTexts,
         referfriend::kSupportTexts[1], "four lines, of which the English takes three"},
        {"support text 2 fits its label", farewell, "Label2", farewellTexts,
         referfriend::kSupportTexts[2], "four lines, of which the English takes three"},
        {"support text 3 fits its label", farewell, "Label2", farewellTexts,
         referfriend::kSupportTexts[3], "four lines, of which the English takes three"},
        {"the forum invitation fits its check box", farewell, "Check1", nullptr, nullptr,
         "one line, a third longer than the English"},
        {"the farewell window's Exit fits its button", farewell, "cmdClose"},
        {"the title Refer A Friend fits its frame", farewell, "Frame2"},
        {"the prompt Your Name fits its field", farewell, "txtName"},
        {"the prompt Your Email Address fits its field", farewell, "txtEmail"},
        {"the prompt Friend's Name fits its field", farewell, "txtFriendName"},
        {"the prompt Friend's Email Address fits its field", farewell, "txtFriendEmail"},
        {"the submit caption fits its button", farewell, "cmdSubmit"},
        {"the title of the programs frame fits its frame", farewell, "Frame6", nullptr, nullptr,
         "249 pixels, of which the English takes 218"},
        {"the text about the other programs fits its label", farewell, "Label3", nullptr, nullptr,
         "18 lines, of which the English takes 13"},
        {"the link to the other programs fits its label", farewell, "lblGoToHome", nullptr, nullptr,
         "one line, which the English fills"},
    };
    return rows;
}

// Controls that lie out of sight by design: the message field, which shows nothing.
bool isOutOfSight(const QWidget& control)
{
    return control.objectName() == QLatin1String("txtMessage");
}

// Controls that show a text, as a user sees them.
bool showsText(const QWidget& control)
{
    if (isOutOfSight(control) || control.objectName().isEmpty())
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

QString describePlace(const QRect& place)
{
    return QStringLiteral("%1x%2 at (%3,%4)")
        .arg(place.width())
        .arg(place.height())
        .arg(place.x())
        .arg(place.y());
}

QString sizes(const QRect& needed, const QRect& available)
{
    return QStringLiteral("needs %1, has %2").arg(describePlace(needed), describePlace(available));
}

// Gives a label (a link label included) another text to show, or types one
// into a field.
void setText(QWidget& control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(text);
    else if (auto* field = qobject_cast<QLineEdit*>(&control))
        field->setText(text);
    else
        qFatal("%s is no label or field", qPrintable(control.objectName()));
}

// A rectangle of control's in the device pixels of its window. At a
// fractional scale an edge falls inside a device pixel, which Qt gives to one
// side or the other: the pixel is counted in.
QRect devicePixels(const QWidget& control, const QRect& rect)
{
    const QRectF inWindow = rect.translated(control.mapTo(control.window(), QPoint(0, 0)));
    const qreal scale = control.devicePixelRatioF();
    return QRectF(inWindow.topLeft() * scale, inWindow.size() * scale).toAlignedRect();
}

// Where the letters of text stray out of the part of control that is painted,
// painted, as QPainter::drawText(area, flags, text) draws them in control's
// font: drawn without a clip, on the window's own grid of device pixels so
// that each letter lands where the window draws it. A pixel is a letter's
// when it covers more than an eighth of it: the faint edge that antialiasing
// spreads around a letter (a few hundredths) is no part of it. Empty when no
// letter strays.
QString inkOutside(const QWidget& control, const QRect& painted, const QRect& area, int flags,
                   const QString& text)
{
    constexpr int kCovered = 32;
    constexpr int kRoom = 40;
    const qreal scale = control.devicePixelRatioF();
    const QRect canvas =
        devicePixels(control, control.rect().marginsAdded({kRoom, kRoom, kRoom, kRoom}));
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-canvas.topLeft());
    painter.scale(scale, scale);
    painter.translate(control.mapTo(control.window(), QPoint(0, 0)));
    painter.setFont(control.font());
    painter.setPen(Qt::black);
    painter.drawText(area, flags | Qt::TextDontClip, text);
    painter.end();
    QRect covered;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) > kCovered)
                covered |= QRect(x, y, 1, 1);
    }
    covered.translate(canvas.topLeft());
    const QRect shown = devicePixels(control, painted);
    if (covered.isEmpty() || shown.contains(covered))
        return QString();
    return QStringLiteral("the letters of \"%1\" cover %2, %3 shows %4 (device pixels)")
        .arg(text, describePlace(covered), control.objectName(), describePlace(shown));
}

// Where a label may draw its text, and where its text goes.
std::pair<QRect, QRect> labelText(const QLabel& label)
{
    const int margin = label.margin();
    const QRect area = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    const int flags = int(label.alignment()) | (label.wordWrap() ? int(Qt::TextWordWrap) : 0);
    return {area, label.fontMetrics().boundingRect(area, flags, label.text())};
}

// Where a frame may draw its title, and where its title goes.
std::pair<QRect, QRect> frameTitle(const QGroupBox& frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.textAlignment = frame.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                      QStyle::SC_GroupBoxLabel, &frame);
    // The style sizes the title to its text; what can go wrong is a title
    // longer than its frame is wide.
    const QFontMetrics metrics = frame.fontMetrics();
    return {title, QRect(title.topLeft(),
                         QSize(metrics.horizontalAdvance(frame.title()), metrics.height()))};
}

// Where the text falls short of its rectangle, a description of by how much;
// empty when it fits. Each kind of control is measured as it draws its text.
QString misfit(QWidget& control)
{
    const QFontMetrics metrics = control.fontMetrics();
    QStyle& style = *control.style();

    if (auto* label = qobject_cast<QLabel*>(&control)) {
        const auto [area, needed] = labelText(*label);
        if (!area.contains(needed))
            return sizes(needed, area);
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        return inkOutside(*label, label->rect(), area, flags, label->text());
    }
    if (auto* box = qobject_cast<QCheckBox*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect area = style.subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
        const QRect needed = metrics.boundingRect(area, flags, box->text());
        return area.contains(needed) ? inkOutside(*box, box->rect(), area, flags, box->text())
                                     : sizes(needed, area);
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect area = style.subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        const QRect needed = metrics.boundingRect(area, flags, button->text());
        return area.contains(needed)
                   ? inkOutside(*button, button->rect(), area, flags, button->text())
                   : sizes(needed, area);
    }
    if (auto* frame = qobject_cast<QGroupBox*>(&control)) {
        const auto [title, needed] = frameTitle(*frame);
        const bool fits = frame->rect().contains(title) && title.width() >= needed.width() &&
                          title.height() >= needed.height();
        return fits ? inkOutside(*frame, frame->rect(), title,
                                 int(Qt::TextShowMnemonic | Qt::AlignLeft | frame->alignment()),
                                 frame->title())
                    : sizes(needed, title);
    }
    if (auto* list = qobject_cast<QComboBox*>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        option.frame = list->hasFrame();
        const QRect field =
            style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        // The style draws an item a pixel inside the field, clipped to it.
        const QRect itemArea = field.adjusted(1, 0, -1, 0);
        QStringList tooWide;
        for (int index = 0; index < list->count(); ++index) {
            const QString item = list->itemText(index);
            if (metrics.horizontalAdvance(item) > field.width() ||
                metrics.height() > field.height())
                tooWide.append(
                    QStringLiteral("%1 (%2)").arg(item).arg(metrics.horizontalAdvance(item)));
            else if (const QString outside =
                         inkOutside(*list, field, itemArea, Qt::AlignLeft | Qt::AlignVCenter, item);
                     !outside.isEmpty())
                return outside;
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
        if (!fits)
            return sizes(QRect(area.topLeft(), needed), area);
        // The field clips its text to its contents and centres its line in them.
        const QRect contents = area.adjusted(-kSideMargin, 0, kSideMargin, 0);
        const QRect line(area.x(), contents.y() + (contents.height() - needed.height() + 1) / 2,
                         area.width(), needed.height());
        return inkOutside(*field, contents, line, Qt::AlignLeft | Qt::AlignTop, field->text());
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

// What a control covers of its window, in the window's coordinates: a label
// its text (or its picture), a frame its title, any other control itself.
// Empty for what covers nothing of its own: containers, and the menu bar,
// which lies outside the controls' area.
QRect coverage(const QWidget& control, const QWidget& window)
{
    QRect covered;
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        covered = label->text().isEmpty() ? label->rect() : labelText(*label).second;
    else if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
        covered = frame->title().isEmpty() ? QRect() : frameTitle(*frame).second;
    else if (qobject_cast<const QAbstractButton*>(&control) != nullptr ||
             qobject_cast<const QComboBox*>(&control) != nullptr ||
             qobject_cast<const QLineEdit*>(&control) != nullptr)
        covered = control.rect();
    if (covered.isEmpty())
        return {};
    return QRect(control.mapTo(&window, covered.topLeft()), covered.size());
}

// Whether two controls share a place by design: the window raises one over the other.
bool takeTurns(const QWidget& one, const QWidget& other)
{
    const QStringList offers = {QStringLiteral("lblCobrand"), QStringLiteral("lblFullBrand")};
    return offers.contains(one.objectName()) && offers.contains(other.objectName());
}

// Whether what control covers is its text, which grows with the language,
// rather than a rectangle of fixed size.
bool coversItsText(const QWidget& control)
{
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return !label->text().isEmpty();
    return qobject_cast<const QGroupBox*>(&control) != nullptr;
}

// The other controls of its window that control covers, one line each; empty
// when there are none. A text that runs into a control of fixed size is
// reported with the text, once.
QStringList overlaps(const QWidget& control)
{
    const QWidget& window = *control.window();
    const QRect place = coverage(control, window);
    QStringList lines;
    for (const QWidget* other : window.findChildren<QWidget*>()) {
        if (other == &control || other->window() != &window || !other->isVisibleTo(&window) ||
            isOutOfSight(*other) || qobject_cast<const QMenuBar*>(other->parentWidget()) ||
            takeTurns(control, *other) || (coversItsText(*other) && !coversItsText(control)))
            continue;
        if (const QRect otherPlace = coverage(*other, window); otherPlace.intersects(place))
            lines.append(
                QStringLiteral("%1 overlaps %2 %3")
                    .arg(describePlace(place), other->objectName(), describePlace(otherPlace)));
    }
    return lines;
}

// The menu titles that the menu bar cannot show in its width (it moves them
// behind an extension button).
QStringList hiddenMenuTitles(const QMenuBar& bar)
{
    QStringList hidden;
    for (QAction* title : bar.actions()) {
        const QRect place = bar.actionGeometry(title);
        if (title->isVisible() && (place.isEmpty() || !bar.rect().contains(place)))
            hidden.append(title->text());
    }
    return hidden;
}

// Qt for Windows is built without XML streams (scripts/build-qt-windows.sh):
// the forms' geometry, the same on every platform, is pinned where Qt has them.
#if QT_CONFIG(xmlstreamreader)
// The geometry each control has in the window's Designer form, by object name.
QHash<QString, QRect> formGeometry(const QString& formFile)
{
    QFile file(formFile);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(formFile));
    QXmlStreamReader form(&file);
    QHash<QString, QRect> geometry;
    QStringList widgets;
    QString property;
    QRect rect;
    while (!form.atEnd()) {
        form.readNext();
        const auto name = form.name();
        if (form.isStartElement() && name == QLatin1String("widget"))
            widgets.append(form.attributes().value(QLatin1String("name")).toString());
        else if (form.isEndElement() && name == QLatin1String("widget"))
            widgets.removeLast();
        else if (form.isStartElement() && name == QLatin1String("property"))
            property = form.attributes().value(QLatin1String("name")).toString();
        else if (form.isStartElement() && property == QLatin1String("geometry") &&
                 !widgets.isEmpty()) {
            if (name == QLatin1String("x"))
                rect.moveLeft(form.readElementText().toInt());
            else if (name == QLatin1String("y"))
                rect.moveTop(form.readElementText().toInt());
            else if (name == QLatin1String("width"))
                rect.setWidth(form.readElementText().toInt());
            else if (name == QLatin1String("height"))
                rect.setHeight(form.readElementText().toInt());
        } else if (form.isEndElement() && name == QLatin1String("property")) {
            if (property == QLatin1String("geometry") && !widgets.isEmpty())
                geometry.insert(widgets.last(), rect);
            property.clear();
        }
    }
    if (form.hasError())
        qFatal("%s: %s", qPrintable(formFile), qPrintable(form.errorString()));
    return geometry;
}

// Where window's controls stray from the places their form gives them, one
// line a control; in a right-to-left language, the mirrored places, and every
// control laid out right to left. A label that takes the size of its text
// keeps its line and its place on it, or moves along it away from where its
// text starts; the sign name starts its text a space after the sentence,
// however long the sentence is.
QStringList strayFromForm(QWidget& window)
{
    const QString formName =
        QString::fromLatin1(window.metaObject()->className()).section(QStringLiteral("::"), -1);
    const QHash<QString, QRect> form =
        formGeometry(QStringLiteral(SKYVARRE_FORMS_FOLDER "/%1.ui").arg(formName));
    const bool rightToLeft = QApplication::isRightToLeft();
    QStringList strays;
    for (auto placed = form.cbegin(); placed != form.cend(); ++placed) {
        if (placed.key() == window.objectName())
            continue; // the window's own size comes from its menu bar and client area
        const QWidget& control = test::control<QWidget>(window, qPrintable(placed.key()));
        if (control.isRightToLeft() != rightToLeft)
            strays.append(QStringLiteral("%1 is laid out in the other direction").arg(placed.key()));
        QRect designed = placed.value();
        if (rightToLeft)
            designed.moveLeft(control.parentWidget()->width() - designed.x() - designed.width());
        const QRect live = control.geometry();
        const auto* label = qobject_cast<const QLabel*>(&control);
        const bool keepsItsStart =
            rightToLeft ? live.right() <= designed.right() : live.x() >= designed.x();
        bool keepsItsLine = label != nullptr && live.size() == control.sizeHint() &&
                            live.y() == designed.y() && keepsItsStart;
        if (placed.key() == QLatin1String("lblSednaSign")) {
            const QLabel& sentence = test::control<QLabel>(window, "Label12");
            const int space = sentence.fontMetrics().horizontalAdvance(QLatin1Char(' '));
            const int textStart = rightToLeft ? live.right() - label->margin() : live.x() + label->margin();
            const int afterSentence = rightToLeft ? sentence.geometry().left() - 1 - space
                                                  : sentence.geometry().right() + 1 + space;
            keepsItsLine = live.size() == control.sizeHint() && live.y() == designed.y() &&
                           textStart == afterSentence;
        }
        if (live != designed && !keepsItsLine)
            strays.append(QStringLiteral("%1 is %2, its form says %3")
                              .arg(placed.key(), describePlace(live), describePlace(designed)));
    }
    return strays;
}
#endif

} // namespace

class tst_TextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void initTestCase();
    void init();
    void cleanup();

    void textFitsItsRectangle_data();
    void textFitsItsRectangle();
    void layoutStaysFixed_data();
    void layoutStaysFixed();
    void everyTextAWindowShowsIsMeasured_data();
    void everyTextAWindowShowsIsMeasured();

private:
    std::unique_ptr<SpokenLanguage> m_language;
};

void tst_TextFit::initTestCase_data()
{
    QTest::addColumn<QString>("language");
    QStringList languages = {kEnglish, kPseudo, kPseudoRightToLeft};
    languages += QStringLiteral(SKYVARRE_LANGUAGES).split(u',');
    for (const QString& language : languages)
        QTest::newRow(qPrintable(describeLanguage(language))) << language;
}

void tst_TextFit::initTestCase()
{
    installFontSubstitutions();
}

void tst_TextFit::init()
{
    QFETCH_GLOBAL(QString, language);
    m_language = std::make_unique<SpokenLanguage>(language);
    // The faces as the program names them for the language it speaks.
    installFontSubstitutions(QLocale(language).language());
    if (!isPseudo(language)) {
        if (!m_language->isSpoken())
            QSKIP("the program has no translation into this language yet");
        return;
    }
    QVERIFY2(m_language->isSpoken(), "the pseudo-translation is not built into the test");
    // Its padding is Han; drawn as empty boxes, it would be measured narrower
    // than any Chinese text is.
    const QString sample = coreText(kSignNamesContext, signName(Sign::Aries));
    const QString missing = test::missingGlyphs(look::verdana(look::kNormalPoints), sample);
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no face draws %1 of the pseudo-translation here "
                                        "(the test packages bring fonts-wqy-microhei)")
                             .arg(missing)));
}

void tst_TextFit::cleanup()
{
    m_language.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_TextFit::textFitsItsRectangle_data()
{
    QTest::addColumn<AnyWindow>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("roomForLess");
    for (const TextRow& row : textRows())
        QTest::newRow(row.sentence)
            << row.window << row.control << QString::fromLatin1(row.context)
            << QString::fromUtf8(row.source) << QString::fromLatin1(row.roomForLess);
}

void tst_TextFit::textFitsItsRectangle()
{
    QFETCH_GLOBAL(QString, language);
    QFETCH(AnyWindow, window);
    QFETCH(QString, control);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, roomForLess);
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    if (!source.isEmpty()) {
        const QString text =
            QCoreApplication::translate(qPrintable(context), source.toUtf8().constData());
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
    QStringList faults;
    if (const QString shortfall = misfit(measured); !shortfall.isEmpty())
        faults.append(shortfall);
    if (const QString container = cutOffBy(measured); !container.isEmpty())
        faults.append(QStringLiteral("cut off by ") + container);
    faults += overlaps(measured);
    if (language == kPseudoRightToLeft && !roomForLess.isEmpty())
        QSKIP("the room is the left-to-right pseudo-translation's to show: Hebrew letters run "
              "narrower than its accented ones");
    if (language == kPseudo && !roomForLess.isEmpty())
        QEXPECT_FAIL("", qPrintable(QStringLiteral("no room for two-fifths more: ") + roomForLess),
                     Abort);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void tst_TextFit::layoutStaysFixed_data()
{
    QTest::addColumn<AnyWindow>("window");
    for (const AnyWindow window :
         {AnyWindow::Input, AnyWindow::Result, AnyWindow::About, AnyWindow::Farewell}) {
        const QString row = QStringLiteral("%1 keeps its layout").arg(describe(window));
        QTest::newRow(qPrintable(row)) << window;
    }
}

void tst_TextFit::layoutStaysFixed()
{
    QFETCH_GLOBAL(QString, language);
    QFETCH(AnyWindow, window);
    FakeWindowHost host;
    const std::unique_ptr<QWidget> shown = buildWindow(window, host);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    // For a look at the windows in each language, the pseudo-translation among them.
    if (const QString folder = qEnvironmentVariable("SKYVARRE_FIT_SCREENSHOTS");
        !folder.isEmpty()) {
        const QString file = QStringLiteral("%1/%2_%3.png")
                                 .arg(folder, shown->objectName(),
                                      language == kEnglish ? QStringLiteral("en") : language);
        QVERIFY2(shown->grab().save(file), qPrintable(QStringLiteral("cannot write ") + file));
    }

    // In every language, and so in English as designed.
#if QT_CONFIG(xmlstreamreader)
    const QStringList strays = strayFromForm(*shown);
    QVERIFY2(strays.isEmpty(), qPrintable(strays.join(QStringLiteral("; "))));
#endif
    if (const auto* bar = shown->findChild<QMenuBar*>()) {
        const QStringList hidden = hiddenMenuTitles(*bar);
        QVERIFY2(hidden.isEmpty(), qPrintable(QStringLiteral("no room on the menu bar for ") +
                                              hidden.join(QStringLiteral(", "))));
    }
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
    for (const TextRow& row : textRows()) {
        const bool typed = row.context == nullptr && row.source != nullptr;
        if (row.window == window && !typed)
            measured.append(QString::fromLatin1(row.control));
    }
    measured.removeDuplicates();
    shownTexts.sort();
    measured.sort();
    QCOMPARE(shownTexts, measured);
}

QTEST_MAIN(tst_TextFit)
#include "tst_textfit.moc"
