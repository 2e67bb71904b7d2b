// Every row of a schedule rated by the one rating routine (RateRequest, the window's weights
// lookup and rating), with what the schedule shows of it, and the certificate a rated row gets.
// A row that cannot be rated keeps its place, with the reason in its note.
#pragma once

#include <QList>
#include <QString>

#include <optional>

#include "data/product_tables.h"
#include "documents/certificate_page.h"
#include "rating/rated_window.h"
#include "schedule/schedule.h"

// One row's rating as the schedule shows it.
struct ScheduleRowRating {
    // The window, when its system and codes are known (also when no ratings column applies).
    std::optional<RatedWindow> window;
    double weight = 0;      // profile weight, kg/m
    QString weightText;     // "0.000", empty when the window is unknown
    int column = -1;        // ratings column, -1 when none applies
    QString summaryRating;  // "A+" ... "E", empty when not rated
    QString elementNumber;  // empty when not rated
    QString co2;            // kg CO2e over 60 years, empty when not rated
    // Why the row has no certificate: an unknown system or code (with the nearest names), a
    // name that fits two systems, a bad building type, no ratings column (a missing weight), a
    // text longer than a certificate field can show (kLongestFieldText);
    // empty for a rated row.
    QString note;
    // Whether the row gets a certificate.
    bool Rated() const { return note.isEmpty(); }
};

// The building type of a cell: empty or "Commercial" (any letter case) is Commercial,
// "Domestic" is Domestic; nullopt for anything else.
std::optional<bool> CommercialOfBuilding(const QString& building);

// The request a row makes: a profile cell left empty is the system's first code.
WindowRequest RequestOfRow(const Schedule& schedule, int row);

ScheduleRowRating RateScheduleRow(const WindowRater& rater, const Schedule& schedule, int row);
// The same for one row alone.
ScheduleRowRating RateScheduleRow(const ProductTables& tables, const Schedule& schedule, int row);
// Every row, in schedule order. Run again whenever the tables change: 1,000 rows take a few
// milliseconds (bench/schedule_bench), well within a frame. Draws nothing, so it may run on any
// thread with its own copies of the tables and the schedule.
QList<ScheduleRowRating> RateSchedule(const ProductTables& tables, const Schedule& schedule);

// The certificate's record of a rated window with the report texts: the same record the main
// window's preview builds from its controls.
CertificateData CertificateOfWindow(const QStringList& breRatingLines, const RatedWindow& window,
                                    const QString& company, const QString& project,
                                    const QString& date);
// The certificate of a row (its company, project and date, else the schedule's); only for a
// row whose rating has a window.
CertificateData CertificateOfRow(const ProductTables& tables, const Schedule& schedule, int row,
                                 const ScheduleRowRating& rating);

// The rated rows whose certificates will cut their company, project or date text, each with
// those texts (CertificateCutTexts: `project "– Phase 2" will be cut`), in schedule order; each
// different text is measured once.
QList<std::pair<int, QStringList>> CutTextRows(const Schedule& schedule,
                                               const QList<ScheduleRowRating>& ratings);
