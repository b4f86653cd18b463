// vantrel's and merrow's command lines: arguments separated by NUL bytes, after a first byte
// that picks an option taking a value. What a command line asks for must not depend on that
// option's value (the last argument), unless the value is refused; and a command line that
// is to get no window system never asks for the windows.
#include "merrowcommandline.h"
#include "vantrelcommandline.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace
{

template <class Line> void checkAgreement(const QStringList &arguments)
{
    Line line;
    const typename Line::Run run = line.parse(arguments);
    const bool windows = Line::needsWindows(arguments);
    if (!windows && run == Line::Run::Windows)
        __builtin_trap();
    if (windows && run != Line::Run::Windows && run != Line::Run::Refused)
        __builtin_trap();
    if ((run == Line::Run::Refused) == line.error().isEmpty())
        __builtin_trap();
}

template <class Line>
void check(QStringList arguments, const QStringList &valueOptions, uint8_t pick)
{
    const QString value = arguments.takeLast();
    const QString option = QLatin1String("--") + valueOptions.at(pick % valueOptions.size());
    const QStringList given = arguments + QStringList{option, value};
    const QStringList plain = arguments + QStringList{option, QStringLiteral("x")};
    checkAgreement<Line>(given);
    Line withValue, withPlain;
    const typename Line::Run run = withValue.parse(given);
    if (run != Line::Run::Refused &&
        (run != withPlain.parse(plain) || Line::needsWindows(given) != Line::needsWindows(plain)))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    QStringList arguments{QStringLiteral("program")};
    const QByteArray rest(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    for (const QByteArray &argument : rest.split('\0'))
        arguments << QString::fromUtf8(argument);
    static const QStringList vantrelValues{"catalogue", "find",  "play",     "play-music",
                                           "with",      "entry", "template", "dir"};
    static const QStringList merrowValues{"catalogue",      "export",          "import",
                                          "convert-legacy", "import-gamebase", "games",
                                          "music",          "screens",         "machine"};
    check<VantrelCommandLine>(arguments, vantrelValues, data[0]);
    check<MerrowCommandLine>(arguments, merrowValues, data[0]);
    return 0;
}
