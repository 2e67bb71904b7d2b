#include "data/publish_tables.h"

#include <QDir>
#include <QSysInfo>

#include "data/data_files.h"
#include "data/data_folder.h"
#include "data/table_fields.h"
#include "platform/system_calls.h"
#include "platform/whole_file.h"

PublishStamp StampOfNow(const QString& program) {
    const QString user = UserAccountName();
    const QString host = QSysInfo::machineHostName();
    return {host.isEmpty() ? user : user + QLatin1Char('@') + host, QDateTime::currentDateTime(),
            program};
}

QString PublishStampText(const PublishStamp& stamp, const std::vector<TableVersion>& versions) {
    QString text = QStringLiteral(
                       "# The tables of the BRE Green Guide calculator, published for everyone who "
                       "reads this\n"
                       "# folder. Check them with: sha256sum -c %1\n")
                       .arg(kPublishStampName);
    text += QStringLiteral("# Published by: %1\n").arg(stamp.who);
    text += QStringLiteral("# Published at: %1\n")
                .arg(stamp.when.toOffsetFromUtc(stamp.when.offsetFromUtc()).toString(Qt::ISODate));
    text += QStringLiteral("# Program: %1\n").arg(stamp.program);
    for (const TableVersion& version : versions) {
        text += version.sha256 + QStringLiteral("  ") + version.fileName + QLatin1Char('\n');
    }
    return text;
}

PublishResult PublishTables(const QString& folder, const TablesToPublish& tables,
                            const PublishStamp& stamp) {
    PublishResult result;
    result.findings = CheckDataTables(LinesOfText(tables.weightsText),
                                      LinesOfText(tables.catalogueText), tables.cuts);
    if (!result.findings.empty()) {
        return result;
    }
    const QDir dir(folder);
    if (IsSystemFolder(dir.absolutePath())) {
        result.error = QStringLiteral("%1 is a system folder: the program never writes there")
                           .arg(QDir::toNativeSeparators(dir.absolutePath()));
        return result;
    }
    QDir().mkpath(dir.absolutePath());
    const struct {
        const QString& fileName;
        const QString& text;
    } files[] = {{kWeightsFileName, tables.weightsText}, {kSystemFileName, tables.catalogueText}};
    for (const auto& file : files) {
        const QString path = dir.filePath(file.fileName);
        const WholeFileResult written =
            WriteWholeFile(path, FileBytesOfTableText(file.text), WriteTarget::NamedByProgram);
        if (!written.written) {
            result.error = CannotCreateFileText(path, written.reason);
            return result;
        }
        result.written << path;
        result.versions.push_back(TableVersionOf(file.fileName, {path, false}, file.text));
    }
    const QString stampPath = dir.filePath(kPublishStampName);
    const WholeFileResult written = WriteWholeFile(
        stampPath, PublishStampText(stamp, result.versions).toUtf8(), WriteTarget::NamedByProgram);
    if (!written.written) {
        result.error = CannotCreateFileText(stampPath, written.reason);
        return result;
    }
    result.written << stampPath;
    return result;
}
