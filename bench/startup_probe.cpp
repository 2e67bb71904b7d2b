// The program that the start-up benchmark starts, in one of two forms, each ending at its
// window's first frame:
//   startup_probe app <folder>   the calculator's start as the program makes it, with <folder>
//                                as the folder of its data files
//   startup_probe bare           a bare main window with a menu bar, the baseline
// After "frame" it writes one more line: the peak memory of the process until then, in KiB, the
// CPU time it took until then (user and system, in microseconds), and for the calculator the
// ratings column and profile weight that its first frame shows.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>

#include "about/form_abt.h"
#include "app/twer.h"
#include "platform/fonts.h"

namespace {

// Once the window has been exposed and painted for the first time, writes "frame" to the
// standard output (the benchmark's clock stops there, before the program's teardown) and ends
// the event loop. The paint of an exposure runs within its event, so a zero timer set there
// fires after it.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QWidget& window) : window_(window) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose && !armed_) {
            armed_ = true;
            QTimer::singleShot(0, qApp, [this] {
                std::fputs("frame\n", stdout);
                std::fflush(stdout);
                Report();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    void Report() const {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000L +
                         usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
        std::printf("%ld %ld", usage.ru_maxrss, cpu);
        for (const char* name : {"Edit1", "EditOA"}) {
            if (auto* edit = window_.findChild<QLineEdit*>(QLatin1String(name))) {
                std::printf(" %s", qPrintable(edit->text()));
            }
        }
        std::printf("\n");
        std::fflush(stdout);
    }

    QWidget& window_;
    bool armed_ = false;
};

int RunUntilFirstFrame(QWidget& window) {
    FirstFrameWatch watch(window);
    window.winId();  // makes the window so that its exposure can be watched
    window.windowHandle()->installEventFilter(&watch);
    window.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QApplication app(argc, argv);
    if (mode == QLatin1String("bare")) {
        QMainWindow window;
        for (const char* title : {"&File", "&View", "&Help"}) {
            QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
            menu->addAction(QStringLiteral("Item"));
        }
        window.setCentralWidget(new QWidget);
        window.resize(1060, 667);
        return RunUntilFirstFrame(window);
    }
    if (mode != QLatin1String("app") || argc < 3) {
        return 2;
    }
    // As the program starts.
    QApplication::setApplicationDisplayName(QStringLiteral("BRE Green Guide"));
    InstallFontSubstitutes();
    TwerEnvironment env = TwerEnvironment::Default();
    env.programFolder = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    TWER window(env);
    TFormAbt formAbt;
    window.SetAboutBox(&formAbt);
    return RunUntilFirstFrame(window);
}
