#include "frmMain.h"
#include "ui_frmMain.h"

#include "CharacterRule.h"
#include "CoreText.h"
#include "Look.h"
#include "ScreenReader.h"
#include "SharedLinks.h"
#include "WindowFrame.h"
#include "WindowHost.h"
#include "frmDisplay.h"
#include "platform/Prompts.h"
#include "sign/InputChecks.h"
#include "sign/Interpretation.h"
#include "sign/Month.h"
#include "sign/SednaSign.h"
#include "sign/Sign.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QChar>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace skyvarre {

namespace {

// What Unicode says of a character, from Qt's tables: the core has none.
CharacterKind characterKind(char32_t character)
{
    if (QChar::isLetter(character))
        return CharacterKind::Letter;
    if (QChar::isMark(character))
        return CharacterKind::CombiningMark;
    return CharacterKind::Other;
}

// The name rule for the text in the box: Backspace and Enter are keys, not
// characters of a name.
std::optional<char32_t> nameCharacter(char32_t character)
{
    if (character == kBackspaceKey || character == kEnterKey)
        return std::nullopt;
    return FilterNameKey(character, characterKind(character), QChar::toUpper(character));
}

// The lists show the date in the user's language and digits; the core reads
// it as the English month name and the day and the year in ASCII digits, and
// so gets it from the entries' positions. No entry chosen gives an empty text.
std::string listedDay(const QComboBox& list)
{
    return list.currentIndex() < 0 ? std::string() : std::to_string(list.currentIndex() + 1);
}

std::string listedMonth(const QComboBox& list)
{
    const std::optional<Month> month = monthFromPosition(list.currentIndex());
    return month ? std::string(kMonthNames.at(static_cast<std::size_t>(*month))) : std::string();
}

std::string listedYear(const QComboBox& list)
{
    return list.currentIndex() < 0 ? std::string()
                                   : std::to_string(kFirstListYear + list.currentIndex());
}

} // namespace

frmMain::frmMain(WindowHost& host, QWidget* parent)
    : QDialog(parent, Qt::Window), m_ui(std::make_unique<Ui::frmMain>()), m_host(host)
{
    installAccessibleInterfaces();
    // The face that most of the controls show, the date lists among them.
    setFont(look::verdana(look::kNormalPoints, look::TextStyle::Bold));
    m_ui->setupUi(this);
    layout()->setMenuBar(m_ui->menuBar);
    // The menu bar and its menus keep the desktop's face, every attribute of it.
    QFont menuFont = QApplication::font(m_ui->menuBar);
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    m_ui->menuBar->setFont(menuFont);
    setUpFixedWindow(*this);
    applyLook();
    setUpSharedLinks(*this, m_host, *m_ui);
    bringToFront(PromotionLabel::CoBrand); // as the form stacks them
    nameOpenLists();
    connectHandlers();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::nameOpenLists()
{
    // An open drop-down list is a control of its own to assistive tools, which
    // announce it when it takes the focus; it is the same list as its box.
    for (QComboBox* list : {m_ui->cboDate, m_ui->cboMonth, m_ui->cboYear})
        list->view()->setAccessibleName(list->accessibleName());
}

void frmMain::bringToFront(PromotionLabel label)
{
    LinkLabel* front = label == PromotionLabel::CoBrand ? m_ui->lblCobrand : m_ui->lblFullBrand;
    LinkLabel* behind = front == m_ui->lblCobrand ? m_ui->lblFullBrand : m_ui->lblCobrand;
    front->raise();
    // Tab must not stop on the label that cannot be seen.
    front->setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
}

void frmMain::cmdNext_Click()
{
    const std::string year = listedYear(*m_ui->cboYear);
    const Verdict verdict =
        ValidateInput(m_ui->txtName->text().toStdString(), m_ui->cboDate->currentIndex(),
                      m_ui->cboMonth->currentIndex(), year);
    if (verdict != Verdict::Accepted) {
        m_host.prompts().showMessage(coreText(kInputChecksContext, messageForVerdict(verdict)),
                                     MessageIcon::Information);
        if (verdict == Verdict::NameMissing)
            m_ui->txtName->setFocus();
        return;
    }

    DetermineSednaSign(year, listedMonth(*m_ui->cboMonth), listedDay(*m_ui->cboDate));

    frmDisplay& result = m_host.frmDisplayInstance();
    // A sign without a text of its own leaves the text the window already shows.
    if (const std::optional<std::string_view> text = InterpretationForSign(SednaSign))
        result.setSignDescription(coreText(kInterpretationContext, *text));
    result.setSednaSign(coreText(kSignNamesContext, SednaSign));
    m_host.showResult();
}

void frmMain::cmdExit_Click()
{
    close();
}

void frmMain::reject()
{
    cmdExit_Click();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The closing steps: frmReferFriend takes this window's place. The
    // host discards this window once it is closed; closing is never refused.
    m_host.showFarewell();
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    // QDialog hands its focus widget a FocusIn as it shows the window, before
    // the desktop activates it. The name box would draw its cursor then, and
    // Qt 6.4's Wayland plugin, asked for the input direction, reads a keyboard
    // the compositor may not offer (a headless one offers none) and crashes.
    // The box takes the focus as the window is activated instead. Which Qt
    // release mends the plugin was not determined; 6.5 is the guess.
    if (watched == m_ui->txtName && event->type() == QEvent::FocusIn && !isActiveWindow())
        return true;
#endif
    if (watched == m_ui->txtName && event->type() == QEvent::KeyPress)
        return txtName_KeyPress(static_cast<const QKeyEvent&>(*event));
    if (watched == m_ui->txtName && event->type() == QEvent::Drop)
        return refuseDrop(*m_ui->txtName, static_cast<QDropEvent&>(*event));
    return QDialog::eventFilter(watched, event);
}

bool frmMain::txtName_KeyPress(const QKeyEvent& event)
{
    // Ctrl with a letter types that letter's control code as the desktop
    // delivers it (Ctrl+V is 22), which the name refuses like any other
    // character. The box would take these keys as editing commands (paste,
    // cut, undo) instead, which the validator never sees as characters.
    const bool control =
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier;
    if (!control || event.key() < Qt::Key_A || event.key() > Qt::Key_Z)
        return false;
    showOnlyLettersMessage();
    return true;
}

void frmMain::showOnlyLettersMessage()
{
    m_host.prompts().showMessage(coreText(kInputChecksContext, kOnlyLettersMessage),
                                 MessageIcon::Information);
}

void frmMain::applyLook()
{
    using namespace look;
    QWidget& client = *m_ui->clientArea;
    fillBackground(client, kPeach);
    setTextColour(client, kBlue);

    fillBackground(*m_ui->Frame2, kDarkBlue);
    fillBackground(*m_ui->Frame1, kPeach);
    fillBackground(*m_ui->Picture1, kPeach);
    fillBackground(*m_ui->Frame5, kDarkBlue);

    // The date lists show the window's bold face (see the constructor).
    const std::initializer_list<std::pair<QWidget*, QFont>> fonts = {
        {m_ui->Label3, verdana(kNormalPoints, TextStyle::Bold)},
        {m_ui->Label1, verdana(kNormalPoints, TextStyle::BoldUnderlined)},
        {m_ui->txtName, verdana(kNormalPoints, TextStyle::Bold)},
        {m_ui->Label5, verdana(kNormalPoints, TextStyle::Underlined)},
        {m_ui->Label7, verdana(kNormalPoints, TextStyle::Underlined)},
        {m_ui->Label6, verdana(kNormalPoints, TextStyle::Underlined)},
        {m_ui->Label2, verdana(kNormalPoints, TextStyle::BoldUnderlined)},
        {m_ui->cmdNext, verdana(kLargePoints, TextStyle::Bold)},
        {m_ui->cmdExit, verdana(kNormalPoints, TextStyle::Bold)},
    };
    for (const auto& [control, font] : fonts)
        control->setFont(font);

    for (QWidget* entry : std::initializer_list<QWidget*>{m_ui->txtName, m_ui->cboDate,
                                                          m_ui->cboMonth, m_ui->cboYear})
        setEntryBackground(*entry, kPeach);
    setButtonFace(*m_ui->cmdNext);
    setButtonFace(*m_ui->cmdExit);

    // These labels take the size of their text.
    for (QLabel* label : {m_ui->Label1, m_ui->Label5, m_ui->Label7, m_ui->Label6, m_ui->Label2})
        label->adjustSize();
}

void frmMain::connectHandlers()
{
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(m_ui->mnuFindSign, &QAction::triggered, this, &frmMain::cmdNext_Click);
    connect(m_ui->mnuExit, &QAction::triggered, this, &frmMain::cmdExit_Click);
    // The validator holds the name to its rule however text arrives; the
    // filter adds the control keys and the judging of drops (see eventFilter).
    auto* nameRule = new CharacterRuleValidator(nameCharacter, m_ui->txtName);
    m_ui->txtName->setValidator(nameRule);
    connect(nameRule, &CharacterRuleValidator::refused, this, &frmMain::showOnlyLettersMessage,
            Qt::QueuedConnection);
    m_ui->txtName->installEventFilter(this);
}

void frmMain::Form_Load()
{
    // Each list is filled in one go: item by item, every insertion would
    // update the list's popup on its own. The numbers in the digits of the
    // user's locale, a year without a group separator ("1900", never "1,900");
    // the months in the user's language.
    QLocale numbers;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    QStringList days;
    for (int day = 1; day <= kDayCount; ++day)
        days.append(numbers.toString(day));
    m_ui->cboDate->addItems(days);
    QStringList months;
    for (const std::string_view month : kMonthNames)
        months.append(coreText(kMonthNamesContext, month));
    m_ui->cboMonth->addItems(months);
    QStringList years;
    for (int year = kFirstListYear; year <= kLastListYear; ++year)
        years.append(numbers.toString(year));
    m_ui->cboYear->addItems(years);
    m_ui->cboDate->setCurrentIndex(0);
    m_ui->cboMonth->setCurrentIndex(0);
    m_ui->cboYear->setCurrentIndex(0);
    m_ui->txtName->setFocus();
}

} // namespace skyvarre
