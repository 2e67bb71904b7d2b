#include "documents/cut_text.h"

#include "documents/certificate_page.h"

QString CutTextWarning(const QString& text) {
    const QString cut = CertificateFieldOverflow(text);
    return cut.isEmpty()
               ? QString()
               : QStringLiteral("Too long for the certificate: \"%1\" will be cut").arg(cut);
}

QStringList CertificateCutTexts(const QString& company, const QString& project,
                                const QString& date) {
    QStringList texts;
    for (const auto& [name, text] : {std::pair{"company", &company}, std::pair{"project", &project},
                                     std::pair{"date", &date}}) {
        const QString cut = CertificateFieldOverflow(*text);
        if (!cut.isEmpty()) {
            texts << QStringLiteral("%1 \"%2\" will be cut").arg(QLatin1String(name), cut);
        }
    }
    return texts;
}
