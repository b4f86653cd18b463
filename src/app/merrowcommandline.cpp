#include "merrowcommandline.h"

MerrowCommandLine::MerrowCommandLine()
{
    m_parser.setApplicationDescription(tr("Exports and merges catalogue records."));
    const Options &o = m_options;
    addOptions({o.catalogue, o.exportTo, o.import, o.addNew, o.all, o.diff, o.convertLegacy,
                o.importGameBase, o.games, o.music, o.screens, o.machine, o.dryRun},
               {o.exportTo, o.import, o.addNew, o.all, o.diff, o.convertLegacy, o.importGameBase,
                o.games, o.music, o.screens, o.machine, o.dryRun});
    m_parser.addPositionalArgument(tr("newfile"), tr("With --convert-legacy: the new catalogue."),
                                   tr("[newfile]"));
}

MerrowCommandLine::Run MerrowCommandLine::parse(const QStringList &arguments)
{
    return choose(m_parser.parse(arguments));
}

MerrowCommandLine::Run MerrowCommandLine::choose(bool parsed)
{
    if (parserRefused(parsed))
        return Run::Refused;
    if (helpAsked())
        return Run::Help;
    if (versionAsked())
        return Run::Version;
    // --convert-legacy counts its arguments itself.
    const bool converts = m_parser.isSet(m_options.convertLegacy);
    if (refused(converts))
        return Run::Refused;
    if (converts)
        return Run::Convert;
    if (m_parser.isSet(m_options.importGameBase))
        return Run::ImportGameBase;
    if (namesGameBaseOption()) {
        refuse(tr("--games, --music, --screens, --machine and --dry-run go with "
                  "--import-gamebase"));
        return Run::Refused;
    }
    return namesCommand() ? Run::Batch : Run::Windows;
}

bool MerrowCommandLine::namesGameBaseOption() const
{
    const Options &o = m_options;
    for (const QCommandLineOption *option : {&o.games, &o.music, &o.screens, &o.machine, &o.dryRun})
        if (m_parser.isSet(*option))
            return true;
    return false;
}
