#pragma once

#include <QString>
#include <QStringList>

// The windows a program can open, and what each is asked to do. A window opened again
// while it is open takes the new request.
enum class WindowKey {
    // vantrel
    MainWindow,
    About,
    RecordEditor,
    FieldEditor,
    GameInfo,
    FileChooser,
    AssociationEditor,
    SystemConfig,
    ProgramOptions,
    Greetings,
    C64GamePlayer,
    C64FreePlayer,
    AmigaGamePlayer,
    AmigaFreePlayer,
    ScreenshotViewer,
    GameMusicPlayer,
    FreeMusicPlayer,
    FolderScan,
    Relink,
    MissingFiles,
    // merrow
    UtilityMenu,
    FolderChooser,
    ExportWindow,
    ImportWindow,
    UtilityAbout,
    GameBaseImport,
};

enum class EditMode { Modify, New };

// The single fields the field editor changes (a credit field also has its additional one).
enum class GameField { Graphics, Design, Programming, Music, Team, Title, Publisher, Genre, Year };

// What the file chooser picks for. The Store… purposes write the pick into the game at
// once; the others hand the pick back through WindowEvents::filePicked.
enum class ChooserPurpose {
    Ccs64Program,
    ViceProgram,
    C64sProgram,
    Pc64Program,
    C64GamesFolder,
    C64ScreenshotsFolder,
    C64MusicFolder,
    FellowProgram,
    UaeProgram,
    AmigaGamesFolder,
    AmigaScreenshotsFolder,
    AmigaMusicFolder,
    SoundPlayer1Program,
    SoundPlayer2Program,
    Screenshot1,
    Screenshot2,
    StoreScreenshot1,
    StoreScreenshot2,
    GameFile,
    StoreGameDisks,
    MusicFile,
    StoreMusicFile,
};

// What the association editor attaches to a catalogue game.
enum class AssociationKind { C64Game, AmigaGame, C64Music, AmigaMusic };

// The two machine families of the free music player.
enum class MusicMachine { C64, Amiga };

// What merrow's folder chooser picks a folder for.
enum class FolderPurpose { Export, Import };

struct RecordEditorRequest {
    static constexpr WindowKey key = WindowKey::RecordEditor;
    int gameId = 0; // ignored for EditMode::New
    EditMode mode = EditMode::Modify;
};

struct FieldEditorRequest {
    static constexpr WindowKey key = WindowKey::FieldEditor;
    int gameId = 0;
    GameField field = GameField::Title;
};

struct GameInfoRequest {
    static constexpr WindowKey key = WindowKey::GameInfo;
    int gameId = 0;
};

struct FileChooserRequest {
    static constexpr WindowKey key = WindowKey::FileChooser;
    ChooserPurpose purpose = ChooserPurpose::GameFile;
    QString startFolder; // empty: the user's home
    int gameId = 0;      // the game a Store… purpose writes into
};

struct AssociationRequest {
    static constexpr WindowKey key = WindowKey::AssociationEditor;
    AssociationKind kind = AssociationKind::C64Game;
    QStringList files; // one per column the kind writes, in its order
};

struct ScreenshotRequest {
    static constexpr WindowKey key = WindowKey::ScreenshotViewer;
    int gameId = 0;
    int which = 1; // 1 or 2
};

struct GameMusicRequest {
    static constexpr WindowKey key = WindowKey::GameMusicPlayer;
    int gameId = 0;
};

struct FreeMusicRequest {
    static constexpr WindowKey key = WindowKey::FreeMusicPlayer;
    MusicMachine machine = MusicMachine::C64;
    QString startFolder;
};

struct C64GameRequest {
    static constexpr WindowKey key = WindowKey::C64GamePlayer;
    int gameId = 0;
    QString gameFile;
};

struct C64FreePlayerRequest {
    static constexpr WindowKey key = WindowKey::C64FreePlayer;
    QString startFolder;
};

struct AmigaGameRequest {
    static constexpr WindowKey key = WindowKey::AmigaGamePlayer;
    int gameId = 0;
};

struct AmigaFreePlayerRequest {
    static constexpr WindowKey key = WindowKey::AmigaFreePlayer;
    QString startFolder;
};

struct FolderChooserRequest {
    static constexpr WindowKey key = WindowKey::FolderChooser;
    FolderPurpose purpose = FolderPurpose::Export;
};

struct ExportRequest {
    static constexpr WindowKey key = WindowKey::ExportWindow;
    QString folder;
};

struct ImportRequest {
    static constexpr WindowKey key = WindowKey::ImportWindow;
    QString file;
};

// A window that takes requests of one type; a window may take several. takeRequest runs
// before the window is shown; false means the window refused it (it has told the user
// why) and is closed again.
template <class Request> class RequestTaker
{
public:
    virtual ~RequestTaker() = default;
    virtual bool takeRequest(const Request &request) = 0;
};

// Scans a folder of images and offers what it finds as new games.
struct FolderScanRequest {
    static constexpr WindowKey key = WindowKey::FolderScan;
    QString folder;
};
