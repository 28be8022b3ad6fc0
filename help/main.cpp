#include "help_window.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Help"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    help::Form1 form;
    if (!form.Form_Load())
        return 1;
    form.show();
    return QApplication::exec();
}
