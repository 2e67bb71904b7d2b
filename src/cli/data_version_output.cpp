#include "cli/data_version_output.h"

#include <QJsonObject>
#include <QJsonValue>

namespace {

QString ModifiedText(const TableVersion& version) {
    return version.modified.toUTC().toString(Qt::ISODate);
}

}  // namespace

QJsonArray DataVersionJson(const std::vector<TableVersion>& versions) {
    QJsonArray array;
    for (const TableVersion& version : versions) {
        const bool builtIn = version.path.isEmpty();
        QJsonObject json;
        json.insert(QStringLiteral("table"), version.fileName);
        json.insert(QStringLiteral("file"),
                    builtIn ? QJsonValue(QJsonValue::Null) : QJsonValue(version.path));
        json.insert(QStringLiteral("modified"), version.modified.isValid()
                                                    ? QJsonValue(ModifiedText(version))
                                                    : QJsonValue(QJsonValue::Null));
        json.insert(QStringLiteral("sha256"), version.sha256);
        array.append(json);
    }
    return array;
}

QString DataVersionLines(const std::vector<TableVersion>& versions) {
    QString text;
    for (const TableVersion& version : versions) {
        text += version.fileName + QStringLiteral(": ");
        if (version.path.isEmpty()) {
            text += QStringLiteral("built in");
        } else {
            text += version.path + QStringLiteral(", modified ") + ModifiedText(version);
        }
        text += QStringLiteral(", sha256 ") + version.sha256 + QLatin1Char('\n');
    }
    return text;
}
