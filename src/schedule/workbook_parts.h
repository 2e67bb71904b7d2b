// The parts of a workbook's archive (.xlsx): each unpacked by the system's minizip as its XML is
// read, a part that unpacks past kLargestWorkbookPart refused as a zip bomb, and the package's
// relationships that say where the parts are. Used by the workbook reader only.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>

#include <functional>
#include <memory>
#include <utility>

class BoundedPart;
struct ArchiveInMemory;

class WorkbookParts {
public:
    explicit WorkbookParts(const QByteArray& bytes);
    ~WorkbookParts();
    // Why the workbook cannot be read further; empty while it can.
    const QString& Error() const { return error_; }
    // Stops the reading with this reason (the first reason given stands).
    void Refuse(const QString& why) {
        if (error_.isEmpty()) {
            error_ = why;
        }
    }
    // The error, cleared, so that the other parts can still be read.
    QString TakeError() { return std::exchange(error_, QString()); }

    // Runs read over the part's XML. False, with Error(), when the part is missing (unless
    // optional: then false alone), unpacks past the bound, or its XML is damaged.
    bool ReadPart(const QString& path, const std::function<void(QXmlStreamReader&)>& read,
                  bool optional = false);
    // Within read: why the part cannot be read on (past the bound, damaged), empty when it can.
    QString PartProblem(const QXmlStreamReader& xml) const;

    // The relationships of a part: id to the target's path, and each type's first target by
    // the type's last word ("officeDocument", "worksheet", "sharedStrings", "styles").
    struct Relations {
        QHash<QString, QString> byId;
        QHash<QString, QString> byType;
    };
    Relations RelationsOf(const QString& part);

private:
    QString BombText() const;

    std::unique_ptr<ArchiveInMemory> archive_;
    void* zip_ = nullptr;  // minizip's unzFile
    QString error_;
    QString path_;                 // the part being read
    BoundedPart* part_ = nullptr;  // and its device
};

// The text of the element the XML reader stands at (a <v>, <t>, <si> or <is>): its <t> runs
// joined, phonetic runs left out, "_x000D_" escapes undone. Past kLongestScheduleCell
// characters the rest is dropped and *tooLong set.
QString TextOfElement(QXmlStreamReader& xml, bool* tooLong);

// The column (from 0) of a cell reference ("AB12"), -1 for none.
int ColumnOfReference(QStringView reference);
