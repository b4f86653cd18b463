#include "amigaformat.h"

#include <QFileInfo>

AmigaProgram amigaProgram(AmigaEmulator emulator, const QString &executable)
{
    if (emulator == AmigaEmulator::WinFellow)
        return AmigaProgram::WinFellow;
    // Stored paths may come from either system.
    QString name = executable;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = QFileInfo(name).fileName();
    if (name.startsWith(QLatin1String("fs-uae"), Qt::CaseInsensitive))
        return AmigaProgram::FsUae;
    if (name.startsWith(QLatin1String("amiberry"), Qt::CaseInsensitive))
        return AmigaProgram::Amiberry;
    return AmigaProgram::WinUAE;
}

AmigaFormat amigaFormat(AmigaProgram program)
{
    switch (program) {
    case AmigaProgram::FsUae:
        return AmigaFormat::FsUae;
    case AmigaProgram::WinFellow:
        return AmigaFormat::Fellow;
    case AmigaProgram::WinUAE:
    case AmigaProgram::Amiberry:
        break;
    }
    return AmigaFormat::Uae;
}

QString amigaProgramName(AmigaProgram program)
{
    switch (program) {
    case AmigaProgram::FsUae:
        return QStringLiteral("FS-UAE");
    case AmigaProgram::Amiberry:
        return QStringLiteral("Amiberry");
    case AmigaProgram::WinFellow:
        return QStringLiteral("WinFellow");
    case AmigaProgram::WinUAE:
        break;
    }
    return QStringLiteral("WinUAE");
}

QString amigaTemplatePattern(AmigaFormat format)
{
    switch (format) {
    case AmigaFormat::FsUae:
        return QStringLiteral("*.fs-uae");
    case AmigaFormat::Fellow:
        return QStringLiteral("*.wfc");
    case AmigaFormat::Uae:
        break;
    }
    return QStringLiteral("*.uae");
}

QString amigaOutputName(AmigaFormat format)
{
    return QStringLiteral("vantrel") + amigaTemplatePattern(format).mid(1);
}

Command amigaCommand(AmigaFormat format, const QString &executable, const QString &configuration)
{
    if (format == AmigaFormat::FsUae)
        return Command{executable, {configuration}, WindowStyle::NormalFocus};
    return Command{executable, {QStringLiteral("-f"), configuration}, WindowStyle::NormalFocus};
}
