// The window's own pictures on screens of 100 % and 200 %: drawn at the screen's device pixel
// ratio, and drawn again when the window moves to a screen of another ratio.
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include "about/form_abt.h"
#include "test_support.h"
#include "widgets/owner_draw_combo.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

const char kTwoScreens[] = "GG_TEST_TWO_SCREENS";

// 2 x 2 blocks of an image that are not of one colour. An image drawn at 100 % and enlarged has
// none; one drawn at 200 % has them wherever an edge does not fall on the enlarged grid.
int MixedBlocks(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int mixed = 0;
    for (int y = 0; y + 1 < rgb.height(); y += 2) {
        for (int x = 0; x + 1 < rgb.width(); x += 2) {
            const QRgb c = rgb.pixel(x, y);
            mixed += (rgb.pixel(x + 1, y) != c || rgb.pixel(x, y + 1) != c ||
                      rgb.pixel(x + 1, y + 1) != c);
        }
    }
    return mixed;
}

}  // namespace

// Runs in a copy of this program with two offscreen screens, of 100 % and 200 %.
TEST(HiDpiInChild, PicturesFollowTheRatioOfTheWindowsScreen) {
    if (qEnvironmentVariableIsEmpty(kTwoScreens)) {
        GTEST_SKIP() << "runs only with two screens, started by the test below";
    }
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    ASSERT_EQ(screens[1]->devicePixelRatio(), 2.0);
    QTemporaryDir folder;
    const QString pictures = folder.filePath(QStringLiteral("Updates/U1/Pics/Bitmap STD/"));
    QDir().mkpath(pictures);
    QImage picture(61, 37, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, 128));
        }
    }
    picture.save(pictures + QStringLiteral("PRF010.bmp"), "BMP");
    TwerEnvironment env;
    env.programFolder = folder.path() + QLatin1Char('/');
    env.pictureBase = folder.filePath(QStringLiteral("Updates"));
    TWER window(env);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* sheet = window.findChild<ImageWidget*>(QStringLiteral("Image1"));
    auto* preview = window.findChild<ImageWidget*>(QStringLiteral("Image2"));
    auto* outer = window.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    ASSERT_TRUE(sheet && preview && outer);
    const QImage sheetAt100 = sheet->Bitmap().copy();
    ASSERT_EQ(sheetAt100.size(), QSize(417, 580));
    const int refreshes = window.PreviewRefreshCount();

    window.windowHandle()->setScreen(screens[1]);
    QCoreApplication::processEvents();
    const QImage& sheetAt200 = sheet->Bitmap();
    EXPECT_EQ(sheetAt200.size(), QSize(834, 1160));
    EXPECT_EQ(sheetAt200.devicePixelRatio(), 2.0);
    EXPECT_EQ(preview->Bitmap().size(), QSize(1260, 1782));
    EXPECT_EQ(window.PreviewRefreshCount(), refreshes + 1);
    // The logo over the sheet too.
    const QImage& logo = window.findChild<ImageWidget*>(QStringLiteral("Image3"))->Bitmap();
    EXPECT_EQ(logo.size(), QSize(624, 198));
    EXPECT_GT(MixedBlocks(logo), 500);
    // Places stay in logical pixels: the frame, the ivory, box 0's fill and the marker.
    for (const QPoint p : {QPoint(10, 300), QPoint(15, 300), QPoint(85, 420), QPoint(68, 320)}) {
        EXPECT_EQ(PixelAt(sheetAt200, 2 * p.x(), 2 * p.y()), PixelAt(sheetAt100, p.x(), p.y()))
            << p.x() << "," << p.y();
    }
    // Text and slanted lines are drawn at the screen's resolution, not enlarged.
    EXPECT_GT(MixedBlocks(sheetAt200), 2000);
    EXPECT_GT(MixedBlocks(preview->Bitmap()), 2000);
    // The selector's picture too: 30 x 28 logical pixels at x = 5 of the closed box's entry.
    const QImage box = outer->grab().toImage();
    ASSERT_EQ(box.devicePixelRatio(), 2.0);
    const QRect entry = static_cast<OwnerDrawComboBox*>(outer)->closedEntryRect();
    EXPECT_GT(MixedBlocks(box.copy(2 * 5, 2 * (entry.top() + 1), 60, 56)), 100);

    // Back on the screen of 100 %, every pixel is as before.
    window.windowHandle()->setScreen(screens[0]);
    QCoreApplication::processEvents();
    EXPECT_EQ(sheet->Bitmap(), sheetAt100);

    // The About box's pictures follow its screen too.
    TFormAbt about;
    about.winId();
    auto* curves = about.findChild<QLabel*>(QStringLiteral("Image2"));
    ASSERT_TRUE(curves);
    const QImage curvesAt100 = curves->pixmap().toImage();
    EXPECT_EQ(curvesAt100.size(), QSize(200, 209));
    about.windowHandle()->setScreen(screens[1]);
    QCoreApplication::processEvents();
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        const QPixmap picture = about.findChild<QLabel*>(QLatin1String(name))->pixmap();
        EXPECT_EQ(picture.devicePixelRatio(), 2.0) << name;
        EXPECT_GT(MixedBlocks(picture.toImage()), 300) << name;
    }
    EXPECT_EQ(curves->pixmap().size(), QSize(400, 418));
    about.windowHandle()->setScreen(screens[0]);
    QCoreApplication::processEvents();
    EXPECT_EQ(curves->pixmap().toImage(), curvesAt100);
}

TEST(HiDpi, PicturesFollowTheRatioOfTheWindowsScreen) {
    QTemporaryDir work;
    const QString config = work.filePath(QStringLiteral("screens.json"));
    WriteBytes(config,
               "{\"screens\": [{\"name\": \"left\", \"x\": 0, \"y\": 0, \"width\": 1280, "
               "\"height\": 1024}, {\"name\": \"right\", \"x\": 1280, \"y\": 0, \"width\": 2560, "
               "\"height\": 2048}]}");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kTwoScreens), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + config);
    environment.insert(QStringLiteral("QT_SCREEN_SCALE_FACTORS"), QStringLiteral("1;2"));
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=HiDpiInChild.*")});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output =
        QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QLatin1String("[  PASSED  ] 1 test"))) << output.toStdString();
}
