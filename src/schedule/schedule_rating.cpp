#include "schedule/schedule_rating.h"

#include <QHash>

#include "documents/certificate_record.h"
#include "documents/cut_text.h"

namespace {

// Why a row's text is too long for its certificate: of the row's own fields, and of the report
// texts it takes from the schedule, the first that holds more than any certificate field can
// show (kLongestFieldText); empty when none does.
QString TooLongTextNote(const Schedule& schedule, int row) {
    for (int k = 0; k < kScheduleFieldCount; ++k) {
        const auto field = static_cast<ScheduleField>(k);
        const bool report = field == ScheduleField::Company || field == ScheduleField::Project ||
                            field == ScheduleField::Date;
        const qsizetype length =
            report ? schedule.ReportText(row, field).size() : schedule.Value(row, field).size();
        if (length > kLongestFieldText) {
            return QStringLiteral(
                       "the %1 holds %2 characters, more than the %3 a certificate "
                       "can show")
                .arg(ScheduleFieldName(field))
                .arg(length)
                .arg(kLongestFieldText);
        }
    }
    return {};
}

}  // namespace

std::optional<bool> CommercialOfBuilding(const QString& building) {
    const QString text = building.trimmed();
    if (text.isEmpty() || text.compare(QStringLiteral("Commercial"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QStringLiteral("Domestic"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::nullopt;
}

WindowRequest RequestOfRow(const Schedule& schedule, int row) {
    const auto code = [&](ScheduleField field) -> std::optional<QString> {
        const QString text = schedule.Value(row, field).trimmed();
        return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
    };
    WindowRequest request;
    request.system = schedule.Value(row, ScheduleField::System);
    request.outerFrame = code(ScheduleField::Outer);
    request.ventFrame = code(ScheduleField::Vent);
    request.transomMullion = code(ScheduleField::Transom);
    request.commercial =
        CommercialOfBuilding(schedule.Value(row, ScheduleField::Building)).value_or(true);
    return request;
}

ScheduleRowRating RateScheduleRow(const ProductTables& tables, const Schedule& schedule, int row) {
    return RateScheduleRow(WindowRater(tables), schedule, row);
}

ScheduleRowRating RateScheduleRow(const WindowRater& rater, const Schedule& schedule, int row) {
    ScheduleRowRating rating;
    rating.note = TooLongTextNote(schedule, row);
    if (!rating.note.isEmpty()) {
        return rating;
    }
    const QString building = schedule.Value(row, ScheduleField::Building);
    if (!CommercialOfBuilding(building)) {
        rating.note =
            QStringLiteral("building type \"%1\" is neither Commercial nor Domestic").arg(building);
        return rating;
    }
    QString error;
    rating.window = rater.Rate(RequestOfRow(schedule, row), &error);
    if (!rating.window) {
        rating.note = error;
        return rating;
    }
    const RatedWindow& w = *rating.window;
    rating.weight = w.rating.weight;
    rating.weightText = FormatProfileWeight(w.rating.weight);
    rating.column = w.rating.column;
    if (!w.noColumnReason.isEmpty()) {
        rating.note = QStringLiteral("no ratings column applies: ") + w.noColumnReason;
        return rating;
    }
    rating.summaryRating = w.ratings.summaryRating;
    rating.elementNumber = w.ratings.elementNumber;
    rating.co2 = w.ratings.co2;
    return rating;
}

QList<ScheduleRowRating> RateSchedule(const ProductTables& tables, const Schedule& schedule) {
    QList<ScheduleRowRating> ratings;
    ratings.reserve(schedule.RowCount());
    const WindowRater rater(tables);
    for (int row = 0; row < schedule.RowCount(); ++row) {
        ratings << RateScheduleRow(rater, schedule, row);
    }
    return ratings;
}

CertificateData CertificateOfWindow(const QStringList& breRatingLines, const RatedWindow& w,
                                    const QString& company, const QString& project,
                                    const QString& date) {
    CertificateInputs inputs;
    inputs.breRatingLines = breRatingLines;
    inputs.ratingsColumn = w.rating.column;
    inputs.systemName = w.systemName;
    inputs.outerFrame = w.outerFrame;
    inputs.ventFrame = w.ventFrame;
    inputs.transomMullion = w.transomMullion;
    inputs.commercial = w.commercial;
    inputs.company = company;
    inputs.project = project;
    inputs.date = date;
    return CertificateDataOf(inputs);
}

CertificateData CertificateOfRow(const ProductTables& tables, const Schedule& schedule, int row,
                                 const ScheduleRowRating& rating) {
    return CertificateOfWindow(tables.breRatingLines, *rating.window,
                               schedule.ReportText(row, ScheduleField::Company),
                               schedule.ReportText(row, ScheduleField::Project),
                               schedule.ReportText(row, ScheduleField::Date));
}

QList<std::pair<int, QStringList>> CutTextRows(const Schedule& schedule,
                                               const QList<ScheduleRowRating>& ratings) {
    QHash<QString, QStringList> known;  // by the three texts, what they cut
    QList<std::pair<int, QStringList>> rows;
    for (int row = 0; row < ratings.size() && row < schedule.RowCount(); ++row) {
        if (!ratings[row].Rated()) {
            continue;
        }
        const QString company = schedule.ReportText(row, ScheduleField::Company);
        const QString project = schedule.ReportText(row, ScheduleField::Project);
        const QString date = schedule.ReportText(row, ScheduleField::Date);
        const QString key = company + QChar(0) + project + QChar(0) + date;
        auto found = known.constFind(key);
        if (found == known.cend()) {
            found = known.insert(key, CertificateCutTexts(company, project, date));
        }
        if (!found->isEmpty()) {
            rows.append({row, *found});
        }
    }
    return rows;
}
