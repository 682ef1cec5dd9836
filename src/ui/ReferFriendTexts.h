#pragma once

#include <QString>

#include <array>

// The texts of frmReferFriend, in one place.
namespace skyvarre::referfriend {

// Label2 shows one of these, chosen at random when the window is built. All four
// ask the user to support the maker by visiting its discussion forum regularly.
inline const std::array<QString, 4> kSupportTexts = {
    QStringLiteral("Programs like Skyvarre can only be created and kept up with your support. "
                   "The best support is to visit our discussion forum regularly and to take "
                   "part in its discussions and activities."),
    QStringLiteral("Please visit our discussion forum regularly and take part in its discussions "
                   "and other activities. Without your visits we cannot support and keep up "
                   "programs like this one."),
    QStringLiteral("Our discussion forum is a free online forum on astrology, tarot, numerology "
                   "and the other subjects of our programs. Visiting it regularly helps us "
                   "develop and keep up Skyvarre."),
    QStringLiteral("Our discussion forum needs your help! Regular visits and taking part in its "
                   "discussions and activities help us keep up Skyvarre and develop more "
                   "Varnholt Softwares programs."),
};

// Check1: ticking it opens the maker's home page, where the forum lives.
inline const QString kVisitForumNow =
    QStringLiteral("Yes, take me to the Varnholt Softwares discussion forum now");

// Label3, on the navy frame about the maker's other programs.
inline const QString kOtherPrograms = QStringLiteral(
    "Enjoyed Skyvarre?\n\n"
    "Varnholt Softwares offers a large collection of programs on astrology, psychic "
    "subjects, tarot, numerology and the occult.\n\n"
    "They are simple to use and full of information. Try them, and share them with your "
    "friends and family!\n\n"
    "The whole collection is waiting for you on our web site: click the link below.");

// Messages of the window's own checks; the submission's further checks carry theirs.
inline const QString kEmailCannotContainSpace =
    QStringLiteral("Email Address Cannot Contain Space");
inline const QString kDistinctAddresses = QStringLiteral("Please Enter Distinct Email Addresses");
inline const QString kProperAddress = QStringLiteral("Please Enter Proper Email Address");

} // namespace skyvarre::referfriend
