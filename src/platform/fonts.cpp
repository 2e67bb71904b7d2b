#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes() {
    // Liberation Sans has the metrics of Arial, so text widths on the certificate match the
    // layout it was designed for. Arial Black has no metric twin among the free fonts: its
    // letters are drawn in bold Liberation Sans at Arial Black's em size, which keeps a rating
    // letter such as "A+" inside its 40-pixel bar. The window font is a small sans serif.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

double DesignCellHeightRatio(const QString& face) {
    // Arial Black: (ascent 2254 + descent 634) / 2048 units per em.
    if (face == QLatin1String("Arial Black")) {
        return (2254.0 + 634.0) / 2048.0;
    }
    return 0;
}
