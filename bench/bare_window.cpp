// The yardsticks for the program's start: a Qt Widgets window with a title and nothing else,
// started and shown the way any Qt program does it; built a second time with one line of text
// in it (BARE_WINDOW_WITH_TEXT), which shows what the first text costs: the font system's
// start, which the bare window never needs.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
#ifdef BARE_WINDOW_WITH_TEXT
    window.setCentralWidget(new QLabel(QStringLiteral("Цветовая маркировка резисторов")));
#endif
    window.show();
    return QApplication::exec();
}
