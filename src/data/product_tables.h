// The tables a rating needs, as one value: read from the data files the way the window reads
// them (for the command line), or taken from the window's editors as they stand (for the
// schedule window, which rates again whenever they change).
#pragma once

#include <QString>
#include <QStringList>

#include "data/data_check.h"
#include "data/table_version.h"

#include <vector>

struct ProductTables {
    // The weights table's text as its editor or file holds it; looked up in place by
    // FindWeightLines (rating/rating.h).
    QString weightsText;
    QString catalogueText;
    QStringList catalogueLines;
    QStringList breRatingLines;
    // The systems offered, as the window's system selector lists them (whole header lines),
    // and beside each its name as the certificate prints it (SystemDisplayName).
    QStringList systemHeaders;
    QStringList systemNames;
    // Where a zero byte cut a data file's text as it was read, for the data check.
    TableCuts cuts;
    // Where the weights table and the catalogue came from (built in unless set).
    TableSource weightsSource;
    TableSource catalogueSource;
};

// The tables from their texts: the weights table, the system catalogue, the BRE ratings table
// and the product list (which decides whether variant systems are offered).
ProductTables ProductTablesOf(const QString& weightsText, const QString& catalogueText,
                              const QString& breRatingsText, const QString& productListText);

// Reads the tables from the data files in folder (ending with a separator), or, when folder is
// empty, from where the window reads them; a file that is not there leaves its built-in table.
// Throws ProgramError when a file cannot be read, or when what stands at its name is no file to
// read (DataFileToRead).
ProductTables LoadProductTables(const QString& folder);

// The data version of the tables: the weights table's and the catalogue's, in that order, each
// with its file, date and hash (TableVersionOf). Hashes the tables: ask once per document.
std::vector<TableVersion> DataVersionOf(const ProductTables& tables);
