// Publishing the tables for colleagues: the data check first, and tables with findings are
// refused; otherwise both tables are written whole into a folder (the shared data folder, as a
// rule), with GGTables.txt beside them: who published them, when, with which program, and each
// file's SHA-256 in the form `sha256sum -c GGTables.txt` checks.
#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

#include "data/data_check.h"
#include "data/table_version.h"

inline const QString kPublishStampName = QStringLiteral("GGTables.txt");

struct TablesToPublish {
    QString weightsText;
    QString catalogueText;
    TableCuts cuts;
};

struct PublishResult {
    // The data check's findings: when there are any, nothing was written.
    std::vector<DataFinding> findings;
    // Why the folder could not be written to ("Cannot create file <path>" and the reason);
    // the files named in written were written before it.
    QString error;
    QStringList written;
    // The published tables' versions, as read from the folder from now on.
    std::vector<TableVersion> versions;
    bool Published() const { return findings.empty() && error.isEmpty(); }
};

// Who publishes and when, for the stamp.
struct PublishStamp {
    QString who;
    QDateTime when;
    QString program;  // "BRE Green Guide 1.0"
};
// The user and machine running the program, now.
PublishStamp StampOfNow(const QString& program);

// GGTables.txt's text: comment lines ("# ...") with who, when and the program, then one line
// per table, "<sha256>  <file name>".
QString PublishStampText(const PublishStamp& stamp, const std::vector<TableVersion>& versions);

// Publishes the tables into folder (made when missing): refused when the data check finds
// anything, or when folder is a system folder; otherwise GGWeights.Dat, GGSystem.Dat and
// GGTables.txt, each written whole as names the program made (never through a link).
PublishResult PublishTables(const QString& folder, const TablesToPublish& tables,
                            const PublishStamp& stamp);
