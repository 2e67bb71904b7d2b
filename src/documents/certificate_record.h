// The certificate's record as the report fills it from the selection and the BRE ratings
// table, with the fall-backs used when no ratings column applies.
#pragma once

#include <QString>
#include <QStringList>

#include "documents/certificate_page.h"

struct CertificateInputs {
    QStringList breRatingLines;
    int ratingsColumn = -1;
    QString systemName;
    QString outerFrame;
    QString ventFrame;
    QString transomMullion;
    bool commercial = true;
    QString company;
    QString project;
    QString date;
};

// Every field set: profile lines for rows 4 up to the last row but one, summary rating, weight
// band and element number from rows 18, 1 and 2, or "XXXXXXXX", "??" and "npd" (and ":npd"
// ratings) when the ratings column is 0 or less.
CertificateData CertificateDataOf(const CertificateInputs& inputs);
