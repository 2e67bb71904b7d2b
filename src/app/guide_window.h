// Help > User Guide (F1): the guide shipped inside the program, an HTML page with the program's
// own pictures in its resources, shown in a window of its own beside the main window. Nothing
// is fetched: the guide's links lead within it.
#pragma once

#include <QMainWindow>
#include <QUrl>

class QTextBrowser;

class GuideWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit GuideWindow(QWidget* parent);
    QTextBrowser* Browser() const { return browser_; }

    // Where the guide starts, inside the program's resources.
    static QUrl Home();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTextBrowser* browser_;
};
