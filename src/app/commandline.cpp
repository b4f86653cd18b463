#include "commandline.h"

#include "commandlinecheck.h"

CommandLine::CommandLine()
    : m_help(m_parser.addHelpOption()), m_version(m_parser.addVersionOption())
{
}

void CommandLine::addOptions(const QList<QCommandLineOption> &options,
                             const QList<QCommandLineOption> &commands)
{
    m_parser.addOptions(options);
    m_all = options;
    m_all << m_help << m_version;
    m_commands = commands;
}

bool CommandLine::helpAsked() const
{
    return m_parser.isSet(m_help) || m_parser.isSet(QStringLiteral("help-all"));
}

bool CommandLine::versionAsked() const
{
    return m_parser.isSet(m_version);
}

bool CommandLine::parserRefused(bool parsed)
{
    m_error = parsed ? QString() : m_parser.errorText();
    return !parsed;
}

bool CommandLine::refused(bool positionalAllowed)
{
    m_error = commandline::refusal(m_parser, m_all, positionalAllowed);
    return !m_error.isEmpty();
}

bool CommandLine::namesCommand() const
{
    for (const QCommandLineOption &option : m_commands)
        if (m_parser.isSet(option))
            return true;
    return false;
}

bool CommandLine::wantsWindows(bool runIsWindows) const
{
    // The window system's own options (-style, -platform, -reverse) are unknown here until
    // QApplication has taken them, and their letters may spell -h or -v: a command line
    // with unknown options is the windows' unless it names a command of ours.
    if (!m_parser.unknownOptionNames().isEmpty())
        return !namesCommand();
    return runIsWindows;
}
