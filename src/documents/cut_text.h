// The warning for a company, project or date text that the certificate cannot hold whole: one
// routine, measured as the page draws it (CertificateFieldOverflow), for the report view's
// fields, the schedule window's fields, the schedule's export and "batch".
#pragma once

#include <QString>
#include <QStringList>

// "Too long for the certificate: "<the part cut>" will be cut", or empty when the text fits.
QString CutTextWarning(const QString& text);

// The texts of one certificate that will be cut, each as `project "– Phase 2" will be cut`,
// in the order company, project, date; empty when all fit.
QStringList CertificateCutTexts(const QString& company, const QString& project,
                                const QString& date);
