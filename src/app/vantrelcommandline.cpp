#include "vantrelcommandline.h"

#include "commandlinecheck.h"

#include <QCoreApplication>

VantrelCommandLine::VantrelCommandLine()
    : m_help(m_parser.addHelpOption()), m_version(m_parser.addVersionOption())
{
    m_parser.setApplicationDescription(
        QStringLiteral("Catalogue and launcher for C64 and Amiga games."));
    const Options &o = m_options;
    m_all = {o.catalogue, o.list,      o.c64,  o.amiga, o.playable,      o.sound,  o.find,
             o.play,      o.playMusic, o.with, o.entry, o.amigaTemplate, o.dryRun, o.dir};
    m_parser.addOptions(m_all);
    m_all << m_help << m_version;
}

VantrelCommandLine::Run VantrelCommandLine::parse(const QStringList &arguments)
{
    return choose(m_parser.parse(arguments));
}

VantrelCommandLine::Run VantrelCommandLine::process(const QCoreApplication &app)
{
    m_parser.process(app);
    return choose(true);
}

bool VantrelCommandLine::needsWindows(const QStringList &arguments)
{
    VantrelCommandLine line;
    const Run run = line.parse(arguments);
    // The window system's own options (-style, -platform, -reverse) are unknown here until
    // QApplication has taken them, and their letters may spell -h or -v: a command line
    // with unknown options is the windows' unless it names a command of ours.
    if (!line.m_parser.unknownOptionNames().isEmpty())
        return !line.namesCommand();
    return run == Run::Windows;
}

VantrelCommandLine::Run VantrelCommandLine::choose(bool parsed)
{
    m_error = parsed ? QString() : m_parser.errorText();
    if (!parsed)
        return Run::Refused;
    if (m_parser.isSet(m_version))
        return Run::Version;
    if (m_parser.isSet(m_help) || m_parser.isSet(QStringLiteral("help-all")))
        return Run::Help;
    m_error = commandline::refusal(m_parser, m_all, false);
    const Options &o = m_options;
    if (!m_error.isEmpty())
        return Run::Refused;
    if (m_parser.isSet(o.dir))
        return Run::Dir;
    if (m_parser.isSet(o.list))
        return Run::List;
    if (m_parser.isSet(o.play))
        return Run::Play;
    return m_parser.isSet(o.playMusic) ? Run::PlayMusic : Run::Windows;
}

bool VantrelCommandLine::namesCommand() const
{
    const Options &o = m_options;
    for (const QCommandLineOption *option : {&o.dir, &o.list, &o.play, &o.playMusic})
        if (m_parser.isSet(*option))
            return true;
    return false;
}
