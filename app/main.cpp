#include "main_window/form1.h"
#include "ui/seams.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bandolin"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    main_window::Form1 form;
    if (!form.Form_Load() || ui::endRequested())
        return 0;
    form.show();
    return QApplication::exec();
}
