#include "app/guide_window.h"

#include <QKeyEvent>
#include <QTextBrowser>

namespace {
constexpr int kGuideWidth = 760;
constexpr int kGuideHeight = 820;
}  // namespace

GuideWindow::GuideWindow(QWidget* parent) : QMainWindow(parent), browser_(new QTextBrowser(this)) {
    // The guide's resources are in a static library: named here, so that they are linked in.
    Q_INIT_RESOURCE(guide);
    setObjectName(QStringLiteral("GuideWindow"));
    // Ends with the program's name, so that desktops which add it to titles do not add it twice.
    setWindowTitle(QStringLiteral("User Guide - BRE Green Guide"));
    // A window of its own, not a sheet over the main window.
    setWindowFlag(Qt::Window);
    browser_->setObjectName(QStringLiteral("GuideBrowser"));
    // Links are followed inside the browser; none opens a web browser or the network.
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(true);
    browser_->setSearchPaths({QStringLiteral(":/guide")});
    browser_->setSource(Home());
    setCentralWidget(browser_);
    resize(kGuideWidth, kGuideHeight);
}

QUrl GuideWindow::Home() {
    return QUrl(QStringLiteral("qrc:/guide/guide.html"));
}

void GuideWindow::keyPressEvent(QKeyEvent* event) {
    // Esc puts the guide away, as it closes a dialog; the browser passes it on.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
