// The yardstick for the window's start-up: a bare QApplication with an empty
// QMainWindow, ended once its first paint has happened, as
// `quorlin --quit-after-show` ends after the first page is painted.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

namespace {

class QuitOnPaint : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QuitOnPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return app.exec();
}
