#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes() {
    // Liberation Sans has the metrics of Arial, so text widths on the certificate match the
    // layout it was designed for. Arial Black has no metric twin among the free fonts: DejaVu
    // Sans Bold is the closest heavy, wide face. The window font is a small sans serif.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}
