#include "platform/shell.h"

#include <QDesktopServices>

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
