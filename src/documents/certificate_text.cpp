// The certificate's words for a screen reader (CertificateText in certificate_page.h).
#include "documents/certificate_page.h"

QString LinesOnOneLine(const QString& text) {
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QStringLiteral(", "));
}

QString CertificateText(const CertificateData& data) {
    // The declaration block's sentence: its lines up to the first empty one, after the heading.
    const QStringList block = CertificateDeclarationLines(data);
    QStringList sentence;
    for (qsizetype i = 1; i < block.size() && !block[i].isEmpty(); ++i) {
        sentence << block[i].trimmed();
    }
    const QStringList lines = {
        QStringLiteral("Environmental Profile Certificate"),
        QStringLiteral("Product: Tarvex %1; Outer Frame: %2; Vent Frame: %3; Transom Mullion: %4")
            .arg(data.ProductName, data.OuterFrame, data.VentFrame, data.TransomMullion),
        QStringLiteral("Reference: ") + data.ElementReference,
        QStringLiteral("Summary Rating: ") + data.SummaryRating,
        QStringLiteral("Declaration: ") + sentence.join(QLatin1Char(' ')),
        QStringLiteral("Company: %1; Project: %2; Date: %3")
            .arg(LinesOnOneLine(data.Company), LinesOnOneLine(data.Project),
                 LinesOnOneLine(data.Date)),
    };
    return lines.join(QLatin1Char('\n'));
}
