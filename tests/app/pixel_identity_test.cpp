// The pictures the window draws, compared byte for byte with the ones recorded in
// pixel_identity.golden: the ratings grid, the specification sheet, the certificate preview and
// the profile selector's entries, for a few selections driven as a user drives them. Work that
// makes the drawing faster must leave every pixel as it was.
//
// To record the pictures again after a deliberate change of the drawing, run
//   GG_RECORD_PIXELS=1 build/tests/test_app --gtest_filter='PixelIdentity.*'
// and commit the rewritten tests/app/pixel_identity.golden. On a mismatch the pictures drawn
// are saved as PNG files into the folder named in the failure message.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>

#include "platform/canvas.h"
#include "test_support.h"
#include "widgets/widgets.h"
#include "window_fixture.h"

namespace {

const QString kGoldenFile = QStringLiteral(GG_TEST_SOURCE_DIR "/app/pixel_identity.golden");

QByteArray HashOf(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(rgb.width()) + 'x' + QByteArray::number(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        hash.addData(
            QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 4));
    }
    return hash.result().toHex();
}

QMap<QString, QByteArray> ReadGolden() {
    QMap<QString, QByteArray> hashes;
    QFile file(kGoldenFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!file.atEnd()) {
            const QList<QByteArray> parts = file.readLine().trimmed().split(' ');
            if (parts.size() == 2 && !parts[0].startsWith('#')) {
                hashes.insert(QString::fromLatin1(parts[0]), parts[1]);
            }
        }
    }
    return hashes;
}

}  // namespace

class PixelIdentity : public WindowTest {
protected:
    // The pictures of the current selection, under the selection's name.
    void Capture(const QString& selection) {
        QCoreApplication::processEvents();
        drawn_.insert(selection + QStringLiteral(".sheet"),
                      Find<ImageWidget>("Image1")->Bitmap().copy());
        drawn_.insert(selection + QStringLiteral(".preview"),
                      Find<ImageWidget>("Image2")->Bitmap().copy());
        // The cells and their grid lines, without the grid's frame or focus mark.
        DrawGrid* grid = Grid();
        const QRect last = grid->CellRect(grid->ColumnCount() - 1, grid->RowCount() - 1);
        drawn_.insert(
            selection + QStringLiteral(".grid"),
            grid->viewport()->grab(QRect(0, 0, last.right() + 2, last.bottom() + 2)).toImage());
        // The outer-frame selector's entries as its open list draws them.
        QComboBox* combo = Combo("ComboBox1");
        QImage entries = WhiteImage(220, 30 * combo->count());
        {
            QPainter painter(&entries);
            for (int i = 0; i < combo->count(); ++i) {
                Canvas canvas(painter);
                window_->ComboBoxProfileDrawItem(combo, i, QRect(0, 30 * i, 220, 30), false,
                                                 canvas);
            }
        }
        drawn_.insert(selection + QStringLiteral(".selector"), entries);
    }

    // A picture store with pictures for some of the first system's profiles: wider than high,
    // higher than wide and with a pattern, so that scaling shows in every pixel.
    void MakePictureStore() {
        const QString folder =
            pictures_.filePath(QStringLiteral("Updates/Update1/Pics/Bitmap STD/"));
        QDir().mkpath(folder);
        const QSize sizes[] = {{61, 37}, {23, 57}, {40, 40}};
        const char* const codes[] = {"PRF010", "PRF011", "PRF012"};
        for (int i = 0; i < 3; ++i) {
            QImage picture(sizes[i], QImage::Format_RGB32);
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    picture.setPixel(
                        x, y,
                        qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (255 - x * 5 - y * 3) & 0xFF));
                }
            }
            picture.save(folder + QLatin1String(codes[i]) + QStringLiteral(".bmp"), "BMP");
        }
    }

    QMap<QString, QImage> drawn_;
};

TEST_F(PixelIdentity, GridSheetPreviewAndSelectorAsRecorded) {
    MakePictureStore();
    Start();
    // Start-up: the first system, Commercial, empty report fields.
    Capture(QStringLiteral("start"));
    // Domestic with a second outer frame.
    QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton);
    Choose("ComboBox1", 1);
    Capture(QStringLiteral("domestic"));
    // Another system, Commercial, with the report fields filled (two company lines).
    QTest::mouseClick(Find<QRadioButton>("RadioButton1"), Qt::LeftButton);
    Choose("ComboBox5", 2);
    Memo("MemoSim")->setPlainText(QStringLiteral("Acme Windows Ltd\nUnit 4, Riverside"));
    Memo("MemoPro")->setPlainText(QStringLiteral("St Mary's School"));
    Memo("MemoDate")->setPlainText(QStringLiteral("12/03/2014"));
    Capture(QStringLiteral("slim"));
    // The heaviest band: summary rating C.
    Choose("ComboBox5", 7);
    Capture(QStringLiteral("heavy"));
    // No ratings column: the weights table lacks the chosen codes.
    Memo("Memo1")->setPlainText(QStringLiteral("Profile,Area\n"));
    ASSERT_EQ(EditText("Edit1"), "-1");
    Capture(QStringLiteral("none"));

    QMap<QString, QByteArray> actual;
    for (auto it = drawn_.cbegin(); it != drawn_.cend(); ++it) {
        actual.insert(it.key(), HashOf(it.value()));
    }
    if (qEnvironmentVariableIsSet("GG_RECORD_PIXELS")) {
        QFile file(kGoldenFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate));
        QTextStream out(&file);
        out << "# SHA-256 of the window's pictures, written by the PixelIdentity test.\n";
        for (auto it = actual.cbegin(); it != actual.cend(); ++it) {
            out << it.key() << ' ' << it.value() << '\n';
        }
        GTEST_SKIP() << "recorded " << actual.size() << " pictures";
    }

    const QMap<QString, QByteArray> golden = ReadGolden();
    ASSERT_EQ(golden.keys(), actual.keys()) << "pictures recorded in " << kGoldenFile.toStdString();
    const QString dump = QDir::temp().filePath(QStringLiteral("gg-pixel-identity"));
    for (auto it = actual.cbegin(); it != actual.cend(); ++it) {
        if (golden.value(it.key()) != it.value()) {
            QDir().mkpath(dump);
            drawn_.value(it.key()).save(dump + QLatin1Char('/') + it.key() +
                                        QStringLiteral(".png"));
            ADD_FAILURE() << it.key().toStdString() << " differs; saved in " << dump.toStdString();
        }
    }
}
