#include "config/form1.h"
#include "config/ui_seams.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bandolin"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    config::Form1 form;
    if (!form.Form_Load() || ui::endRequested())
        return 0;
    form.show();
    return QApplication::exec();
}
