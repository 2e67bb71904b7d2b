// The contact texts of the program in one place: the rating body's telephone, fax and web
// addresses, the window maker's name and site, and the search engine used by web links. Correct
// them here and every document, menu and box follows.
#pragma once

#include <QString>

namespace contact {

// The rating body.
inline const QString kRatingBodyTelephone = QStringLiteral("+44 (0)333 321 8811");
inline const QString kRatingBodyFax = QStringLiteral("+44 (0)1923 664010");
// Its web site, as printed on the documents (without scheme) and as opened (with scheme).
inline const QString kRatingBodyWebSite = QStringLiteral("www.bre.co.uk/greenguide");
inline const QString kRatingBodyWebAddress = QStringLiteral("http://www.bre.co.uk/greenguide");
// Host name shown as the Help menu item that opens the rating body's site.
inline const QString kRatingBodyHost = QStringLiteral("www.bre.co.uk");

// The window maker.
inline const QString kMakerCompany = QStringLiteral("Tarvex Aluminium Systems Ltd");
inline const QString kMakerHost = QStringLiteral("www.tarvex.co.uk");
inline const QString kMakerRightsNotice =
    QStringLiteral("\u00A9 2013 Tarvex Aluminium Systems Ltd. All rights reserved.");

// The search engine whose direct-result query a "..." link caption asks.
inline const QString kSearchEngineHost = QStringLiteral("www.google.com");

// The specification sheet's footer line: telephone, fax and web site.
inline QString RatingBodyContactLine() {
    return QStringLiteral("T: ") + kRatingBodyTelephone + QStringLiteral("  F: ") + kRatingBodyFax +
           QStringLiteral("  W: ") + kRatingBodyWebSite;
}

}  // namespace contact
