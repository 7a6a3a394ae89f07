// The yardstick of start-up: a bare Qt Widgets window of Belvane's size, shown and closed as soon
// as the event loop runs and left at once, exactly as Belvane is when BELVANE_QUIT_WHEN_SHOWN is
// set.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1366, 768);
    window.show();
    QTimer::singleShot(0, &app, [] { std::_Exit(0); });
    return QApplication::exec();
}
