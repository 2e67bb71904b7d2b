#include "cli/greenguide_run.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

Outcome Greenguide(const QStringList& arguments, const std::function<void()>& inChild) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        environment.remove(QLatin1String(name));
    }
    process.setProcessEnvironment(environment);
    if (inChild) {
        process.setChildProcessModifier(inChild);
    }
    process.start(QStringLiteral(GREENGUIDE_PROGRAM), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.exitStatus() == QProcess::NormalExit,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
