#include "data/web_links.h"

#include "data/contact_texts.h"

QString WebLinkAddress(const QString& caption) {
    const QString ellipsis = QStringLiteral("...");
    const qsizetype at = caption.indexOf(ellipsis);
    if (at < 0) {
        return QStringLiteral("http:\\\\") + caption;
    }
    const QString query = caption.left(at + 1);
    return QStringLiteral("http:\\\\") + contact::kSearchEngineHost +
           QStringLiteral("\\search?q=") + query + QStringLiteral("&btnI");
}
