#include "associationfields.h"

AssociationFields associationFields(AssociationKind kind)
{
    using F = Game::Field;
    const QString c64 = QStringLiteral("C");
    const QString amiga = QStringLiteral("Amiga");
    switch (kind) {
    case AssociationKind::C64Game:
        return {c64, {F::GameFile}};
    case AssociationKind::AmigaGame:
        return {amiga, {F::GameFile, F::SecondDrive, F::ThirdDrive, F::FourthDrive}};
    case AssociationKind::C64Music:
        return {c64, {F::MusicFile}};
    case AssociationKind::AmigaMusic:
        return {amiga, {F::MusicFile}};
    }
    return {};
}
