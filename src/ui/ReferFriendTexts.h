#pragma once

#include <QtGlobal>

#include <array>

// The texts of frmReferFriend, in one place, in English: the window shows
// them translated, each with tr() (they are marked in its context).
namespace skyvarre::referfriend {

// Label2 shows one of these, chosen at random when the window is built. All four
// ask the user to support the maker by visiting its discussion forum regularly.
inline constexpr std::array<const char*, 4> kSupportTexts = {
    //: One of four requests, chosen at random, at the top of the farewell window: four lines
    //: of 465 pixels of bold 10-point text; the English takes three, so a translation may be
    //: a quarter longer at most. Varnholt Softwares is the maker's name: keep it as it is.
    QT_TRANSLATE_NOOP("skyvarre::frmReferFriend",
                      "Programs like Skyvarre can only be created and kept up with your support. "
                      "The best support is to visit our discussion forum regularly and to take "
                      "part in its discussions and activities."),
    //: See the first support request: the same box.
    QT_TRANSLATE_NOOP("skyvarre::frmReferFriend",
                      "Please visit our discussion forum regularly and take part in its "
                      "discussions and other activities. Without your visits we cannot support "
                      "and keep up programs like this one."),
    //: See the first support request: the same box.
    QT_TRANSLATE_NOOP("skyvarre::frmReferFriend",
                      "Our discussion forum is a free online forum on astrology, tarot, numerology "
                      "and the other subjects of our programs. Visiting it regularly helps us "
                      "develop and keep up Skyvarre."),
    //: See the first support request: the same box.
    QT_TRANSLATE_NOOP("skyvarre::frmReferFriend",
                      "Our discussion forum needs your help! Regular visits and taking part in its "
                      "discussions and activities help us keep up Skyvarre and develop more "
                      "Varnholt Softwares programs."),
};

// Check1: ticking it opens the maker's home page, where the forum lives.
//: A check box under the support request; ticking it opens the forum in the browser. One
//: line of 8-point text, 479 pixels wide with the box: a third longer than the English
//: at most.
inline constexpr const char* kVisitForumNow = QT_TRANSLATE_NOOP(
    "skyvarre::frmReferFriend", "Yes, take me to the Varnholt Softwares discussion forum now");

// Label3, on the navy frame about the maker's other programs.
//: On the navy frame at the right of the farewell window, above the link to the maker's
//: web site ("the link below"): 18 lines of 233 pixels of 9-point text, of which the
//: English takes 13, so a third longer at most. Keep the empty lines between the paragraphs.
inline constexpr const char* kOtherPrograms = QT_TRANSLATE_NOOP(
    "skyvarre::frmReferFriend",
    "Enjoyed Skyvarre?\n\n"
    "Varnholt Softwares offers a large collection of programs on astrology, psychic "
    "subjects, tarot, numerology and the occult.\n\n"
    "They are simple to use and full of information. Try them, and share them with your "
    "friends and family!\n\n"
    "The whole collection is waiting for you on our web site: click the link below.");

// Messages of the window's own checks; the submission's further checks carry theirs.
//: Message box text when a space is typed or pasted into an e-mail address field.
inline constexpr const char* kEmailCannotContainSpace =
    QT_TRANSLATE_NOOP("skyvarre::frmReferFriend", "Email Address Cannot Contain Space");
//: Message box text when the user's and the friend's e-mail addresses are the same.
inline constexpr const char* kDistinctAddresses =
    QT_TRANSLATE_NOOP("skyvarre::frmReferFriend", "Please Enter Distinct Email Addresses");
//: Message box text when an e-mail address lacks an @ or a dot.
inline constexpr const char* kProperAddress =
    QT_TRANSLATE_NOOP("skyvarre::frmReferFriend", "Please Enter Proper Email Address");

} // namespace skyvarre::referfriend
