// One window rated outside the main window: the tables read as the window reads them, a
// selection of system and profiles checked against the catalogue (with the nearest valid names
// when it does not fit), and the rating, report and certificate worked out by the same routines
// that the window uses.
#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

#include "documents/certificate_page.h"
#include "rating/rating.h"

// The tables a rating needs: the built-in ones, with the weights table and the system catalogue
// replaced by the data files where they exist.
struct ProductTables {
    QStringList weightsLines;
    QStringList catalogueLines;
    QStringList breRatingLines;
    // The systems offered, as the window's system selector lists them.
    QStringList systemHeaders;
};

// Reads the tables from the data files in folder (ending with a separator), or, when folder is
// empty, from where the window reads them. Throws ProgramError when a file cannot be read.
ProductTables LoadProductTables(const QString& folder);

// A window as asked for: a system by its header or display name, profile codes (empty for the
// system's first entry) and the building type.
struct WindowRequest {
    QString system;
    std::optional<QString> outerFrame;
    std::optional<QString> ventFrame;
    std::optional<QString> transomMullion;
    bool commercial = true;
};

// A window whose system and profiles the catalogue offers, rated.
struct RatedWindow {
    QString systemHeader;
    QString systemName;
    QString outerFrame;
    QString ventFrame;
    QString transomMullion;
    bool commercial = true;
    WindowRating rating;
    ColumnRatings ratings;
    // Why no ratings column applies (a weight missing from the weights table, a weight that is
    // no positive number); empty when one does.
    QString noColumnReason;
};

// The request checked and rated, or nullopt with the reason in *error: an unknown system or a
// code that the system does not offer, with the nearest valid names.
std::optional<RatedWindow> RateRequest(const ProductTables& tables, const WindowRequest& request,
                                       QString* error);

// Up to three of the candidates nearest to text (fewest edits, letter case ignored), in order.
QStringList NearestNames(const QString& text, const QStringList& candidates);

// The rating as one JSON object: system, outerFrame, ventFrame, transomMullion, building,
// profileWeight, column, elementNumber, weightBand, summaryRating, co2 and ratings (category
// label to letter); the texts that the certificate replaces by fall-backs are null when no
// ratings column applies.
QJsonObject RatingJson(const RatedWindow& window);

// The rating as lines of "label: value" text, with the certificate's fall-backs.
QString RatingText(const RatedWindow& window);

// The certificate's record for the window and the report texts.
CertificateData CertificateOfWindow(const ProductTables& tables, const RatedWindow& window,
                                    const QString& company, const QString& project,
                                    const QString& date);
