#include "statefile.h"

#include <QFile>
#include <QSaveFile>

namespace browser
{
namespace
{

// A state line is eight characters; anything far longer is not a state file, and
// reading it whole would only cost memory.
constexpr qint64 kMaxRead = 4096;

bool on(QStringView value, qsizetype position)
{
    return position < value.size() && value.at(position) == QLatin1Char('1');
}

} // namespace

ViewState parseState(QStringView value)
{
    ViewState s;
    s.c64 = on(value, 0);
    s.amiga = on(value, 1);
    s.screenshots = on(value, 2);
    s.credits = on(value, 3);
    s.playable = on(value, 4);
    s.sound = on(value, 5);
    s.fellowShowsGui = on(value, 6);
    s.uaeShowsGui = on(value, 7);
    return s;
}

std::optional<QString> firstStateValue(const QByteArray &content)
{
    if (content.isEmpty())
        return std::nullopt;
    qsizetype end = 0;
    while (end < content.size() && content.at(end) != ',' && content.at(end) != '\r' &&
           content.at(end) != '\n')
        ++end;
    return QString::fromLatin1(content.constData(), end);
}

std::optional<ViewState> readStateFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<QString> value = firstStateValue(file.read(kMaxRead));
    if (!value)
        return std::nullopt;
    return parseState(*value);
}

QString stateText(const ViewState &s)
{
    QString text;
    for (bool b : {s.c64, s.amiga, s.screenshots, s.credits, s.playable, s.sound, s.fellowShowsGui,
                   s.uaeShowsGui})
        text += b ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

Outcome writeStateFile(const QString &path, const ViewState &state)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure{file.errorString()};
    file.write(stateText(state).toLatin1() + "\r\n");
    if (!file.commit())
        return Failure{file.errorString()};
    return {};
}

} // namespace browser
