#include "widgets/owner_draw_combo.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "app/selector_drawing.h"
#include "platform/canvas.h"
#include "test_support.h"

namespace {

const QColor kHighlight(0, 0, 200);
const QColor kHighlightText(255, 255, 255);
const QColor kRed(255, 0, 0);

// Shows the widget and waits until it is the active window, as a user's click would make it.
bool ShowActive(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    QElapsedTimer timer;
    timer.start();
    while (!widget.isActiveWindow() && timer.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return widget.isActiveWindow();
}

bool IsBlack(QColor c) {
    return c == QColor(Qt::black);
}
bool IsDark(QColor c) {
    return c.value() < 100;
}

int DarkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += IsDark(PixelAt(image, x, y));
        }
    }
    return count;
}

// Dark pixels of the text drawn black on white in the given face and size.
int InkOf(const QFont& font, bool bold, const QString& text) {
    QImage image = WhiteImage(200, 40);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetFontName(font.family());
        canvas.SetFontHeight(-font.pixelSize());
        canvas.SetFontBold(bold);
        canvas.SetFontColor(Qt::black);
        canvas.TextOut(5, 5, text);
    }
    return DarkPixels(image, image.rect());
}

struct Call {
    QObject* sender;
    int index;
    QRect rect;
    bool selected;
};

// A profile selector as the main window sets it up, over a picture store in a temporary
// folder: PRF010 has a picture (white with a black square in its middle third), PRF020 a file
// that is no bitmap, PRF030 none at all.
class ProfileSelector : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = dir_.path() + QStringLiteral("/Updates");
        QImage picture(30, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter(&picture).fillRect(10, 10, 10, 10, Qt::black);
        const QString pics = base_ + QStringLiteral("/2010/Pics/Bitmap STD/");
        WriteBytes(pics + "PRF020.bmp", QByteArray(200, 'x'));
        ASSERT_TRUE(picture.save(pics + "PRF010.bmp", "BMP"));

        combo_.setFont(QFont(QStringLiteral("MS Sans Serif")));
        QFont font = combo_.font();
        font.setPixelSize(11);
        combo_.setFont(font);
        QPalette palette = combo_.palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::Highlight, kHighlight);
        palette.setColor(QPalette::HighlightedText, kHighlightText);
        combo_.setPalette(palette);
        combo_.addItems({"PRF010", "PRF020", "PRF030"});
        combo_.resize(113, 36);
        combo_.setDrawItemHandler(
            [this](QObject* sender, int index, const QRect& rect, bool selected, Canvas& canvas) {
                calls_.push_back({sender, index, rect, selected});
                DrawProfileEntry(canvas, rect, combo_.itemText(index), base_);
            });
    }

    // The open list's drawing of one entry, 30 pixels high at y = 30 of a red surface.
    QImage ListEntry(int index, bool selected) {
        QImage image(113, 90, QImage::Format_RGB32);
        image.fill(kRed);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 30, 113, 30);
        option.palette = combo_.palette();
        option.state = QStyle::State_Enabled;
        if (selected) {
            option.state |= QStyle::State_Selected;
        }
        QPainter painter(&image);
        combo_.itemDelegate()->paint(&painter, option, combo_.model()->index(index, 0));
        return image;
    }

    QTemporaryDir dir_;
    QString base_;
    OwnerDrawComboBox combo_;
    std::vector<Call> calls_;
};

}  // namespace

TEST_F(ProfileSelector, ClosedBoxShowsPictureAndBoldCode) {
    const QRect entry = combo_.closedEntryRect();
    EXPECT_EQ(entry.height(), 30);
    const QImage image = combo_.grab().toImage();

    ASSERT_EQ(calls_.size(), 1u);
    EXPECT_EQ(calls_[0].sender, &combo_);
    EXPECT_EQ(calls_[0].index, 0);
    EXPECT_EQ(calls_[0].rect, entry);
    EXPECT_FALSE(calls_[0].selected);

    // The picture, 30 x 28 from x = 5: its black square lands in the middle third.
    const QRect square = BoxOf(image, QRect(0, entry.top(), 38, 30), IsBlack);
    ASSERT_TRUE(square.isValid());
    EXPECT_NEAR(square.left(), 5 + 10, 1);
    EXPECT_NEAR(square.right(), 5 + 19, 1);
    EXPECT_NEAR(square.top(), entry.top() + 1 + 9, 1);
    EXPECT_EQ(PixelAt(image, 7, entry.top() + 3), QColor(Qt::white));

    // The code from x = 40 (entry height + 10), 4 below the entry's top, in bold.
    const QRect text = BoxOf(image, QRect(38, entry.top(), entry.right() - 38, 30), IsDark);
    ASSERT_TRUE(text.isValid());
    EXPECT_GE(text.left(), 40);
    EXPECT_LE(text.left(), 41);
    EXPECT_GE(text.top(), entry.top() + 4);
    // Bold strokes put more ink down than regular ones of the same face and size.
    const int ink = DarkPixels(image, QRect(38, entry.top(), entry.right() - 38, 30));
    const int boldInk = InkOf(combo_.font(), true, "PRF010");
    const int regularInk = InkOf(combo_.font(), false, "PRF010");
    ASSERT_GT(boldInk, regularInk);
    EXPECT_GT(ink, (boldInk + regularInk) / 2);
}

TEST_F(ProfileSelector, SelectedListEntryTakesTheHighlight) {
    const QImage image = ListEntry(0, true);
    ASSERT_EQ(calls_.size(), 1u);
    EXPECT_EQ(calls_[0].sender, &combo_);
    EXPECT_TRUE(calls_[0].selected);
    EXPECT_EQ(calls_[0].rect, QRect(0, 30, 113, 30));

    // The picture's white areas show the highlight; its black square stays black.
    EXPECT_EQ(PixelAt(image, 7, 33), kHighlight);
    EXPECT_EQ(PixelAt(image, 20, 44), QColor(Qt::black));
    // The whole entry is filled, and nothing outside it is touched.
    EXPECT_EQ(PixelAt(image, 110, 31), kHighlight);
    EXPECT_EQ(PixelAt(image, 110, 29), kRed);
    EXPECT_EQ(PixelAt(image, 110, 60), kRed);
    // The code in the highlight text colour, from x = 40.
    const QRect text =
        BoxOf(image, QRect(36, 30, 77, 30), [](QColor c) { return c == kHighlightText; });
    ASSERT_TRUE(text.isValid());
    EXPECT_NEAR(text.left(), 40, 1);

    const QImage plain = ListEntry(0, false);
    EXPECT_EQ(PixelAt(plain, 7, 33), QColor(Qt::white));
    EXPECT_EQ(PixelAt(plain, 20, 44), QColor(Qt::black));
    EXPECT_FALSE(calls_.back().selected);
}

TEST_F(ProfileSelector, EntryWithoutAReadablePictureShowsItsCodeAlone) {
    for (int index : {1, 2}) {
        const QImage image = ListEntry(index, false);
        EXPECT_EQ(calls_.back().index, index);
        EXPECT_FALSE(BoxOf(image, QRect(0, 30, 38, 30), IsDark).isValid()) << index;
        EXPECT_TRUE(BoxOf(image, QRect(38, 30, 75, 30), IsDark).isValid()) << index;
    }
}

TEST_F(ProfileSelector, ListEntriesAreOneItemHigh) {
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 113, 17);
    const QModelIndex first = combo_.model()->index(0, 0);
    EXPECT_EQ(combo_.itemDelegate()->sizeHint(option, first).height(), 30);
    combo_.setItemHeight(24);
    EXPECT_EQ(combo_.itemDelegate()->sizeHint(option, first).height(), 24);
    EXPECT_EQ(combo_.maxVisibleItems(), 20);
}

TEST_F(ProfileSelector, CanvasIsPreparedWithTheControlsFont) {
    QFont font = combo_.font();
    font.setBold(true);
    combo_.setFont(font);
    QString face;
    int height = 0;
    bool bold = false;
    QColor brush;
    QColor text;
    combo_.setDrawItemHandler([&](QObject*, int, const QRect&, bool, Canvas& canvas) {
        face = canvas.FontName();
        height = canvas.FontHeight();
        bold = canvas.FontBold();
        brush = canvas.BrushColor();
        text = canvas.FontColor();
    });
    ListEntry(0, true);
    EXPECT_EQ(face, font.family());
    EXPECT_EQ(height, -11);
    EXPECT_TRUE(bold);
    EXPECT_EQ(brush, kHighlight);
    EXPECT_EQ(text, kHighlightText);
}

TEST_F(ProfileSelector, FocusedClosedBoxShowsItsEntrySelected) {
    ASSERT_TRUE(ShowActive(combo_));
    combo_.setFocus();
    ASSERT_TRUE(combo_.hasFocus());
    calls_.clear();
    const QImage image = combo_.grab().toImage();
    ASSERT_FALSE(calls_.empty());
    EXPECT_TRUE(calls_.back().selected);
    const QRect entry = combo_.closedEntryRect();
    EXPECT_EQ(PixelAt(image, 7, entry.top() + 3), kHighlight);
}

TEST_F(ProfileSelector, EmptyBoxFillsItsEntryWithoutCallingTheHandler) {
    combo_.clear();
    const QImage image = combo_.grab().toImage();
    EXPECT_TRUE(calls_.empty());
    const QRect entry = combo_.closedEntryRect();
    EXPECT_EQ(PixelAt(image, entry.left() + 2, entry.top() + 2), QColor(Qt::white));
}

TEST(SystemSelector, ShowsTheNameBeforeTheComma) {
    QImage image(213, 60, QImage::Format_RGB32);
    image.fill(kRed);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        canvas.SetFontName(QStringLiteral("MS Sans Serif"));
        canvas.SetFontHeight(-11);
        canvas.SetFontBold(true);
        canvas.SetBrushColor(Qt::white);
        canvas.SetFontColor(Qt::black);
        DrawSystemEntry(canvas, QRect(3, 20, 180, 30), QStringLiteral("Pelvanor 47,0.01"));
    }
    EXPECT_EQ(PixelAt(image, 4, 21), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 182, 49), QColor(Qt::white));
    EXPECT_EQ(PixelAt(image, 183, 49), kRed);
    const QRect text = BoxOf(image, QRect(3, 20, 180, 30), IsDark);
    ASSERT_TRUE(text.isValid());
    EXPECT_NEAR(text.left(), 3 + 5, 1);
    EXPECT_GE(text.top(), 20 + 4);
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setPixelSize(11);
    bold.setBold(true);
    // "Pelvanor 47" only: the ",0.01" would make the text wider.
    EXPECT_NEAR(text.width(), QFontMetrics(bold).boundingRect("Pelvanor 47").width(), 2);
}
