#include "associationkinds.h"

AssociationKind associationKind(const QString &assocmode)
{
    const QString text1 = QStringLiteral("Text1");
    if (assocmode == QLatin1String("C64"))
        return {assocmode,
                QStringLiteral("C"),
                {QStringLiteral("emul1")},
                QStringLiteral("Form5"),
                {text1},
                AssociationKind::Lamp::Game};
    if (assocmode == QLatin1String("Amiga"))
        return {assocmode,
                QStringLiteral("Amiga"),
                {QStringLiteral("emul1"), QStringLiteral("df1"), QStringLiteral("df2"),
                 QStringLiteral("df3")},
                QStringLiteral("amiplayer"),
                {text1, QStringLiteral("Text2"), QStringLiteral("Text3"), QStringLiteral("Text4")},
                AssociationKind::Lamp::Game};
    if (assocmode == QLatin1String("C64M"))
        return {assocmode,
                QStringLiteral("C"),
                {QStringLiteral("song")},
                QStringLiteral("Form8"),
                {text1},
                AssociationKind::Lamp::Music};
    if (assocmode == QLatin1String("AmigaM"))
        return {assocmode,
                QStringLiteral("Amiga"),
                {QStringLiteral("song")},
                QStringLiteral("Form8"),
                {text1},
                AssociationKind::Lamp::Music};
    AssociationKind unknown;
    unknown.mode = assocmode;
    return unknown;
}
