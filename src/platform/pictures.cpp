#include "platform/pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>

namespace {

// The rating body's green: the same green as the specification sheet's frame and header.
const QColor kSheetGreen(86, 177, 70);
const QColor kDeepGreen(30, 110, 45);
const QColor kIvory(255, 255, 250);
const QColor kBannerTop(24, 120, 64);
const QColor kBannerBottom(6, 66, 34);
const QColor kTabRedTop(226, 38, 38);
const QColor kTabRedBottom(170, 16, 22);
const QColor kCurveGreen(154, 205, 50);
const QColor kMakerSteel(70, 84, 98);
const QColor kMakerBlue(20, 92, 160);

// A picture of width x height logical pixels at the given device pixel ratio, to be drawn on
// in logical pixels.
QImage Blank(int width, int height, const QColor& fill, qreal ratio = 1.0) {
    QImage image(qCeil(width * ratio), qCeil(height * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

QFont PictureFont(const QString& family, int pixelSize, int weight) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// A leaf inside the box: two arcs meeting at a pointed tip at the top right and at the stalk at
// the bottom left, with a lighter midrib between them.
void DrawLeaf(QPainter& painter, const QRectF& box, const QColor& light, const QColor& dark) {
    const QPointF stalk(box.left() + box.width() * 0.12, box.bottom() - box.height() * 0.08);
    const QPointF tip(box.right() - box.width() * 0.04, box.top() + box.height() * 0.04);
    QPainterPath leaf(stalk);
    leaf.cubicTo(QPointF(box.left() - box.width() * 0.05, box.top() + box.height() * 0.35),
                 QPointF(box.left() + box.width() * 0.45, box.top() - box.height() * 0.02), tip);
    leaf.cubicTo(QPointF(box.right() + box.width() * 0.02, box.top() + box.height() * 0.55),
                 QPointF(box.left() + box.width() * 0.55, box.bottom() + box.height() * 0.02),
                 stalk);
    QLinearGradient fill(box.topRight(), box.bottomLeft());
    fill.setColorAt(0.0, light);
    fill.setColorAt(1.0, dark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(leaf);

    QPen rib(QColor(255, 255, 255, 200), std::max(1.0, box.width() / 28.0));
    rib.setCapStyle(Qt::RoundCap);
    painter.setPen(rib);
    painter.setBrush(Qt::NoBrush);
    QPainterPath midrib(stalk);
    midrib.quadTo(QPointF(box.left() + box.width() * 0.48, box.top() + box.height() * 0.52),
                  QPointF(box.right() - box.width() * 0.18, box.top() + box.height() * 0.18));
    painter.drawPath(midrib);
    // The stalk continues a little beyond the leaf.
    QPen stem(dark, std::max(1.0, box.width() / 22.0));
    stem.setCapStyle(Qt::RoundCap);
    painter.setPen(stem);
    painter.drawLine(stalk, stalk + QPointF(-box.width() * 0.08, box.height() * 0.06));
}

// A small window as the maker's mark: an aluminium frame with a transom and a mullion.
void DrawWindowMark(QPainter& painter, const QRectF& box) {
    QLinearGradient glass(box.topLeft(), box.bottomRight());
    glass.setColorAt(0.0, QColor(190, 222, 246));
    glass.setColorAt(1.0, QColor(92, 150, 204));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawRect(box);

    const qreal frame = box.width() / 9.0;
    QPen pen(kMakerSteel, frame);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF inner = box.adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2);
    painter.drawRect(inner);
    const qreal transomY = box.top() + box.height() * 0.38;
    painter.drawLine(QPointF(inner.left(), transomY), QPointF(inner.right(), transomY));
    painter.drawLine(QPointF(inner.center().x(), transomY),
                     QPointF(inner.center().x(), inner.bottom()));

    // A glint on the top pane.
    QPen glint(QColor(255, 255, 255, 170), frame * 0.6);
    glint.setCapStyle(Qt::RoundCap);
    painter.setPen(glint);
    painter.drawLine(QPointF(box.left() + frame * 2.2, transomY - frame * 1.2),
                     QPointF(box.left() + frame * 4.0, box.top() + frame * 1.6));
}

QImage IconImage(int size) {
    QImage image = Blank(size, size, Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient back(tile.topLeft(), tile.bottomLeft());
    back.setColorAt(0.0, QColor(104, 190, 86));
    back.setColorAt(1.0, kDeepGreen);
    painter.setPen(size >= 32 ? QPen(QColor(20, 80, 32), s / 48.0) : Qt::NoPen);
    painter.setBrush(back);
    painter.drawRoundedRect(tile, s * 0.18, s * 0.18);
    DrawLeaf(painter, QRectF(s * 0.2, s * 0.16, s * 0.62, s * 0.64), QColor(255, 255, 255),
             QColor(222, 240, 214));
    if (size >= 32) {
        // The red tab of the banner, carried on the icon's corner.
        const QRectF tab(s * 0.5, s * 0.66, s * 0.44, s * 0.28);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kTabRedBottom);
        painter.drawRoundedRect(tab, s * 0.05, s * 0.05);
        painter.setPen(Qt::white);
        painter.setFont(PictureFont(QStringLiteral("DejaVu Sans"), int(s * 0.2), QFont::Bold));
        painter.drawText(tab, Qt::AlignCenter, QStringLiteral("GG"));
    }
    painter.end();
    return image;
}

}  // namespace

QImage BannerBackground() {
    QImage image = Blank(9, 20, kBannerBottom);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, 20);
    gradient.setColorAt(0.0, kBannerTop);
    gradient.setColorAt(1.0, kBannerBottom);
    painter.fillRect(image.rect(), gradient);
    // A lighter first row gives the strip an edge against the menu bar above.
    painter.fillRect(QRect(0, 0, 9, 1), QColor(70, 160, 100));
    painter.end();
    return image;
}

namespace {

QImage DrawSmallLogo(qreal ratio) {
    QImage image = Blank(48, 20, Qt::transparent, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient red(0, 0, 0, 20);
    red.setColorAt(0.0, kTabRedTop);
    red.setColorAt(1.0, kTabRedBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    // A tab: rounded at the top, square at the bottom where it meets the strip.
    painter.drawRoundedRect(QRectF(0, 0, 48, 20), 4, 4);
    painter.fillRect(QRectF(0, 10, 48, 10), red);
    painter.setPen(Qt::white);
    painter.setFont(PictureFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
    painter.drawText(QRectF(0, 0, 48, 20), Qt::AlignCenter, QStringLiteral("GG"));
    painter.end();
    return image;
}

QImage DrawGreenGuideLogo(qreal ratio) {
    // Ivory like the sheet underneath, so the logo sits on the sheet without a visible box.
    QImage image = Blank(312, 99, kIvory, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawLeaf(painter, QRectF(6, 12, 62, 74), QColor(150, 206, 96), kDeepGreen);

    painter.setPen(kSheetGreen);
    painter.setFont(PictureFont(QStringLiteral("Liberation Sans"), 54, QFont::Bold));
    painter.drawText(QRectF(78, 0, 100, 70), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("bre"));
    painter.setFont(PictureFont(QStringLiteral("Liberation Sans"), 36, QFont::Normal));
    painter.drawText(QRectF(78, 54, 234, 42), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Green Guide"));
    // A thin rule between the two words, ending in the leaf's colour.
    QLinearGradient rule(172, 0, 306, 0);
    rule.setColorAt(0.0, kSheetGreen);
    rule.setColorAt(1.0, QColor(kSheetGreen.red(), kSheetGreen.green(), kSheetGreen.blue(), 0));
    painter.fillRect(QRectF(172, 46, 134, 2), rule);
    painter.end();
    return image;
}

QImage DrawMakerLogo(qreal ratio) {
    QImage image = Blank(103, 45, Qt::white, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawWindowMark(painter, QRectF(3, 8, 26, 30));
    painter.setPen(kMakerSteel);
    painter.setFont(PictureFont(QStringLiteral("DejaVu Sans"), 19, QFont::Bold));
    painter.drawText(QRectF(33, 4, 70, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tarvex"));
    painter.fillRect(QRectF(34, 30, 66, 1.5), kMakerBlue);
    painter.setPen(kMakerBlue);
    QFont small = PictureFont(QStringLiteral("DejaVu Sans"), 7, QFont::Normal);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    painter.setFont(small);
    painter.drawText(QRectF(34, 32, 69, 10), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("ALUMINIUM"));
    painter.end();
    return image;
}

QImage DrawDecorativeCurves(qreal ratio) {
    QImage image = Blank(200, 209, Qt::white, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A fan of curves sweeping in from the top right and falling away to the bottom left, fading
    // as they go out so the texts in front stay readable.
    const int kCurves = 14;
    for (int i = 0; i < kCurves; ++i) {
        const qreal t = qreal(i) / (kCurves - 1);
        QColor colour = kCurveGreen;
        colour.setAlpha(int(230 - 150 * t));
        painter.setPen(QPen(colour, 1.0));
        QPainterPath curve(QPointF(200, 8 + 60 * t));
        curve.cubicTo(QPointF(150 - 40 * t, 0 + 30 * t), QPointF(40 + 30 * t, 70 + 40 * t),
                      QPointF(20 + 120 * t, 209));
        painter.drawPath(curve);
    }
    // A second, lighter family crossing the first near the bottom right.
    for (int i = 0; i < 8; ++i) {
        const qreal t = i / 7.0;
        QColor colour(200, 222, 80, int(170 - 90 * t));
        painter.setPen(QPen(colour, 1.0));
        QPainterPath curve(QPointF(96 + 14 * t, 209));
        curve.cubicTo(QPointF(120 + 10 * t, 150 - 30 * t), QPointF(170, 120 + 20 * t),
                      QPointF(200, 92 + 40 * t));
        painter.drawPath(curve);
    }
    painter.end();
    return image;
}

QImage DrawRatingBodyLogo(qreal ratio) {
    QImage image = Blank(288, 100, Qt::white, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The word "bre" reversed out of a green block, the scheme's name beside it.
    const QRectF block(4, 14, 92, 72);
    QLinearGradient fill(block.topLeft(), block.bottomLeft());
    fill.setColorAt(0.0, QColor(104, 190, 86));
    fill.setColorAt(1.0, kDeepGreen);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(block, 8, 8);
    painter.setPen(Qt::white);
    painter.setFont(PictureFont(QStringLiteral("Liberation Sans"), 46, QFont::Bold));
    painter.drawText(block.adjusted(0, 0, 0, -4), Qt::AlignCenter, QStringLiteral("bre"));

    const QString name = QStringLiteral("Green Guide");
    const QFont nameFont = PictureFont(QStringLiteral("Liberation Sans"), 26, QFont::Normal);
    painter.setPen(kSheetGreen);
    painter.setFont(nameFont);
    painter.drawText(QRectF(106, 14, 182, 40), Qt::AlignLeft | Qt::AlignVCenter, name);
    // A small leaf just after the name, as far as the picture has room.
    const qreal leafLeft = std::min(106.0 + QFontMetricsF(nameFont).horizontalAdvance(name), 258.0);
    DrawLeaf(painter, QRectF(leafLeft + 2, 12, 24, 28), QColor(150, 206, 96), kDeepGreen);
    painter.fillRect(QRectF(107, 56, 176, 1.5), kSheetGreen);
    painter.setPen(QColor(90, 100, 90));
    painter.setFont(PictureFont(QStringLiteral("Liberation Sans"), 12, QFont::Normal));
    painter.drawText(QRectF(107, 60, 181, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Environmental profiles"));
    painter.end();
    return image;
}

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

FixedPicture IconPicture(int size) {
    return {QStringLiteral("program_icon_%1").arg(size), QSize(size, size), false,
            [size](qreal) { return IconImage(size); }};
}

// Places in ProgramPictures(): the pictures, then the icon's sizes.
enum PictureIndex {
    kSmallLogo,
    kGreenGuideLogo,
    kMakerLogo,
    kDecorativeCurves,
    kRatingBodyLogo,
    kFirstIconSize
};

}  // namespace

const std::vector<FixedPicture>& ProgramPictures() {
    static const std::vector<FixedPicture> pictures = [] {
        std::vector<FixedPicture> list = {
            {QStringLiteral("small_logo"), QSize(48, 20), true, DrawSmallLogo},
            {QStringLiteral("green_guide_logo"), QSize(312, 99), true, DrawGreenGuideLogo},
            {QStringLiteral("maker_logo"), QSize(103, 45), true, DrawMakerLogo},
            {QStringLiteral("decorative_curves"), QSize(200, 209), true, DrawDecorativeCurves},
            {QStringLiteral("rating_body_logo"), QSize(288, 100), true, DrawRatingBodyLogo},
        };
        for (int size : kIconSizes) {
            list.push_back(IconPicture(size));
        }
        return list;
    }();
    return pictures;
}

QImage SmallLogo(qreal ratio) {
    return FixedPictureAt(ProgramPictures()[kSmallLogo], ratio);
}

QImage GreenGuideLogo(qreal ratio) {
    return FixedPictureAt(ProgramPictures()[kGreenGuideLogo], ratio);
}

QImage MakerLogo(qreal ratio) {
    return FixedPictureAt(ProgramPictures()[kMakerLogo], ratio);
}

QImage DecorativeCurves(qreal ratio) {
    return FixedPictureAt(ProgramPictures()[kDecorativeCurves], ratio);
}

QImage RatingBodyLogo(qreal ratio) {
    return FixedPictureAt(ProgramPictures()[kRatingBodyLogo], ratio);
}

namespace {

// The icon at all its sizes, made the first time anything asks for one of them and kept for
// the rest of the process: the pictures never change, and a window that no window manager
// shows (or a second window with the same icon) costs nothing.
const QIcon& DrawnProgramIcon() {
    static const QIcon* const icon = [] {
        auto* made = new QIcon;
        const std::vector<FixedPicture>& pictures = ProgramPictures();
        for (std::size_t i = kFirstIconSize; i < pictures.size(); ++i) {
            made->addPixmap(QPixmap::fromImage(FixedPictureAt(pictures[i], 1.0)));
        }
        return made;
    }();
    return *icon;
}

class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        DrawnProgramIcon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return DrawnProgramIcon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return DrawnProgramIcon().pixmap(size, 1.0, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return DrawnProgramIcon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("GreenGuideProgramIcon"); }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
};

}  // namespace

QIcon ProgramIcon() {
    return QIcon(new ProgramIconEngine);
}
