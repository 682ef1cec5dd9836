#include "frmReferFriend.h"

#include "CharacterRule.h"
#include "Fonts.h"
#include "Look.h"
#include "ReferFriendTexts.h"
#include "ScreenReader.h"
#include "WindowFrame.h"
#include "WindowHost.h"
#include "platform/Prompts.h"
#include "platform/RandomSource.h"
#include "ui_frmReferFriend.h"
#include "web/TellAFriend.h"
#include "web/WebPage.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFont>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QValidator>

#include <algorithm>
#include <utility>

namespace skyvarre {

using look::TextStyle;
using look::verdana;

namespace {

// The frames are navy over their whole rectangle, the strip above the border
// line included; the line runs through the middle of the white caption.
const QString kFrameStyle =
    QStringLiteral("QGroupBox { background-color: %1; background-clip: margin;"
                   " border: 2px groove %2; margin-top: 7px; }"
                   "QGroupBox::title { subcontrol-origin: margin;"
                   " left: 6px; padding: 0px 2px; color: %3; }")
        .arg(QColor(look::kNavy).name(), QColor(look::kButtonFace).name(),
             QColor(look::kWhite).name());

// k = the integer part of r x 4 in single precision. Values outside [0, 1)
// cannot come from the generator but must not index past the table either.
std::size_t supportTextIndex(float r)
{
    constexpr std::size_t kLast = referfriend::kSupportTexts.size() - 1;
    if (!(r >= 0.0f))
        return 0;
    if (r >= 1.0f)
        return kLast;
    const auto k = static_cast<std::size_t>(r * static_cast<float>(kLast + 1));
    return std::min(k, kLast);
}

// The longest texts the fields take. No real name, address or message comes
// near them, and together they keep the submission address far below the
// 128 KiB that one argument to the browser launcher may have on Linux: with
// at most 12 bytes per character once encoded (a 4-byte UTF-8 character,
// percent-encoded), 2 x 256 + 2 x 254 + 2,000 = 3,020 characters make at most
// 36,240 bytes besides the fixed part of the address.
constexpr int kLongestName = 256;
constexpr int kLongestEmailAddress = 254; // the longest address mail can be delivered to
constexpr int kLongestMessage = 2000;

// An e-mail address holds no space; any other character is the user's to type.
QValidator::State emailRule(QStringView text)
{
    return text.contains(u' ') ? QValidator::Invalid : QValidator::Acceptable;
}

// Focus that moves because another window or a popup menu came and went is not
// the user moving between controls; the placeholders ignore it.
bool isWithinWindow(const QFocusEvent& event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

} // namespace

frmReferFriend::frmReferFriend(WindowHost& host, QWidget* parent)
    : QDialog(parent, Qt::Window), m_ui(std::make_unique<Ui::frmReferFriend>()), m_host(host)
{
    installAccessibleInterfaces();
    m_ui->setupUi(this);
    const TellAFriendFields placeholders = tellAFriendPlaceholders();
    m_formFields = {{
        {m_ui->txtName, placeholders.name},
        {m_ui->txtEmail, placeholders.email},
        {m_ui->txtFriendName, placeholders.friendName},
        {m_ui->txtFriendEmail, placeholders.friendEmail},
        {m_ui->txtMessage, placeholders.message},
    }};

    setUpFixedWindow(*this);
    applyLook();
    setInitialTexts();
    connectHandlers();
    Form_Load();
    m_ui->cmdClose->setFocus();
}

frmReferFriend::~frmReferFriend() = default;

void frmReferFriend::applyLook()
{
    look::fillBackground(*this, look::kWhite);
    setFont(verdana(look::kNormalPoints));

    // Every control inside a frame gets a font of its own, so that none takes
    // over the frame's bold caption font.
    const QFont frameCaption = verdana(look::kTitlePoints, TextStyle::Bold);
    const std::pair<QWidget*, QFont> fonts[] = {
        {m_ui->Label1, windowFont(look::kSansSerif, 18)},
        {m_ui->Label2, verdana(look::kTitlePoints, TextStyle::Bold)},
        {m_ui->Frame2, frameCaption},
        {m_ui->cmdSubmit, verdana(look::kNormalPoints, TextStyle::Bold)},
        {m_ui->Frame6, frameCaption},
        {m_ui->Label3, verdana(look::kLargePoints)},
        {m_ui->lblGoToHome, verdana(look::kNormalPoints, TextStyle::BoldUnderlined)},
    };
    for (const auto& [widget, font] : fonts)
        widget->setFont(font);
    for (const FormField& field : m_formFields)
        field.widget->setFont(verdana(look::kNormalPoints));

    m_ui->Frame2->setStyleSheet(kFrameStyle);
    m_ui->Frame6->setStyleSheet(kFrameStyle);
    look::setTextColour(*m_ui->Label3, look::kWhite);
    look::setTextColour(*m_ui->lblGoToHome, look::kYellow);
    look::setButtonFace(*m_ui->cmdClose);
    look::setButtonFace(*m_ui->cmdSubmit);

    m_ui->Picture1->setPixmap(programIcon().pixmap(32));
}

void frmReferFriend::setInitialTexts()
{
    m_ui->Label1->setText(look::kCaption);
    // The support text before the load steps choose one.
    m_ui->Label2->setText(tr(referfriend::kSupportTexts[1]));
    m_ui->Check1->setText(tr(referfriend::kVisitForumNow));
    m_ui->Label3->setText(tr(referfriend::kOtherPrograms));
    for (const FormField& field : m_formFields)
        setFieldText(*field.widget, field.placeholder);
    // The message starts with a line break behind its prompt: that text is not
    // the prompt, so entering the field keeps it and an untouched form submits it.
    setFieldText(*m_ui->txtMessage,
                 formField(m_ui->txtMessage)->placeholder + QStringLiteral("\r\n"));
}

void frmReferFriend::connectHandlers()
{
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmReferFriend::cmdClose_Click);
    connect(m_ui->cmdSubmit, &QPushButton::clicked, this, &frmReferFriend::cmdSubmit_Click);
    // toggled rather than clicked: unticking from the handler raises it again,
    // and that second run must see the box unticked and do nothing.
    connect(m_ui->Check1, &QCheckBox::toggled, this, &frmReferFriend::Check1_Click);
    connect(m_ui->lblGoToHome, &LinkLabel::clicked, this, &frmReferFriend::lblGoToHome_Click);
    // Text that does not fit a field is cut at a whole character; this
    // window's filter sees the events first, and takes the prompt out of a
    // field before its room is counted.
    for (QLineEdit* line :
         {m_ui->txtName, m_ui->txtEmail, m_ui->txtFriendName, m_ui->txtFriendEmail})
        shapeArrivingText(*line, nullptr);
    for (const FormField& field : m_formFields)
        field.widget->installEventFilter(this);

    // The validators refuse spaces in the addresses however they arrive.
    m_ui->txtName->setMaxLength(kLongestName);
    m_ui->txtFriendName->setMaxLength(kLongestName);
    for (QLineEdit* email : {m_ui->txtEmail, m_ui->txtFriendEmail}) {
        email->setMaxLength(kLongestEmailAddress);
        auto* rule = new CharacterRuleValidator(emailRule, email);
        rule->setPrompt(formField(email)->placeholder);
        email->setValidator(rule);
        connect(
            rule, &CharacterRuleValidator::refused, this,
            [this, email] { emailField_Refused(*email); }, Qt::QueuedConnection);
    }
    connect(m_ui->txtMessage, &QPlainTextEdit::textChanged, this,
            &frmReferFriend::txtMessage_Change);
}

void frmReferFriend::Form_Load()
{
    m_host.random().seedFromClock();
    m_ui->Label2->setText(tr(referfriend::kSupportTexts[supportTextIndex(m_host.random().next())]));

    // Above every other window, browser windows opened from here included, but
    // without taking the focus from whatever the user is doing when it appears.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void frmReferFriend::cmdSubmit_Click()
{
    // Stored before any check, so that the entry follows the form even when a
    // check fails.
    TellAFriendEntry = TellAFriendFields{
        .name = trimSpaces(fieldText(*m_ui->txtName)),
        .email = trimSpaces(fieldText(*m_ui->txtEmail)),
        .message = trimSpaces(fieldText(*m_ui->txtMessage)),
        .friendName = trimSpaces(fieldText(*m_ui->txtFriendName)),
        .friendEmail = trimSpaces(fieldText(*m_ui->txtFriendEmail)),
    };
    const QString& own = TellAFriendEntry.email;
    const QString& theirs = TellAFriendEntry.friendEmail;

    if (own == theirs) {
        m_host.prompts().showMessage(tr(referfriend::kDistinctAddresses), MessageIcon::Critical);
        return;
    }
    for (const QString& address : {own, theirs}) {
        if (!address.contains(u'@') || !address.contains(u'.')) {
            m_host.prompts().showMessage(tr(referfriend::kProperAddress), MessageIcon::Critical);
            return;
        }
    }
    SubmitTellAFriend(m_host.prompts());
}

void frmReferFriend::cmdClose_Click()
{
    m_host.CloseAllAndEnd();
}

void frmReferFriend::reject()
{
    // The window has no cancel button: Esc does nothing, and what the user
    // typed into the form stays.
}

void frmReferFriend::closeEvent(QCloseEvent* event)
{
    // No confirmation: any way of closing this window ends the program.
    // CloseAllAndEnd closes this window once more while this handler runs; Qt
    // drops that nested close, and nothing here touches the window afterwards.
    event->accept();
    m_host.CloseAllAndEnd();
}

void frmReferFriend::Check1_Click()
{
    if (!m_ui->Check1->isChecked())
        return;
    m_ui->Check1->setChecked(false);
    OpenHomePage();
}

void frmReferFriend::lblGoToHome_Click()
{
    OpenSoftwareCataloguePage();
}

void frmReferFriend::formField_Focus(const FormField& field, Focus change)
{
    const QString trimmed = trimSpaces(fieldText(*field.widget));
    if (change == Focus::Got && trimmed == field.placeholder) {
        // Emptied on the next turn of the event loop: a screen reader that
        // hears of the text change before the focus change takes the focus
        // as already known and leaves the field unannounced.
        m_promptToClear = &field;
        QTimer::singleShot(0, this, &frmReferFriend::clearPrompt);
    } else if (change == Focus::Lost) {
        m_promptToClear = nullptr;
        if (trimmed.isEmpty())
            setFieldText(*field.widget, field.placeholder);
    }
}

void frmReferFriend::clearPrompt()
{
    const FormField* field = std::exchange(m_promptToClear, nullptr);
    if (field != nullptr && trimSpaces(fieldText(*field->widget)) == field->placeholder)
        setFieldText(*field->widget, QString());
}

bool frmReferFriend::formField_Drop(const FormField& field, QDropEvent& event)
{
    // Judged on what is dropped, not on the prompt it would join; a drop that
    // goes in replaces the prompt as typing does.
    auto* box = qobject_cast<QLineEdit*>(field.widget);
    if (box != nullptr && refuseDrop(*box, event))
        return true;
    if (trimSpaces(fieldText(*field.widget)) == field.placeholder) {
        m_promptToClear = nullptr;
        setFieldText(*field.widget, QString());
    }
    return false;
}

void frmReferFriend::emailField_Refused(QLineEdit& field)
{
    m_host.prompts().showMessage(tr(referfriend::kEmailCannotContainSpace), MessageIcon::Critical);
    field.setFocus();
}

void frmReferFriend::txtMessage_Change()
{
    // What goes past the longest message is cut off where it arrived, as a
    // one-line field cuts text at its maximum length, at a whole character.
    const QTextDocument& document = *m_ui->txtMessage->document();
    const int excess = document.characterCount() - 1 - kLongestMessage;
    if (excess <= 0)
        return;
    QTextCursor cursor = m_ui->txtMessage->textCursor();
    cursor.clearSelection();
    // The raw text counts a paragraph break as one character, as the
    // document's positions do.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, document.toRawText());
    characters.setPosition(std::max(0, cursor.position() - excess));
    if (!characters.isAtBoundary())
        characters.toPreviousBoundary();
    cursor.setPosition(static_cast<int>(characters.position()), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

bool frmReferFriend::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (const FormField* field = formField(watched);
            field != nullptr && isWithinWindow(*static_cast<QFocusEvent*>(event)))
            formField_Focus(*field, event->type() == QEvent::FocusIn ? Focus::Got : Focus::Lost);
        break;
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        // Typing that comes before the prompt has gone replaces it all the same.
        if (m_promptToClear != nullptr && watched == m_promptToClear->widget)
            clearPrompt();
        break;
    case QEvent::Drop:
        if (const FormField* field = formField(watched))
            return formField_Drop(*field, *static_cast<QDropEvent*>(event));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QString frmReferFriend::fieldText(const QWidget& field) const
{
    if (&field == m_ui->txtMessage) {
        // The message box keeps line breaks as paragraph and line separators;
        // the form submits them as carriage return and line feed, as a Windows
        // text box holds them. The raw text, unlike toPlainText(), also keeps
        // non-breaking spaces as typed.
        return m_ui->txtMessage->document()
            ->toRawText()
            .replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"))
            .replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    }
    return static_cast<const QLineEdit&>(field).text();
}

void frmReferFriend::setFieldText(QWidget& field, const QString& text)
{
    if (&field == m_ui->txtMessage) {
        m_ui->txtMessage->setPlainText(text);
        return;
    }
    static_cast<QLineEdit&>(field).setText(text);
}

const frmReferFriend::FormField* frmReferFriend::formField(const QObject* watched) const
{
    for (const FormField& field : m_formFields)
        if (field.widget == watched)
            return &field;
    return nullptr;
}

} // namespace skyvarre
