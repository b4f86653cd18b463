#include "associationcolumns.h"

AssociationColumns associationColumns(AssociationKind kind)
{
    const QString c64 = QStringLiteral("C");
    const QString amiga = QStringLiteral("Amiga");
    const QStringList song = {QStringLiteral("song")};
    switch (kind) {
    case AssociationKind::C64Game:
        return {c64, {QStringLiteral("emul1")}};
    case AssociationKind::AmigaGame:
        return {amiga,
                {QStringLiteral("emul1"), QStringLiteral("df1"), QStringLiteral("df2"),
                 QStringLiteral("df3")}};
    case AssociationKind::C64Music:
        return {c64, song};
    case AssociationKind::AmigaMusic:
        return {amiga, song};
    }
    return {};
}
