#pragma once

#include "LinkLabel.h"
#include "Look.h"
#include "WindowHost.h"
#include "web/WebPage.h"

#include <QAction>
#include <QCoreApplication>
#include <QString>
#include <QWidget>

namespace skyvarre {

// The translation context of the texts below: the first argument of their markers.
inline constexpr char kSharedLinksContext[] = "skyvarre::SharedLinks";

// The offer of fully branded editions, as frmAbout states it.
//: Below the About window's description: three lines of 385 pixels of bold 8-point text,
//: which the English fills but for a fifth of the last line. No longer than the English
//: if possible, a fifth longer at most.
inline constexpr const char* kFullBrandOffer = QT_TRANSLATE_NOOP(
    "skyvarre::SharedLinks",
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website.");

// The full-brand link of frmMain and frmDisplay: the offer with a call to
// click, one text of its own, so that a translation joins the two as its
// language does.
//: A link in the bottom strip of the input and result windows: three lines of 399 pixels
//: of bold 8-point text, which the English fills. The same offer as the About window's,
//: with a call to click: no longer than the English.
inline constexpr const char* kFullBrandLink = QT_TRANSLATE_NOOP(
    "skyvarre::SharedLinks",
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website. Click here for more details.");

// The co-brand link of frmMain and frmDisplay. The designed caption
// doubles the ampersand to show one; a label here shows text as it stands.
//: A link in the bottom strip of the input and result windows: three lines of 399 pixels
//: of bold 8-point text, which the English fills: no longer than the English. The & is a
//: plain ampersand, shown as it is; "Help" is the Help menu. The runs of blanks are as
//: designed, no need to copy them.
inline constexpr const char* kCoBrandLink = QT_TRANSLATE_NOOP(
    "skyvarre::SharedLinks",
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
    "Put your site's name &  link here. See \"Help\" for details.    "
    "Click Here for more info on co-branding.");

// The banner of frmMain and frmDisplay: the maker's discussion forum,
// ending with the address of the home page.
QString bannerText();

// Fills and styles the banner and the two promotional labels that the input
// and frmDisplay share, and connects them, the Help menu's links, About,
// "&Donate" and "Make Money &Online" to what they open. Form is the window's
// generated form class; both forms name these controls alike.
template <class Form> void setUpSharedLinks(QWidget& window, WindowHost& host, const Form& form)
{
    using namespace look;
    form.Label61->setText(bannerText());
    form.Label61->setFont(verdana(kLargePoints, TextStyle::BoldUnderlined));
    setTextColour(*form.Label61, kPeach);
    form.lblFullBrand->setText(QCoreApplication::translate(kSharedLinksContext, kFullBrandLink));
    form.lblCobrand->setText(QCoreApplication::translate(kSharedLinksContext, kCoBrandLink));
    for (LinkLabel* promotion : {form.lblFullBrand, form.lblCobrand}) {
        promotion->setFont(verdana(kNormalPoints, TextStyle::BoldUnderlined));
        fillBackground(*promotion, kDarkBlue);
        setTextColour(*promotion, kPeach);
    }

    // Each opener makes its one call and reports nothing.
    QObject::connect(form.Label61, &LinkLabel::clicked, &window, &OpenHomePage);
    QObject::connect(form.lblFullBrand, &LinkLabel::clicked, &window, &OpenFullBrandPage);
    QObject::connect(form.lblCobrand, &LinkLabel::clicked, &window, &OpenCoBrandPage);
    QObject::connect(form.mnuOnline, &QAction::triggered, &window, &OpenOnlineHelpPage);
    QObject::connect(form.mnuVisit, &QAction::triggered, &window, &OpenHomePage);
    QObject::connect(form.mnuUpdate, &QAction::triggered, &window, &OpenDownloadPage);
    QObject::connect(form.mnuDonate, &QAction::triggered, &window, &OpenDonationPage);
    QObject::connect(form.mnuAbout, &QAction::triggered, &window,
                     [&window, &host] { host.showAbout(&window); });

    // Switched off for good, but wired as designed should anything enable it.
    form.mnuMakeMoneyOnline->setEnabled(false);
    QObject::connect(form.mnuMakeMoneyOnline, &QAction::triggered, &window, &OpenFullBrandPage);
}

} // namespace skyvarre
