#include "frmDisplay.h"
#include "ui_frmDisplay.h"

#include "CoreText.h"
#include "Look.h"
#include "ScreenReader.h"
#include "SharedLinks.h"
#include "WindowFrame.h"
#include "WindowHost.h"
#include "sign/Interpretation.h"

#include <QCloseEvent>
#include <QLayout>

#include <initializer_list>
#include <utility>

namespace skyvarre {

frmDisplay::frmDisplay(WindowHost& host, QWidget* parent)
    : QDialog(parent, Qt::Window), m_ui(std::make_unique<Ui::frmDisplay>()), m_host(host)
{
    installAccessibleInterfaces();
    m_ui->setupUi(this);
    layout()->setMenuBar(m_ui->menuBar);
    setUpFixedWindow(*this);
    applyLook();
    setUpSharedLinks(*this, m_host, *m_ui);
    connectHandlers();
    // Until a lookup sets its own text, and for a sign without one, the
    // window shows the "Aries" text.
    setSignDescription(coreText(kInterpretationContext, kAriesInterpretation));
    // The result is read out as the window opens, then Exit with the focus.
    m_ui->cmdExit->setFocus();
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::setSignDescription(const QString& text)
{
    m_ui->lblSignDesc->setText(text);
}

void frmDisplay::setSednaSign(const QString& sign)
{
    m_ui->lblSednaSign->setText(sign);
    placeSignName();
    // One sentence to a screen reader, which leaves out texts of fewer than
    // three words when it reads out a window.
    m_ui->Label12->setAccessibleName(m_ui->Label12->text() + u' ' + sign);
}

void frmDisplay::cmdBack_Click()
{
    m_host.goBack();
}

void frmDisplay::cmdExit_Click()
{
    close();
}

void frmDisplay::reject()
{
    cmdExit_Click();
}

void frmDisplay::closeEvent(QCloseEvent* event)
{
    // The closing steps: frmReferFriend takes this window's place. The
    // host discards this window once it is closed; closing is never refused.
    m_host.showFarewell();
    event->accept();
}

void frmDisplay::applyLook()
{
    using namespace look;
    QWidget& client = *m_ui->clientArea;
    fillBackground(client, kPeach);
    client.setFont(verdana(kNormalPoints));

    fillBackground(*m_ui->Frame2, kDarkBlue);
    fillBackground(*m_ui->fraSednaSign, kPeach);
    fillBackground(*m_ui->Frame5, kDarkBlue);

    const std::initializer_list<std::pair<QWidget*, QFont>> fonts = {
        {m_ui->Label12, verdana(kLargePoints, TextStyle::Bold)},
        {m_ui->lblSednaSign, verdana(kLargePoints, TextStyle::Bold)},
        {m_ui->lblSignDesc, verdana(kNormalPoints)},
        {m_ui->cmdBack, verdana(kNormalPoints, TextStyle::Bold)},
        {m_ui->cmdExit, verdana(kNormalPoints, TextStyle::Bold)},
    };
    for (const auto& [control, font] : fonts)
        control->setFont(font);

    setTextColour(*m_ui->Label12, kDarkBlue);
    setTextColour(*m_ui->lblSednaSign, kBlack);
    setTextColour(*m_ui->lblSignDesc, kBlue);
    setButtonFace(*m_ui->cmdBack);
    setButtonFace(*m_ui->cmdExit);
    // Room above the first line and beside the lines for the accents of
    // capitals (È) and the marks of Arabic, Persian and Devanagari letters,
    // which reach past the line box; the frame below has none to spare.
    m_ui->lblSignDesc->setContentsMargins(1, 3, 1, 0);
    // Above the sentence, for the vowel signs of Devanagari.
    m_ui->Label12->setContentsMargins(0, 1, 0, 0);
    fitToText(*m_ui->Label12);
    placeSignName();
}

void frmDisplay::placeSignName()
{
    // The sign name follows the sentence on its line, a space after it, as
    // long or short as the sentence is in the user's language and face.
    const QLabel& sentence = *m_ui->Label12;
    QLabel& signName = *m_ui->lblSednaSign;
    signName.adjustSize();
    const int space = sentence.fontMetrics().horizontalAdvance(QLatin1Char(' '));
    if (isRightToLeft())
        signName.move(sentence.geometry().left() - space - signName.width() + signName.margin(),
                      signName.y());
    else
        signName.move(sentence.geometry().right() + 1 + space - signName.margin(), signName.y());
}

void frmDisplay::connectHandlers()
{
    connect(m_ui->cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connect(m_ui->cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(m_ui->mnuFileBack, &QAction::triggered, this, &frmDisplay::cmdBack_Click);
    connect(m_ui->mnuExit, &QAction::triggered, this, &frmDisplay::cmdExit_Click);
}

} // namespace skyvarre
