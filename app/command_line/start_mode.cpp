#include "command_line/start_mode.h"

#include <QSet>

namespace command_line
{
namespace
{

// The options QGuiApplication and QApplication read themselves, with one dash or two.
const QSet<QString> &qtOptionsWithValue()
{
    static const QSet<QString> names = {
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
        QStringLiteral("display"),         QStringLiteral("geometry"),
        QStringLiteral("style"),           QStringLiteral("stylesheet"),
        QStringLiteral("qmljsdebugger"),   QStringLiteral("dialogs"),
        QStringLiteral("fontengine"),
    };
    return names;
}

const QSet<QString> &qtFlags()
{
    static const QSet<QString> names = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                        QStringLiteral("nograb"), QStringLiteral("dograb"),
                                        QStringLiteral("sync")};
    return names;
}

} // namespace

StartMode decideStart(const QStringList &argumentsAfterProgram)
{
    StartMode mode;
    for (qsizetype i = 0; i < argumentsAfterProgram.size(); ++i) {
        const QString &argument = argumentsAfterProgram[i];
        QString name = argument;
        if (name.startsWith(QStringLiteral("--")))
            name.remove(0, 2);
        else if (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        else
            name.clear();
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const QString bare = equals >= 0 ? name.left(equals) : name;
        if (!bare.isEmpty() && qtOptionsWithValue().contains(bare)) {
            if (equals < 0)
                ++i; // its value
            continue;
        }
        if (equals < 0 && qtFlags().contains(name))
            continue;
        mode.command = true;
        mode.arguments << argument;
    }
    return mode;
}

} // namespace command_line
