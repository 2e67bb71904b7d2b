#include "test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <gtest/gtest.h>

#include "platform/program_error.h"

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QColor PixelAt(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y)).toRgb();
}

QString Tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString RunPython(const QString& script, const QStringList& arguments) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral("-c"), script} + arguments);
    const bool finished = python.waitForFinished(300000);
    const QString errors = QString::fromUtf8(python.readAllStandardError());
    EXPECT_TRUE(finished && python.exitCode() == 0) << errors.toStdString();
    return QString::fromUtf8(python.readAllStandardOutput());
}

QString TestWorkbooks() {
    static QTemporaryDir folder;
    static bool made = false;
    if (!made) {
        QFile script(QStringLiteral(WORKBOOKS_SCRIPT));
        EXPECT_TRUE(script.open(QIODevice::ReadOnly));
        RunPython(QString::fromUtf8(script.readAll()), {folder.path()});
        made = QFileInfo::exists(folder.filePath(QStringLiteral("architect.xlsx")));
    }
    return folder.path();
}

QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void ExpectTestPassesAsNobody(const QString& filter, const QProcessEnvironment& environment) {
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        GTEST_SKIP() << "setpriv is not installed";
    }
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(setpriv, {QStringLiteral("--reuid=%1").arg(kNobody),
                          QStringLiteral("--regid=%1").arg(kNobody),
                          QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                          QStringLiteral("--gtest_filter=") + filter});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output =
        QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError());
    if (!output.contains(QLatin1String("[ RUN      ]"))) {
        GTEST_SKIP() << "the test program cannot run as an unprivileged user here: "
                     << output.toStdString();
    }
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QLatin1String("[  PASSED  ] 1 test"))) << output.toStdString();
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QRect BoxOf(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    const QRect inside = area & image.rect();
    QRect box;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (test(PixelAt(image, x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

void PrintTo(const QRect& rect, std::ostream* os) {
    *os << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height();
}

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

QString ErrorUnderFileSizeLimit(const std::function<void()>& action) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        QByteArray text;
        try {
            action();
        } catch (const ProgramError& error) {
            text = error.text().toUtf8();
        }
        const bool sent = write(pipeEnds[1], text.constData(), text.size()) == text.size();
        _exit(sent ? 0 : 1);
    }
    close(pipeEnds[1]);
    QByteArray text;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, n);
    }
    close(pipeEnds[0]);
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    return QString::fromUtf8(text);
}
