#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QStringList>

class QCommandLineParser;

// What both programs check on a command line beyond what QCommandLineParser checks.
namespace commandline
{

// The arguments as main received them, for choosing the application object before one
// exists.
QStringList argumentsOf(int argc, char **argv);

// Why a command line the parser took is refused all the same; empty when it is not. An
// option's value that is itself one of the options means that value was forgotten
// ("--catalogue --list"); an argument that is no option's value ("-- --list") is refused
// unless positionalAllowed. options: every option of the program, help and version too.
QString refusal(const QCommandLineParser &parser, const QList<QCommandLineOption> &options,
                bool positionalAllowed);

} // namespace commandline
