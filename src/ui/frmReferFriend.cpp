#include "frmReferFriend.h"

#include "Look.h"
#include "ReferFriendTexts.h"
#include "WindowHost.h"
#include "platform/Prompts.h"
#include "platform/RandomSource.h"
#include "ui_frmReferFriend.h"
#include "web/TellAFriend.h"
#include "web/WebPage.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include <utility>

namespace skyvarre {

namespace {

// Client area 11115 x 4725 twips at 15 twips to a pixel.
constexpr QSize kClientSize{741, 315};

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

// Both frames are filled navy by their palette; the style sheet only draws the
// border line through the middle of the caption and paints the caption white.
const QString kFrameStyle = QStringLiteral("QGroupBox { border: 2px groove %1; margin-top: 7px; }"
                                           "QGroupBox::title { subcontrol-origin: margin;"
                                           " left: 6px; padding: 0px 2px; color: %2; }")
                                .arg(QColor(look::kButtonFace).name(), QColor(look::kWhite).name());

QFont makeFont(const QString& family, qreal points, QFont::Weight weight)
{
    // Every property is set explicitly so that a control inside a frame never
    // inherits the frame's bold caption font.
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(weight);
    font.setUnderline(false);
    return font;
}

// k = the integer part of r x 4 in single precision. Values outside [0, 1)
// cannot come from the generator but must not index past the table either.
std::size_t supportTextIndex(float r)
{
    constexpr std::size_t kLast = referfriend::kSupportTexts.size() - 1;
    if (!(r >= 0.0f)) {
        return 0;
    }
    if (r >= 1.0f) {
        return kLast;
    }
    const auto k = static_cast<std::size_t>(r * static_cast<float>(kLast + 1));
    return std::min(k, kLast);
}

void setTextColour(QWidget& widget, QRgb colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void fillBackground(QWidget& widget, QRgb colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// Focus that moves because another window or a popup menu came and went is not
// the user moving between controls; the placeholders ignore it.
bool isWithinWindow(const QFocusEvent& event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

} // namespace

frmReferFriend::frmReferFriend(WindowHost& host, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::frmReferFriend>()), m_host(host)
{
    m_ui->setupUi(this);
    const TellAFriendFields placeholders = tellAFriendPlaceholders();
    m_formFields = {{
        {m_ui->txtName, placeholders.name},
        {m_ui->txtEmail, placeholders.email},
        {m_ui->txtFriendName, placeholders.friendName},
        {m_ui->txtFriendEmail, placeholders.friendEmail},
        {m_ui->txtMessage, placeholders.message},
    }};
    applyLook();
    connectHandlers();
    Form_Load();
}

frmReferFriend::~frmReferFriend() = default;

void frmReferFriend::applyLook()
{
    setWindowFlags(kWindowFlags);
    setWindowTitle(look::kCaption);
    setFixedSize(kClientSize);
    fillBackground(*this, look::kWhite);
    if (const QScreen* const shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }

    const QFont formFont = makeFont(look::kSansSerif, 8.25, QFont::Normal);
    const QFont frameCaption = makeFont(look::kVerdana, 9.75, QFont::Bold);
    const std::pair<QWidget*, QFont> fonts[] = {
        {this, formFont},
        {m_ui->Label1, makeFont(look::kSansSerif, 18, QFont::Normal)},
        {m_ui->Label2, makeFont(look::kVerdana, 9.75, QFont::Bold)},
        {m_ui->Frame2, frameCaption},
        {m_ui->Frame6, frameCaption},
        {m_ui->txtName, formFont},
        {m_ui->txtEmail, formFont},
        {m_ui->txtFriendName, formFont},
        {m_ui->txtFriendEmail, formFont},
        {m_ui->txtMessage, formFont},
        {m_ui->cmdSubmit, makeFont(look::kVerdana, 8.25, QFont::Bold)},
        {m_ui->Label3, makeFont(look::kVerdana, 9, QFont::Normal)},
        {m_ui->lblGoToHome, formFont},
    };
    for (const auto& [widget, font] : fonts) {
        widget->setFont(font);
    }

    for (QWidget* frame : {m_ui->Frame2, m_ui->Frame6}) {
        fillBackground(*frame, look::kNavy);
        frame->setStyleSheet(kFrameStyle);
    }
    setTextColour(*m_ui->Label3, look::kWhite);
    setTextColour(*m_ui->lblGoToHome, look::kYellow);

    const QIcon icon(QStringLiteral(":/icons/skyvarre-32.png"));
    setWindowIcon(icon);
    m_ui->Picture1->setPixmap(icon.pixmap(m_ui->Picture1->size()));

    m_ui->Label1->setText(look::kCaption);
    m_ui->Check1->setText(referfriend::kVisitForumNow);
    m_ui->Label3->setText(referfriend::kOtherPrograms);
    m_ui->Label2->setText(referfriend::kSupportTexts[1]);
    for (const FormField& field : m_formFields) {
        setFieldText(*field.widget, field.placeholder);
    }
    // The message starts with a line break behind its prompt: that text is not
    // the prompt, so entering the field keeps it and an untouched form submits it.
    setFieldText(*m_ui->txtMessage,
                 formField(m_ui->txtMessage)->placeholder + QStringLiteral("\r\n"));

    m_ui->cmdClose->setFocus();
}

void frmReferFriend::connectHandlers()
{
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmReferFriend::cmdClose_Click);
    connect(m_ui->cmdSubmit, &QPushButton::clicked, this, &frmReferFriend::cmdSubmit_Click);
    // toggled rather than clicked: unticking from the handler raises it again,
    // and that second run must see the box unticked and do nothing.
    connect(m_ui->Check1, &QCheckBox::toggled, this, &frmReferFriend::Check1_Click);

    for (const FormField& field : m_formFields) {
        field.widget->installEventFilter(this);
    }
    m_ui->lblGoToHome->installEventFilter(this);
}

void frmReferFriend::Form_Load()
{
    m_host.random().seedFromClock();
    m_ui->Label2->setText(referfriend::kSupportTexts[supportTextIndex(m_host.random().next())]);

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
        m_host.prompts().showMessage(referfriend::kDistinctAddresses, MessageIcon::Critical);
        return;
    }
    if (!own.contains(u'@') || !theirs.contains(u'@')) {
        m_host.prompts().showMessage(referfriend::kProperAddress, MessageIcon::Critical);
        return;
    }
    if (!own.contains(u'.') || !theirs.contains(u'.')) {
        m_host.prompts().showMessage(referfriend::kProperAddress, MessageIcon::Critical);
        return;
    }
    SubmitTellAFriend(m_host.prompts());
}

void frmReferFriend::cmdClose_Click()
{
    m_host.CloseAllAndEnd();
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
    if (!m_ui->Check1->isChecked()) {
        return;
    }
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
        setFieldText(*field.widget, QString());
    } else if (change == Focus::Lost && trimmed.isEmpty()) {
        setFieldText(*field.widget, field.placeholder);
    }
}

bool frmReferFriend::emailField_KeyPress(QLineEdit& field, const QKeyEvent& event)
{
    if (event.text() != QLatin1String(" ")) {
        return false;
    }
    m_host.prompts().showMessage(referfriend::kEmailCannotContainSpace, MessageIcon::Critical);
    field.setFocus();
    return true;
}

bool frmReferFriend::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (const FormField* field = formField(watched);
            field != nullptr && isWithinWindow(*static_cast<QFocusEvent*>(event))) {
            formField_Focus(*field, event->type() == QEvent::FocusIn ? Focus::Got : Focus::Lost);
        }
        break;
    case QEvent::KeyPress:
        if (watched == m_ui->txtEmail || watched == m_ui->txtFriendEmail) {
            return emailField_KeyPress(*static_cast<QLineEdit*>(watched),
                                       *static_cast<QKeyEvent*>(event));
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_ui->lblGoToHome) {
            const auto& mouse = *static_cast<QMouseEvent*>(event);
            if (mouse.button() == Qt::LeftButton &&
                m_ui->lblGoToHome->rect().contains(mouse.position().toPoint())) {
                lblGoToHome_Click();
            }
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QString frmReferFriend::fieldText(const QWidget& field) const
{
    if (&field == m_ui->txtMessage) {
        // The message box keeps line breaks as paragraph ends; the form submits
        // them as carriage return and line feed, as a Windows text box holds them.
        return m_ui->txtMessage->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
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
    for (const FormField& field : m_formFields) {
        if (field.widget == watched) {
            return &field;
        }
    }
    return nullptr;
}

} // namespace skyvarre
