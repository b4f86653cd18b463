#include "translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

// Qt 6's help lines, which the Italian catalogue that Debian ships with Qt lacks: lupdate
// takes them into ours, under Qt's own context.
[[maybe_unused]] constexpr const char *kQtHelpTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

void install(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale::system(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslators(QCoreApplication &app)
{
    install(app, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Installed last, so searched first: ours also fill the gaps of Qt's.
    install(app, QStringLiteral("vantrel"), QStringLiteral(":/i18n"));
}
