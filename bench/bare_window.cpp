// The yardsticks for the program's start: a Qt Widgets window with a title and nothing else,
// started and shown the way any Qt program does it; built a second time with one line of text
// in it (BARE_WINDOW_WITH_TEXT), which shows what the first text costs: the font system's
// start, which the bare window never needs.
//
// Built a third time with a File menu (BARE_WINDOW_WITH_DIALOG): File > Preferences opens an
// empty modal dialog of the size given as WIDTH HEIGHT, in the program's style: the yardstick
// for opening the options dialog by the same keys.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#ifdef BARE_WINDOW_WITH_DIALOG
#include <QDialog>
#include <QMenuBar>
#include <QStyleFactory>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
#ifdef BARE_WINDOW_WITH_TEXT
    window.setCentralWidget(new QLabel(QStringLiteral("Цветовая маркировка резисторов")));
#endif
#ifdef BARE_WINDOW_WITH_DIALOG
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QSize size(argc > 2 ? atoi(argv[1]) : 640, argc > 2 ? atoi(argv[2]) : 480);
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("&Preferences...")), &QAction::triggered,
                     &window, [&window, size] {
                         QDialog dialog(&window);
                         dialog.resize(size);
                         dialog.exec();
                     });
    window.resize(640, 480);
#endif
    window.show();
    return QApplication::exec();
}
