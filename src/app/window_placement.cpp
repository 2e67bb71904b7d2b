#include "app/window_placement.h"

#include <QStringList>

#include <algorithm>

QRect FitFrameIntoArea(const QRect& frame, const QRect& area) {
    QRect fitted = frame;
    fitted.moveLeft(
        std::max(std::min(fitted.left(), area.right() + 1 - fitted.width()), area.left()));
    fitted.moveTop(
        std::max(std::min(fitted.top(), area.bottom() + 1 - fitted.height()), area.top()));
    fitted.setWidth(std::min(fitted.width(), area.width()));
    fitted.setHeight(std::min(fitted.height(), area.height()));
    return fitted;
}

QString FrameText(const QRect& frame) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(frame.left())
        .arg(frame.top())
        .arg(frame.width())
        .arg(frame.height());
}

QRect FrameOfText(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return {};
    }
    int numbers[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) {
            return {};
        }
    }
    if (numbers[2] <= 0 || numbers[3] <= 0) {
        return {};
    }
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}
