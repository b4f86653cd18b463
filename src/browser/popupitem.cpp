#include "popupitem.h"

#include <QCoreApplication>

namespace browser
{

std::span<const PopupItem> popupItems()
{
    // The texts are translated where the menus are built.
    static const PopupItem items[] = {
        {"editTitleAction", QT_TRANSLATE_NOOP("MainWindow", "Name"), PopupMenu::GameFields,
         GameField::Title},
        {"editPublisherAction", QT_TRANSLATE_NOOP("MainWindow", "Publisher"), PopupMenu::GameFields,
         GameField::Publisher},
        {"editTeamAction", QT_TRANSLATE_NOOP("MainWindow", "Team"), PopupMenu::GameFields,
         GameField::Team},
        {"editGenreAction", QT_TRANSLATE_NOOP("MainWindow", "Genre"), PopupMenu::GameFields,
         GameField::Genre},
        {"editYearAction", QT_TRANSLATE_NOOP("MainWindow", "Year"), PopupMenu::GameFields,
         GameField::Year},
        {"setScreenshot1Action", QT_TRANSLATE_NOOP("MainWindow", "Screenshot 1"),
         PopupMenu::Screenshots, ChooserPurpose::StoreScreenshot1,
         Configuration::Path::C64Screenshots, Configuration::Path::AmigaScreenshots},
        {"setScreenshot2Action", QT_TRANSLATE_NOOP("MainWindow", "Screenshot 2"),
         PopupMenu::Screenshots, ChooserPurpose::StoreScreenshot2,
         Configuration::Path::C64Screenshots, Configuration::Path::AmigaScreenshots},
        {"setGameFileAction", QT_TRANSLATE_NOOP("MainWindow", "File Game"), PopupMenu::GameFiles,
         ChooserPurpose::StoreGameDisks, Configuration::Path::C64Games,
         Configuration::Path::AmigaGames},
        {"setMusicFileAction", QT_TRANSLATE_NOOP("MainWindow", "File Music"), PopupMenu::GameFiles,
         ChooserPurpose::StoreMusicFile, Configuration::Path::C64Music,
         Configuration::Path::AmigaMusic},
        {"editProgrammingAction", QT_TRANSLATE_NOOP("MainWindow", "Modify"), PopupMenu::Programming,
         GameField::Programming},
        {"editDesignAction", QT_TRANSLATE_NOOP("MainWindow", "Modify"), PopupMenu::Design,
         GameField::Design},
        {"editGraphicsAction", QT_TRANSLATE_NOOP("MainWindow", "Modify"), PopupMenu::Graphics,
         GameField::Graphics},
        {"editMusicAction", QT_TRANSLATE_NOOP("MainWindow", "Modify"), PopupMenu::Music,
         GameField::Music}};
    return items;
}

} // namespace browser
