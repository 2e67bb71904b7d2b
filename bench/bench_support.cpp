#include "bench_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QWidget>

#include <cstdlib>

TwerEnvironment EnvironmentIn(const QTemporaryDir& dir) {
    TwerEnvironment env;
    env.programFolder = dir.path() + QLatin1Char('/');
    env.pictureBase = dir.filePath(QStringLiteral("Updates"));
    return env;
}

QByteArray LargeWeightsFile(int lines) {
    QByteArray bytes = "Profile,Area\r\n";
    for (int i = 1; i < lines - 3; ++i) {
        bytes += "XYZ" + QByteArray::number(i) + ",1.234567\r\n";
    }
    bytes += "PRF010,0.698112\r\nPRF020,0.71928\r\n";
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::abort();
    }
}

void Keystroke(QWidget* target, bool letter) {
    const int key = letter ? Qt::Key_A : Qt::Key_Backspace;
    const QString text = letter ? QStringLiteral("a") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
    QCoreApplication::processEvents();
}
