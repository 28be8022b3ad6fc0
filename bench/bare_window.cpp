// The yardstick for the program's start: a Qt Widgets window with a title and nothing else,
// started and shown the way any Qt program does it.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.show();
    return QApplication::exec();
}
