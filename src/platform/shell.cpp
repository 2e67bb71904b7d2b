#include "platform/shell.h"

#include <QDesktopServices>

#include "data/contact_texts.h"

QUrl UrlOfAddress(const QString& address) {
    // Only the scheme, host and path read backslashes as slashes; a backslash in the query or
    // fragment is a character of the query and stays.
    qsizetype end = address.indexOf(QLatin1Char('?'));
    const qsizetype hash = address.indexOf(QLatin1Char('#'));
    if (end < 0 || (hash >= 0 && hash < end)) {
        end = hash;
    }
    if (end < 0) {
        end = address.size();
    }
    QString text = address;
    for (qsizetype i = 0; i < end; ++i) {
        if (text[i] == QLatin1Char('\\')) {
            text[i] = QLatin1Char('/');
        }
    }
    return QUrl(text, QUrl::TolerantMode);
}

void ShellOpen(const QString& address) {
    QDesktopServices::openUrl(UrlOfAddress(address));
}

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
