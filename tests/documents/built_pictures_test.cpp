// The pictures built into the program at build time are those its drawing routines draw, and
// a copy the program does not hold (another ratio, another size) is drawn instead.
#include <QPainter>
#include <QtMath>

#include <gtest/gtest.h>

#include "data/builtin_tables.h"
#include "data/table_fields.h"
#include "documents/specification_sheet.h"
#include "platform/built_pictures.h"
#include "platform/canvas.h"
#include "platform/pictures.h"

namespace {

std::vector<FixedPicture> AllFixedPictures() {
    std::vector<FixedPicture> pictures = ProgramPictures();
    pictures.push_back(SpecificationSheetArtPicture());
    return pictures;
}

SpecificationSheetData LongNamedSheet() {
    return SpecificationSheetDataOf(LinesOfText(BuiltInBreRatingsTable()), 4,
                                    QStringLiteral("Pelvanor 47 Thermally Broken Heavy Duty"),
                                    QStringLiteral("PRF010"), QStringLiteral("PRF020"),
                                    QStringLiteral("PRF030"), true);
}

}  // namespace

TEST(BuiltPictures, AreThePixelsTheDrawingRoutinesDraw) {
    const std::vector<FixedPicture> pictures = AllFixedPictures();
    ASSERT_EQ(pictures.size(), 13u);  // five pictures, seven icon sizes, the sheet's art
    for (const FixedPicture& picture : pictures) {
        for (const qreal ratio : kBuiltRatios) {
            const QImage built = BuiltPicture(picture, ratio);
            if (!picture.screenRatios && ratio != 1.0) {
                EXPECT_TRUE(built.isNull()) << picture.name.toStdString() << " at " << ratio;
                continue;
            }
            ASSERT_FALSE(built.isNull()) << picture.name.toStdString() << " at " << ratio;
            const QImage drawn = picture.draw(ratio);
            EXPECT_EQ(built.size(), QSize(qCeil(picture.size.width() * ratio),
                                          qCeil(picture.size.height() * ratio)));
            EXPECT_EQ(built.devicePixelRatio(), ratio);
            EXPECT_EQ(built.format(), drawn.format());
            EXPECT_TRUE(built == drawn) << picture.name.toStdString() << " at " << ratio;
        }
    }
}

TEST(BuiltPictures, AnyOtherRatioOrSizeIsDrawn) {
    const FixedPicture& logo = ProgramPictures().front();
    ASSERT_EQ(logo.name, "small_logo");
    struct Case {
        FixedPicture picture;
        qreal ratio;
        QSize pixels;
    };
    FixedPicture resized = logo;
    resized.size = QSize(40, 20);
    // Ratios the program holds no copy at, a copy of another size than asked, the icon at 2.
    const Case cases[] = {
        {logo, 1.75, QSize(84, 35)},
        {logo, 3.0, QSize(144, 60)},
        {resized, 1.0, QSize(48, 20)},
        {ProgramPictures().back(), 2.0, QSize(256, 256)},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(BuiltPicture(c.picture, c.ratio).isNull()) << c.ratio;
        const QImage made = FixedPictureAt(c.picture, c.ratio);
        EXPECT_EQ(made.size(), c.pixels) << c.ratio;
        EXPECT_TRUE(made == c.picture.draw(c.ratio)) << c.ratio;
    }
}

TEST(BuiltPictures, TheSheetPaintedOnItsArtIsTheSheetDrawnWhole) {
    for (const qreal ratio : {1.0, 1.5, 1.75, 2.0}) {
        QImage reference(qCeil(417 * ratio), qCeil(580 * ratio), QImage::Format_RGB32);
        reference.setDevicePixelRatio(ratio);
        reference.fill(Qt::white);
        {
            QPainter painter(&reference);
            Canvas canvas(painter);
            DrawSpecificationSheet(canvas, LongNamedSheet());
        }
        const QImage sheet = SpecificationSheetImage(LongNamedSheet(), ratio);
        EXPECT_TRUE(sheet == reference) << ratio;
        EXPECT_EQ(sheet.devicePixelRatio(), ratio);
        // The art stays as built: the next sheet starts from it again.
        EXPECT_TRUE(SpecificationSheetArtPicture().draw(ratio) ==
                    FixedPictureAt(SpecificationSheetArtPicture(), ratio))
            << ratio;
    }
}
