#include "schedule/schedule_summary_layout.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

#include "documents/certificate_page.h"
#include "platform/fonts.h"

namespace {

using namespace summary_units;

// Texts are measured at this many pixels per page unit: large enough that hinting and whole-pixel
// widths do not matter, so that the layout is the same whatever the resolution it is drawn at.
constexpr double kMeasureScale = 8;

// Widths of texts in page units in one font, each text measured once.
class TextMeasure {
public:
    explicit TextMeasure(bool bold, double textHeight = kTextHeight)
        : font_(
              CellFontOf(QStringLiteral("Arial"), std::lround(textHeight * kMeasureScale), bold)) {}
    double Width(const QString& text) {
        if (text.isEmpty()) {
            return 0;
        }
        const auto known = widths_.constFind(text);
        if (known != widths_.cend()) {
            return *known;
        }
        const double width = font_->LineOf(text).width / kMeasureScale;
        if (widths_.size() < 100000) {
            widths_.insert(text, width);
        }
        return width;
    }
    // The widest single line the text takes, and its widest word.
    std::pair<double, double> NaturalAndLeast(const QString& text) {
        double natural = 0;
        double least = 0;
        for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
            natural = std::max(natural, Width(paragraph));
            for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                least = std::max(least, word == paragraph ? Width(paragraph) : Width(word));
            }
        }
        return {natural, least};
    }
    QStringList Wrapped(const QString& text, double width);

private:
    std::shared_ptr<const CellFont> font_;
    QHash<QString, double> widths_;
};

QStringList TextMeasure::Wrapped(const QString& text, double width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (Width(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QString line;
        for (QString word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (Width(joined) <= width) {
                line = joined;
                continue;
            }
            if (!line.isEmpty()) {
                lines << line;
            }
            // A word longer than the line: as many characters a line as fit (at least one).
            while (Width(word) > width && word.size() > 1) {
                qsizetype fits = 1;
                qsizetype tooLong = word.size();
                while (tooLong - fits > 1) {
                    const qsizetype middle = fits + (tooLong - fits) / 2;
                    (font_->LineOf(word.left(middle)).width / kMeasureScale <= width ? fits
                                                                                     : tooLong) =
                        middle;
                }
                lines << word.left(fits);
                word = word.mid(fits);
            }
            line = word;
        }
        lines << line;
    }
    return lines;
}

QString RowCell(const Schedule& s, int row, int column) {
    return s.Cell(row, column).simplified();
}

// The cells of a row: the ref, the extra columns, then the window's names when it is known,
// else what the row says.
QStringList CellsOf(const Schedule& s, int row, const ScheduleRowRating& r,
                    const QList<int>& extraColumns) {
    QStringList cells = {s.Value(row, ScheduleField::Ref).simplified()};
    for (const int column : extraColumns) {
        cells << RowCell(s, row, column);
    }
    if (r.window) {
        const RatedWindow& w = *r.window;
        return cells << w.systemName
                     << w.outerFrame + QStringLiteral(" / ") + w.ventFrame + QStringLiteral(" / ") +
                            w.transomMullion
                     << (w.commercial ? QStringLiteral("Commercial") : QStringLiteral("Domestic"))
                     << r.weightText << r.elementNumber << r.summaryRating << r.co2;
    }
    QStringList codes;
    for (const ScheduleField f :
         {ScheduleField::Outer, ScheduleField::Vent, ScheduleField::Transom}) {
        codes << s.Value(row, f).simplified();
    }
    // Codes left empty are the system's first ones, which an unknown system does not have.
    const QString profiles =
        codes.join(QString()).isEmpty() ? QString() : codes.join(QStringLiteral(" / "));
    return cells << s.Value(row, ScheduleField::System).simplified() << profiles << QString()
                 << QString() << QString() << QString() << QString();
}

double Sum(const QList<double>& values) {
    return std::accumulate(values.cbegin(), values.cend(), 0.0);
}

// Widths between lower and upper that take room (Σ lower <= room <= Σ upper): every column
// gets up to one cap, the cap found so that they fill the room; so narrow columns get all they
// want and only the widest give way.
QList<double> CappedWidths(const QList<double>& lower, const QList<double>& upper, double room) {
    const auto widths = [&](double cap) {
        QList<double> w;
        for (qsizetype k = 0; k < lower.size(); ++k) {
            w << std::max(lower[k], std::min(upper[k], cap));
        }
        return w;
    };
    double low = 0;
    double high = room;
    for (int step = 0; step < 40; ++step) {
        const double middle = (low + high) / 2;
        (Sum(widths(middle)) <= room ? low : high) = middle;
    }
    return widths(low);
}

// Widths that fill the table: every column as wide as its widest text on one line, and as its
// heading on one line where there is room for it, the room left shared in proportion; where
// the texts do not fit, each column at least its widest word and the widest columns wrapped;
// where even the words do not fit, the widest words' share.
QList<double> ColumnWidths(const QList<double>& least, const QList<double>& natural,
                           const QList<double>& headings) {
    const double room = kRight - kLeft;
    if (Sum(least) > room) {
        QList<double> widths;
        for (const double width : least) {
            widths << width * room / Sum(least);
        }
        return widths;
    }
    if (Sum(natural) >= room) {
        return CappedWidths(least, natural, room);
    }
    QList<double> wanted;
    for (qsizetype k = 0; k < natural.size(); ++k) {
        wanted << std::max(natural[k], headings[k]);
    }
    if (Sum(wanted) >= room) {
        return CappedWidths(natural, wanted, room);
    }
    QList<double> widths;
    for (const double width : wanted) {
        widths << width * room / Sum(wanted);
    }
    return widths;
}

double LinesHeight(qsizetype lines) {
    return std::max<qsizetype>(1, lines) * kLineHeight + 4;
}

QStringList LegendTexts(const Schedule& schedule, const ScheduleTotals& totals,
                        const QString& dataVersion) {
    QStringList texts = {
        QStringLiteral("Rating: the Green Guide summary rating of the window's generic "
                       "specification for its building type, A+ the best."),
        QStringLiteral("Element: the Green Guide element number of that specification."),
        QStringLiteral("Weight (kg/m): the profile weight of the window's outer frame, vent "
                       "frame and transom/mullion profiles, which chooses the specification."),
        QStringLiteral("kg CO2e (60 years): the specification's kilograms of CO2 equivalent "
                       "over a 60-year study period."),
        QStringLiteral("Ratings table: the BRE Global Green Guide online, generic "
                       "specifications for powder coated aluminium windows, double glazed."),
        QStringLiteral("Data files: ") + dataVersion + QLatin1Char('.')};
    if (totals.rowsWithoutQuantity > 0) {
        texts << QStringLiteral(
                     "%1 of the rows give no number in the \"%2\" column and are "
                     "not counted in its totals.")
                     .arg(totals.rowsWithoutQuantity)
                     .arg(schedule.Columns()[QuantityColumn(schedule)].trimmed());
    }
    return texts;
}

// A row too tall for a page of its own, as pieces that each fit one: lines [from, from + count)
// of every cell; the rating on the first piece.
QList<SummaryRow> PiecesOf(const SummaryRow& row, double room) {
    const qsizetype perPiece =
        std::max<qsizetype>(1, static_cast<qsizetype>((room - 4) / kLineHeight));
    qsizetype tallest = row.noteLines.size();
    for (const QStringList& lines : row.lines) {
        tallest = std::max(tallest, lines.size());
    }
    QList<SummaryRow> pieces;
    for (qsizetype from = 0; from < tallest; from += perPiece) {
        SummaryRow piece = row;
        for (QStringList& lines : piece.lines) {
            lines = lines.mid(from, perPiece);
        }
        piece.noteLines = row.noteLines.mid(from, perPiece);
        if (from > 0) {
            piece.rating.clear();
        }
        piece.height = LinesHeight(std::min(perPiece, tallest - from));
        pieces << piece;
    }
    return pieces;
}

// Spreads the rows over pages: each page holds as many as fit below the header and the
// headings, then the totals and legend follow where they fit.
void Paginate(SummaryLayout& layout) {
    const double firstRowTop = layout.tableTop + layout.headingHeight;
    QList<SummaryRow> rows;
    for (const SummaryRow& row : std::as_const(layout.rows)) {
        if (firstRowTop + row.height > kBottom) {
            rows << PiecesOf(row, kBottom - firstRowTop);
        } else {
            rows << row;
        }
    }
    layout.rows = rows;
    const double closingHeight =
        layout.totalsHeight + 10 + layout.legendLines.size() * kLegendLineHeight;
    SummaryPageRows page{0, 0, false, 0};
    double y = firstRowTop;
    for (int k = 0; k < layout.rows.size(); ++k) {
        if (y + layout.rows[k].height > kBottom && page.end > page.first) {
            layout.pages << page;
            page = {k, k, false, 0};
            y = firstRowTop;
        }
        y += layout.rows[k].height;
        page.end = k + 1;
    }
    if (y + 12 + closingHeight > kBottom && page.end > page.first) {
        layout.pages << page;
        page = {page.end, page.end, false, 0};
        y = layout.tableTop;
    }
    page.closing = true;
    page.closingTop = y + 12;
    layout.pages << page;
}

}  // namespace

QStringList WrappedSummaryText(const QString& text, double width, bool bold, double textHeight) {
    TextMeasure measure(bold, textHeight);
    return measure.Wrapped(text, width);
}

QList<int> SummaryExtraColumns(const Schedule& schedule) {
    QList<int> columns;
    for (int column = 0; column < schedule.ColumnCount(); ++column) {
        if (!schedule.FieldOfColumn(column) && !schedule.Columns()[column].trimmed().isEmpty()) {
            columns << column;
        }
    }
    return columns;
}

SummaryLayout LayOutSummary(const Schedule& schedule, const QList<ScheduleRowRating>& ratings,
                            const QList<int>& extraColumns, const QString& dataVersion) {
    SummaryLayout layout;
    TextMeasure regular(false);
    TextMeasure bold(true);

    double y = kTop + kTitleHeight + 8;
    for (const auto& [label, field] :
         {std::pair{"Company:", ScheduleField::Company},
          std::pair{"Project:", ScheduleField::Project}, std::pair{"Date:", ScheduleField::Date}}) {
        const QStringList lines =
            regular.Wrapped(LinesOnOneLine(schedule.CommonReportText(field)), kRight - kLeft - 60);
        layout.header.append({QLatin1String(label), lines});
        y += lines.size() * kLineHeight;
    }
    layout.tableTop = y + 10;

    QStringList headings = {QStringLiteral("Ref")};
    for (const int column : extraColumns) {
        headings << schedule.Columns()[column].simplified();
    }
    const qsizetype noteFrom = headings.size() + 2;
    headings << QStringLiteral("System") << QStringLiteral("Profiles") << QStringLiteral("Building")
             << QStringLiteral("Weight (kg/m)") << QStringLiteral("Element")
             << QStringLiteral("Rating") << QStringLiteral("kg CO2e (60 years)");

    // Each column as wide as its widest text on one line, and at least its widest word;
    // a heading counts by its widest word, so that it wraps over a narrow column.
    QList<QStringList> cells;
    QList<double> natural;
    QList<double> least;
    QList<double> headingWidths;
    for (const QString& heading : headings) {
        const auto [whole, word] = bold.NaturalAndLeast(heading);
        natural << word;
        least << word;
        headingWidths << whole + 2 * kCellPadding;
    }
    for (int row = 0; row < ratings.size() && row < schedule.RowCount(); ++row) {
        cells << CellsOf(schedule, row, ratings[row], extraColumns);
        const qsizetype measured = ratings[row].Rated() ? headings.size() : noteFrom;
        for (qsizetype k = 0; k < measured; ++k) {
            const auto [n, l] = regular.NaturalAndLeast(cells.last()[k]);
            natural[k] = std::max(natural[k], n);
            least[k] = std::max(least[k], l);
        }
    }
    for (qsizetype k = 0; k < headings.size(); ++k) {
        natural[k] += 2 * kCellPadding;
        least[k] += 2 * kCellPadding;
    }
    const QList<double> widths = ColumnWidths(least, natural, headingWidths);
    double left = kLeft;
    for (qsizetype k = 0; k < headings.size(); ++k) {
        SummaryColumn column;
        column.heading = headings[k];
        column.left = left;
        column.width = widths[k];
        column.rating = k == headings.size() - 2;
        column.headingLines = bold.Wrapped(headings[k], widths[k] - 2 * kCellPadding);
        layout.headingHeight =
            std::max(layout.headingHeight, LinesHeight(column.headingLines.size()));
        layout.columns << column;
        left += widths[k];
    }

    for (int row = 0; row < cells.size(); ++row) {
        SummaryRow r;
        r.row = row;
        qsizetype tallest = 1;
        const bool rated = ratings[row].Rated();
        for (qsizetype k = 0; k < (rated ? headings.size() : noteFrom); ++k) {
            r.lines << regular.Wrapped(cells[row][k], widths[k] - 2 * kCellPadding);
            tallest = std::max(tallest, r.lines.last().size());
        }
        if (rated) {
            r.rating = ratings[row].summaryRating;
        } else {
            r.noteFrom = static_cast<int>(noteFrom);
            r.noteLines =
                regular.Wrapped(QStringLiteral("Not rated: ") + ratings[row].note,
                                kRight - layout.columns[noteFrom].left - 2 * kCellPadding);
            tallest = std::max(tallest, r.noteLines.size());
        }
        r.height = LinesHeight(tallest);
        layout.rows << r;
    }

    layout.totals = TotalsOf(schedule, ratings);
    if (layout.totals.hasQuantity) {
        layout.quantityHeading = schedule.Columns()[QuantityColumn(schedule)].simplified();
    }
    layout.totalsHeight = (layout.totals.byRating.size() + 3) * (kLineHeight + 2);
    TextMeasure legend(false, kLegendTextHeight);
    for (const QString& text : LegendTexts(schedule, layout.totals, dataVersion)) {
        layout.legendLines << legend.Wrapped(text, kRight - kLeft);
    }
    Paginate(layout);
    return layout;
}
