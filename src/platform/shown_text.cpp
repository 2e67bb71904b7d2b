#include "platform/shown_text.h"

#include <algorithm>

bool IsBidiControl(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
           c == 0x200F || c == 0x061C;
}

QString EscapedControls(const QString& text) {
    const auto escaped = [](char16_t c) {
        return (c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
               IsBidiControl(c);
    };
    if (std::none_of(text.begin(), text.end(), [&](QChar c) { return escaped(c.unicode()); })) {
        return text;
    }
    QString shown;
    shown.reserve(text.size() + 8);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!escaped(u)) {
            shown += c;
        } else if (u == u'\n') {
            shown += QLatin1String("\\n");
        } else if (u == u'\r') {
            shown += QLatin1String("\\r");
        } else if (u < 0x100) {
            shown += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        } else {
            shown += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        }
    }
    return shown;
}
