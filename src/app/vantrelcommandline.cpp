#include "vantrelcommandline.h"

#include <QCoreApplication>

VantrelCommandLine::VantrelCommandLine()
{
    m_parser.setApplicationDescription(tr("Catalogue and launcher for C64 and Amiga games."));
    const Options &o = m_options;
    addOptions(
        {o.catalogue, o.list,    o.c64,  o.amiga, o.playable,      o.sound,     o.favourites,
         o.recent,    o.find,    o.sort, o.play,  o.playMusic,     o.musicInfo, o.render,
         o.subtune,   o.seconds, o.with, o.entry, o.amigaTemplate, o.dryRun,    o.dir,
         o.scan,      o.relink,  o.from, o.to,    o.search,        o.missing,   o.setFavourite},
        {o.dir, o.list, o.play, o.playMusic, o.musicInfo, o.scan, o.relink, o.missing,
         o.setFavourite});
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

VantrelCommandLine::Run VantrelCommandLine::choose(bool parsed)
{
    if (parserRefused(parsed))
        return Run::Refused;
    // As QCommandLineParser::process answers them: the version before help.
    if (versionAsked())
        return Run::Version;
    if (helpAsked())
        return Run::Help;
    const Options &o = m_options;
    // Only --set-favourite takes an argument of its own: yes or no.
    if (refused(m_parser.isSet(o.setFavourite)))
        return Run::Refused;
    if (m_parser.isSet(o.setFavourite)) {
        const QStringList answer = m_parser.positionalArguments();
        if (answer.size() != 1 ||
            (answer[0] != QLatin1String("yes") && answer[0] != QLatin1String("no"))) {
            refuse(tr("--set-favourite takes a game id, then yes or no."));
            return Run::Refused;
        }
        return Run::SetFavourite;
    }
    if (m_parser.isSet(o.dir))
        return Run::Dir;
    if (m_parser.isSet(o.scan))
        return Run::Scan;
    if (m_parser.isSet(o.relink)) {
        // One of the two ways to look is needed, and a mapping needs both of its ends.
        const bool mapping = m_parser.isSet(o.from) || m_parser.isSet(o.to);
        if ((!mapping && !m_parser.isSet(o.search)) ||
            (mapping && !(m_parser.isSet(o.from) && m_parser.isSet(o.to)))) {
            refuse(tr("--relink needs --from and --to, or --search."));
            return Run::Refused;
        }
        return Run::Relink;
    }
    if (m_parser.isSet(o.missing))
        return Run::Missing;
    if (m_parser.isSet(o.list))
        return Run::List;
    if (m_parser.isSet(o.play))
        return Run::Play;
    if (m_parser.isSet(o.musicInfo))
        return Run::MusicInfo;
    return m_parser.isSet(o.playMusic) ? Run::PlayMusic : Run::Windows;
}

bool VantrelCommandLine::favouriteWanted() const
{
    return m_parser.positionalArguments().value(0) == QLatin1String("yes");
}
