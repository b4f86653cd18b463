#include "merrowcommandline.h"

#include "commandlinecheck.h"

MerrowCommandLine::MerrowCommandLine()
    : m_help(m_parser.addHelpOption()), m_version(m_parser.addVersionOption())
{
    m_parser.setApplicationDescription(QStringLiteral("Exports and merges catalogue records."));
    const Options &o = m_options;
    m_all = {o.catalogue, o.exportTo, o.import, o.addNew, o.all, o.diff, o.convertLegacy};
    m_parser.addOptions(m_all);
    m_parser.addPositionalArgument(QStringLiteral("newfile"),
                                   QStringLiteral("With --convert-legacy: the new catalogue."),
                                   QStringLiteral("[newfile]"));
    m_all << m_help << m_version;
}

MerrowCommandLine::Run MerrowCommandLine::parse(const QStringList &arguments)
{
    return choose(m_parser.parse(arguments));
}

bool MerrowCommandLine::needsWindows(const QStringList &arguments)
{
    MerrowCommandLine line;
    const Run run = line.parse(arguments);
    // The window system's own options (-style, -platform, -reverse) are unknown here until
    // QApplication has taken them, and their letters may spell -h or -v: a command line
    // with unknown options is the windows' unless it names a command of ours.
    if (!line.m_parser.unknownOptionNames().isEmpty())
        return !line.namesCommand();
    return run == Run::Windows;
}

MerrowCommandLine::Run MerrowCommandLine::choose(bool parsed)
{
    m_error = parsed ? QString() : m_parser.errorText();
    if (!parsed)
        return Run::Refused;
    if (m_parser.isSet(m_help) || m_parser.isSet(QStringLiteral("help-all")))
        return Run::Help;
    if (m_parser.isSet(m_version))
        return Run::Version;
    const Options &o = m_options;
    // --convert-legacy counts its arguments itself.
    m_error = commandline::refusal(m_parser, m_all, m_parser.isSet(o.convertLegacy));
    if (!m_error.isEmpty())
        return Run::Refused;
    if (m_parser.isSet(o.convertLegacy))
        return Run::Convert;
    return namesCommand() ? Run::Batch : Run::Windows;
}

bool MerrowCommandLine::namesCommand() const
{
    const Options &o = m_options;
    for (const QCommandLineOption *option :
         {&o.exportTo, &o.import, &o.addNew, &o.all, &o.diff, &o.convertLegacy})
        if (m_parser.isSet(*option))
            return true;
    return false;
}
