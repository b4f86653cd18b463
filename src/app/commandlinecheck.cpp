#include "commandlinecheck.h"

#include <QCommandLineParser>

namespace commandline
{
namespace
{

// Whether text is one of the options as a command line gives it: "--name", "--name=value",
// "-n", or "--", which ends the options.
bool spellsOption(const QString &text, const QStringList &names)
{
    if (text == QLatin1String("--"))
        return true;
    if (text.startsWith(QLatin1String("--")))
        return names.contains(text.mid(2).section(QLatin1Char('='), 0, 0));
    return text.size() == 2 && text.startsWith(QLatin1Char('-')) && names.contains(text.mid(1));
}

} // namespace

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString refusal(const QCommandLineParser &parser, const QList<QCommandLineOption> &options,
                bool positionalAllowed)
{
    // The help option brings --help-all with it.
    QStringList names{QStringLiteral("help-all")};
    for (const QCommandLineOption &option : options)
        names << option.names();
    for (const QCommandLineOption &option : options) {
        if (option.valueName().isEmpty() || !parser.isSet(option))
            continue;
        for (const QString &value : parser.values(option))
            if (spellsOption(value, names))
                return QStringLiteral("Missing value after '--%1': '%2' is an option.")
                    .arg(option.names().constLast(), value);
    }
    const QStringList arguments = parser.positionalArguments();
    if (!positionalAllowed && !arguments.isEmpty())
        return QStringLiteral("Unexpected argument '%1'.").arg(arguments.constFirst());
    return {};
}

} // namespace commandline
