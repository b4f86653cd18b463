#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

// What both programs' command lines share: the parser with help and version, the refusal of
// a line the parser took, and whether a line belongs to the windows. The choice is made from
// the parser's result alone, so an option's value never counts as an option.
class CommandLine
{
public:
    const QCommandLineParser &parser() const { return m_parser; }
    // Why the command line was refused.
    const QString &error() const { return m_error; }

protected:
    CommandLine();

    // options: all of the program's own; commands: those of them that run without a window.
    void addOptions(const QList<QCommandLineOption> &options,
                    const QList<QCommandLineOption> &commands);
    bool helpAsked() const;
    bool versionAsked() const;
    // Takes the parser's verdict on the line; whether it refused it.
    bool parserRefused(bool parsed);
    // Whether the parsed line is refused all the same (see commandline::refusal).
    bool refused(bool positionalAllowed);
    bool namesCommand() const;
    void refuse(const QString &why) { m_error = why; }
    // Whether the parsed line is the windows', given whether its run is.
    bool wantsWindows(bool runIsWindows) const;
    template <class Line> static bool windowsWanted(const QStringList &arguments)
    {
        Line line;
        const typename Line::Run run = line.parse(arguments);
        return line.wantsWindows(run == Line::Run::Windows);
    }

    QCommandLineParser m_parser;

private:
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QList<QCommandLineOption> m_all; // help and version too
    QList<QCommandLineOption> m_commands;
    QString m_error;
};
