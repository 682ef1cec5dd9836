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
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QValidator>

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skyvarre {

namespace {

// The letters that show nothing: Unicode makes the Hangul fillers letters, so
// that a name of them would pass as a name and read as empty.
constexpr char32_t kFillerLetters[] = {0x115F, 0x1160, 0x3164, 0xFFA0};

// The controls of writing direction (Unicode's Bidi_Control characters),
// which a name copied from right-to-left text carries unseen: the box drops
// them, as they are no part of the name.
constexpr char32_t kDirectionControls[] = {0x061C, 0x200E, 0x200F, 0x202A, 0x202B, 0x202C,
                                           0x202D, 0x202E, 0x2066, 0x2067, 0x2068, 0x2069};

constexpr char32_t kZeroWidthNonJoiner = 0x200C;
constexpr char32_t kZeroWidthJoiner = 0x200D;

// Georgian's capitals (Mtavruli, U+1C90 to U+1CBF): Unicode maps the letters
// Georgian writes names in (Mkhedruli) onto them, but they are a style for
// headings, not how a Georgian name is written, and few fonts have them.
constexpr char32_t kFirstMtavruli = 0x1C90;
constexpr char32_t kLastMtavruli = 0x1CBF;

template <std::size_t size> bool isOneOf(char32_t character, const char32_t (&set)[size])
{
    return std::find(std::begin(set), std::end(set), character) != std::end(set);
}

// What Unicode says of a character, from Qt's tables: the core has none.
CharacterKind characterKind(char32_t character)
{
    if (character == kZeroWidthNonJoiner || character == kZeroWidthJoiner)
        return CharacterKind::Joiner;
    if (QChar::category(character) == QChar::Separator_Space)
        return CharacterKind::Space;
    if (QChar::isMark(character))
        return CharacterKind::CombiningMark;
    // A letter in a font's style (the mathematical 𝐀, ℂ) is a symbol set in
    // letters' shapes, not a letter of a name.
    if (QChar::isLetter(character) && QChar::decompositionTag(character) != QChar::Font &&
        !isOneOf(character, kFillerLetters))
        return CharacterKind::Letter;
    return CharacterKind::Other;
}

// The capital the name box writes for a letter, as the box's language writes
// it. Qt maps a character to one character only: a letter whose capital is
// longer (the ligature ﬁ) stays as typed. Nor does QChar know the language:
// Turkish and Azerbaijani write the capital of i with its dot (İ); that of
// the dotless ı (I) QChar gives. QLocale::toUpper would know, but only where
// Qt has ICU (the Windows build has not), and it works on whole strings,
// where ß and ﬁ would grow into SS and FI.
// German writes a name's ß as the capital ẞ (allowed since 2017) rather than
// SS: the name stays the same length, and WEIẞ stays another name than WEISS.
char32_t capitalFor(char32_t letter, const QLineEdit& box)
{
    const QLocale::Language language = box.locale().language();
    const bool dottedCapitalI =
        letter == U'i' && (language == QLocale::Turkish || language == QLocale::Azerbaijani);
    const char32_t capital = dottedCapitalI        ? U'\u0130'
                             : letter == U'\u00DF' ? U'\u1E9E'
                                                   : QChar::toUpper(letter);
    if (capital == letter || (capital >= kFirstMtavruli && capital <= kLastMtavruli))
        return letter;
    // A capital that no font here draws would show as a box.
    return QFontMetrics(box.font()).inFontUcs4(capital) ? capital : letter;
}

// The name as the box takes it in, before it goes in: letters as capitals,
// every space as the space, without the direction controls. What the rule
// refuses stays, for the validator to refuse.
QString nameArriving(QStringView text, const QLineEdit& box)
{
    QString arriving;
    arriving.reserve(text.size());
    for (const char32_t character : text.toUcs4()) {
        if (isOneOf(character, kDirectionControls))
            continue;
        const CharacterKind kind = characterKind(character);
        const char32_t capital =
            kind == CharacterKind::Letter ? capitalFor(character, box) : character;
        const std::optional<char32_t> inserted = FilterNameKey(character, kind, capital);
        arriving.append(QStringView(QChar::fromUcs4(inserted.value_or(character))));
    }
    return arriving;
}

// The name rule for the text in the box: each character one that the key
// filter takes, in an order that makes a name. Backspace and Enter are keys,
// not characters of a name. Small letters pass: the box makes every route
// bring capitals, but what an assistive tool puts in is judged, not changed.
QValidator::State nameRule(QStringView text)
{
    std::vector<CharacterKind> kinds;
    kinds.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t character : text.toUcs4()) {
        const CharacterKind kind = characterKind(character);
        if (character == kBackspaceKey || character == kEnterKey ||
            !FilterNameKey(character, kind, character))
            return QValidator::Invalid;
        kinds.push_back(kind);
    }
    switch (JudgeNameForm(kinds)) {
    case NameForm::Whole:
        return QValidator::Acceptable;
    case NameForm::Unfinished:
        return QValidator::Intermediate;
    case NameForm::Broken:
        break;
    }
    return QValidator::Invalid;
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

    // Room around the underlined captions Name and Date Of Birth, where
    // accents, Devanagari letters and their underline reach past the line box.
    for (QLabel* label : {m_ui->Label1, m_ui->Label2})
        label->setContentsMargins(1, 1, 1, 2);
    // These labels take the size of their text.
    for (QLabel* label : {m_ui->Label1, m_ui->Label5, m_ui->Label7, m_ui->Label6, m_ui->Label2})
        fitToText(*label);
}

void frmMain::connectHandlers()
{
    connect(m_ui->cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(m_ui->mnuFindSign, &QAction::triggered, this, &frmMain::cmdNext_Click);
    connect(m_ui->mnuExit, &QAction::triggered, this, &frmMain::cmdExit_Click);
    // The validator holds the name to its rule however text arrives, which
    // comes in capitals; the window's filter, which sees the keys first, adds
    // the control keys (see eventFilter).
    auto* validator = new CharacterRuleValidator(nameRule, m_ui->txtName);
    m_ui->txtName->setValidator(validator);
    connect(validator, &CharacterRuleValidator::refused, this, &frmMain::showOnlyLettersMessage,
            Qt::QueuedConnection);
    shapeArrivingText(*m_ui->txtName, nameArriving);
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
