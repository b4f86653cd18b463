#include "gamename.h"

#include <QRegularExpression>

namespace
{

// The title, then each (tag) or [flag] group.
const QRegularExpression &groupPattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"(\(([^()]*)\)|\[([^\[\]]*)\])"));
    return pattern;
}

bool readYear(const QString &text, QString *year)
{
    static const QRegularExpression yearPattern(
        QStringLiteral(R"(^(?:(\d{4})(?:-\d\d(?:-\d\d)?)?|\d\d[\dx]x|\d{3}x|-)$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = yearPattern.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    *year = m.captured(1);
    return true;
}

// "Disk 2 of 6", "Disk 2", "Disk 2 of 6 Side B", "Side A", "Disc 3".
bool readDisk(const QString &text, GameName *name)
{
    static const QRegularExpression diskPattern(
        QStringLiteral(R"(^(?:(?:Disk|Disc)\s*(\d+)(?:\s*of\s*(\d+))?)?\s*(?:Side\s*([A-Z]))?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = diskPattern.match(text.trimmed());
    if (!m.hasMatch() || text.trimmed().isEmpty())
        return false;
    if (m.hasCaptured(1)) {
        name->disk = m.captured(1).toInt();
        name->diskCount = m.captured(2).toInt();
    }
    if (m.hasCaptured(3))
        name->side = m.captured(3).toUpper();
    return true;
}

// A plain name's disk words at its end: "Title - Disk 2", "Title_Disk2", "Title Disk 2 of 3".
QString takePlainDisk(QString title, GameName *name)
{
    static const QRegularExpression tail(
        QStringLiteral(
            R"([\s_\-]*(?<![[:alpha:]])(?:Disk|Disc)[\s_]*(\d+)(?:[\s_]*of[\s_]*(\d+))?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = tail.match(title);
    if (!m.hasMatch() || m.capturedStart() == 0)
        return title;
    name->disk = m.captured(1).toInt();
    name->diskCount = m.captured(2).toInt();
    return title.left(m.capturedStart());
}

QString tidyTitle(QString title)
{
    title.replace(QLatin1Char('_'), QLatin1Char(' '));
    title = title.simplified();
    if (title.endsWith(QLatin1String(", The"), Qt::CaseInsensitive))
        title = QStringLiteral("The ") + title.chopped(5);
    return title;
}

} // namespace

GameName GameName::parse(const QString &name)
{
    GameName parsed;
    QStringList parens;
    qsizetype titleEnd = name.size();
    for (const QRegularExpressionMatch &m : groupPattern().globalMatch(name)) {
        titleEnd = std::min(titleEnd, m.capturedStart());
        if (m.hasCaptured(2))
            parsed.flags << m.captured(2);
        else
            parens << m.captured(1);
    }
    // The year comes first, or second after a tag such as (demo); the publisher follows.
    qsizetype year = -1;
    for (qsizetype i = 0; i < std::min<qsizetype>(parens.size(), 2) && year < 0; ++i)
        if (readYear(parens.at(i), &parsed.year))
            year = i;
    for (qsizetype i = 0; i < parens.size(); ++i) {
        const QString text = parens.at(i).trimmed();
        if (i == year)
            continue;
        if (year >= 0 && i == year + 1)
            parsed.publisher = text == QLatin1String("-") ? QString() : text;
        else if (!readDisk(text, &parsed))
            parsed.tags << parens.at(i);
    }
    QString title = name.left(titleEnd);
    if (parsed.disk == 0)
        title = takePlainDisk(title, &parsed);
    parsed.title = tidyTitle(title);
    return parsed;
}

QString GameName::machine(const QString &extension) const
{
    static const QStringList c64{
        QStringLiteral("d64"), QStringLiteral("g64"), QStringLiteral("t64"), QStringLiteral("prg"),
        QStringLiteral("p00"), QStringLiteral("tap"), QStringLiteral("crt")};
    static const QStringList amiga{QStringLiteral("adf"), QStringLiteral("dms"),
                                   QStringLiteral("ipf"), QStringLiteral("adz")};
    const QString ext = extension.toLower();
    const auto tagged = [this](const char *tag) {
        return tags.contains(QLatin1String(tag), Qt::CaseInsensitive);
    };
    if (c64.contains(ext))
        return tagged("C128") ? QStringLiteral("C128") : QStringLiteral("C64");
    if (!amiga.contains(ext))
        return {};
    if (tagged("AGA"))
        return QStringLiteral("Amiga 3.x");
    if (tagged("ECS"))
        return QStringLiteral("Amiga 2.x");
    if (tagged("OCS"))
        return QStringLiteral("Amiga 1.3");
    return QStringLiteral("Amiga");
}

QString GameName::setKey() const
{
    return QStringList{matchKey(title), year, publisher.toCaseFolded(),
                       tags.join(u'|').toCaseFolded()}
        .join(QChar(0x1f));
}

QString GameName::matchKey(const QString &title)
{
    const QString decomposed = title.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.isLetterOrNumber())
            key += c;
    return key;
}
