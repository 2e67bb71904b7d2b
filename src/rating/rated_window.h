// One window rated outside the main window's controls: a system named as people name it and
// profile codes checked against the catalogue (with the nearest valid names when they do not
// fit), then rated by the same weights lookup and rating routine as the window. Used by the
// schedule (every row) and by the command line (rate, certificate).
#pragma once

#include <QString>

#include <optional>

#include "data/product_tables.h"
#include "data/system_catalogue.h"
#include "rating/headroom.h"
#include "rating/rating.h"

// A window as asked for: a system by any of its names (FindSystem, data/system_names.h), profile
// codes (absent: the system's first entry, as the window's selectors start) and the building
// type.
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
    QString systemName;  // as the certificate prints it, without spaces at either end
    QString outerFrame;
    QString ventFrame;
    QString transomMullion;
    bool commercial = true;
    WindowRating rating;
    ColumnRatings ratings;
    // How far the weight is from a better and a worse summary rating; nullopt when no ratings
    // column applies.
    std::optional<Headroom> headroom;
    // Why no ratings column applies (a weight missing from the weights table, a weight that is
    // no positive number), as the window's status line says it; empty when one does.
    QString noColumnReason;
};

// Rates requests against one set of tables, which it holds by reference: the weights, every
// ratings column and every system's codes are read from the tables once, so that a schedule of
// many rows, or every combination of a system's codes, costs three look-ups in an index per
// window and little else.
class WindowRater {
public:
    explicit WindowRater(const ProductTables& tables);
    // The request checked and rated, or nullopt with the reason in *error: an unknown system
    // (with the nearest names), a name that fits two systems, or a code that the system does not
    // offer (with the nearest codes).
    std::optional<RatedWindow> Rate(const WindowRequest& request, QString* error) const;

private:
    const ProductTables& tables_;
    WeightIndex weights_;
    QList<SystemCodes> codes_;                      // by system, as tables.systemHeaders
    ColumnRatings columns_[kMaxRatingsColumn + 1];  // [0] for no column
};

// The window's headroom in one line (HeadroomText), empty when no ratings column applies.
QString HeadroomTextOf(const RatedWindow& window);

// One request rated (WindowRater for a single window).
std::optional<RatedWindow> RateRequest(const ProductTables& tables, const WindowRequest& request,
                                       QString* error);
