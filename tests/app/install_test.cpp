#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "test_support.h"

// `cmake --install` of this build into a fresh prefix: the program, its desktop entry and its
// icons where a freedesktop desktop looks for them.
TEST(Installing, PutsTheProgramItsMenuEntryAndIconsUnderThePrefix) {
    const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
    if (cmake.isEmpty()) {
        GTEST_SKIP() << "cmake is not on the path: the install tree is not checked";
    }
    const QString build = QDir(QStringLiteral(QT_TESTCASE_BUILDDIR "/..")).canonicalPath();
    QTemporaryDir prefix;
    QProcess install;
    install.start(cmake,
                  {QStringLiteral("--install"), build, QStringLiteral("--prefix"), prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();

    const QDir root(prefix.path());
    EXPECT_TRUE(QFileInfo(root.filePath(QStringLiteral("bin/greenguide"))).isExecutable());
    const QString entry = root.filePath(QStringLiteral("share/applications/greenguide.desktop"));
    const QByteArray desktop = ReadBytes(entry);
    for (const char* line : {"Type=Application\n", "Name=BRE Green Guide\n", "Exec=greenguide\n",
                             "Icon=greenguide\n"}) {
        EXPECT_TRUE(desktop.contains(line)) << line;
    }
    const QImage png(
        root.filePath(QStringLiteral("share/icons/hicolor/256x256/apps/greenguide.png")));
    EXPECT_EQ(png.size(), QSize(256, 256));
    EXPECT_GT(qAlpha(png.pixel(128, 128)), 0);
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0);
    const QByteArray svg = ReadBytes(
        root.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/greenguide.svg")));
    EXPECT_TRUE(svg.startsWith("<?xml")) << svg.left(40).toStdString();
    EXPECT_TRUE(svg.contains("<svg ") && svg.contains("viewBox=\"0 0 256 256\""));

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty()) {
        GTEST_SKIP() << "desktop-file-validate is not installed: the entry is not validated";
    }
    QProcess validate;
    validate.start(validator, {entry});
    ASSERT_TRUE(validate.waitForFinished(60000));
    EXPECT_EQ(validate.exitCode(), 0);
    EXPECT_EQ(validate.readAllStandardOutput() + validate.readAllStandardError(), QByteArray());
}
