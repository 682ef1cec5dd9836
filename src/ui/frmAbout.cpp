#include "frmAbout.h"
#include "ui_frmAbout.h"

#include "Look.h"
#include "ScreenReader.h"
#include "SharedLinks.h"
#include "WindowFrame.h"
#include "web/LinkTable.h"
#include "web/WebPage.h"

#include <QIcon>

#include <initializer_list>
#include <utility>

namespace skyvarre {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::frmAbout>())
{
    installAccessibleInterfaces();
    m_ui->setupUi(this);
    setUpFixedWindow(*this);
    m_ui->picIcon->setPixmap(windowIcon().pixmap(32, 32));
    m_ui->Label2->setText(look::kCaption);
    // The address is the link's target, the same in every language.
    //: A link that opens the home page, one line of bold 8-point text under the description.
    //: %1 is the web address of the home page, about 30 characters. Hardly any room: the
    //: words around the address no longer than "Click here to visit" (120 pixels), say
    //: "Visit %1" in the translation's words.
    m_ui->lblHomePage->setText(tr("Click here to visit %1").arg(pageAddress(Page::Home)));
    m_ui->Label6->setText(QCoreApplication::translate(kSharedLinksContext, kFullBrandOffer));
    applyLook();
    connectHandlers();
    m_ui->cmdOK->setFocus();
}

frmAbout::~frmAbout() = default;

void frmAbout::applyLook()
{
    using namespace look;
    fillBackground(*this, kPeach);
    setFont(verdana(kNormalPoints));

    const std::initializer_list<std::pair<QWidget*, QFont>> fonts = {
        {m_ui->Label2, verdana(kTitlePoints, TextStyle::Bold)},
        {m_ui->Label1, verdana(kNormalPoints)},
        {m_ui->lblHomePage, verdana(kNormalPoints, TextStyle::BoldUnderlined)},
        {m_ui->Label6, verdana(kNormalPoints, TextStyle::Bold)},
        {m_ui->Label5, verdana(kNormalPoints, TextStyle::BoldUnderlined)},
        {m_ui->cmdOK, verdana(kNormalPoints, TextStyle::Bold)},
    };
    for (const auto& [control, font] : fonts)
        control->setFont(font);

    // Room above and below the home-page link, where Devanagari letters and
    // their underline reach past the line box.
    m_ui->lblHomePage->setContentsMargins(0, 1, 0, 2);
    // The caption and the links are navy and take the size of their text.
    for (QWidget* navyText :
         std::initializer_list<QWidget*>{m_ui->Label2, m_ui->lblHomePage, m_ui->Label5}) {
        setTextColour(*navyText, kNavy);
        fitToText(*navyText);
    }
    setTextColour(*m_ui->Label1, kBlue);
    setTextColour(*m_ui->Label6, kBlue);
    fillBackground(*m_ui->Line2, kBlue);
    setButtonFace(*m_ui->cmdOK);
}

void frmAbout::connectHandlers()
{
    // The links leave the window open; OK closes it (so do Enter and Esc,
    // OK being the default button and Esc the dialog's cancel key).
    connect(m_ui->lblHomePage, &LinkLabel::clicked, this, &OpenHomePage);
    connect(m_ui->Label5, &LinkLabel::clicked, this, &OpenFullBrandPage);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace skyvarre
