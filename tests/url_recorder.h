// Stands in for the browser in tests: while it lives, every "http" address that the program asks
// the desktop to open is recorded instead.
#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};
