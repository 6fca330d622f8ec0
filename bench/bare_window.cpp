// A bare Qt Widgets window, full screen, that quits as soon as it is painted: what any Qt
// program pays to start on this machine.

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

class Window : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Window window;
    window.setGeometry(QGuiApplication::primaryScreen()->geometry());
    window.showFullScreen();
    return app.exec();
}
