// The yardstick of a terminal command: a Qt program that starts a QCoreApplication, parses
// its arguments and prints one line, and nothing more. bench/command_bench.sh runs it beside
// a decode.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bare_command"));
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("words"), QStringLiteral("Any words."));
    parser.process(app);
    QTextStream out(stdout);
    out << "Words: " << parser.positionalArguments().join(QLatin1Char(' ')) << Qt::endl;
    return 0;
}
