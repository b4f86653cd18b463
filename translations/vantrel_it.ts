<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emulators and Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program design and code: the Vantrel developers
Catalogue data: the Vantrel contributors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None that can start here yet: see Configuration, System.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commodore 64 and Amiga games catalogue and launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build %1 (Qt %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AmigaFreePlayer</name>
    <message>
        <source>Discard Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amiga Game Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Click on file list to load in drive, then select emulators and configuration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AmigaGamePlayer</name>
    <message>
        <source>No Amiga emulator is configured.
Set WinUAE (or FS-UAE, Amiberry) or WinFellow in Configuration &gt; System.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Amiga Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AmigaPlayerBase</name>
    <message>
        <source>PLAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad configuration for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Emulator and Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AmigaStart</name>
    <message>
        <source>The disk path %1 holds a line break, which an emulator configuration cannot carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No %1 executable is configured.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AssociationEditor</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associate Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a game in the list first. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game was not changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration UPDATED!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowsingPane</name>
    <message>
        <source>Type or paste a folder, then press Enter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>C64FreePlayer</name>
    <message>
        <source>Associate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C64 Game Player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>C64GamePlayer</name>
    <message>
        <source>Emulators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start C64 Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>C64PlayerBase</name>
    <message>
        <source>No C64 emulator is set: set one in Configuration &gt; System (Detect finds VICE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk or tape name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory appears to be corrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is recommended to NOT use this program with this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrupted Directory?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File type not supported by emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad Configuration for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogueStore</name>
    <message>
        <source>This game is no longer in the catalogue: it was deleted meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChooserSetup</name>
    <message>
        <source>Select executable for CCS64 Emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select executable for VICE Emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select executable for C64S Emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select executable for PC64 Emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select directory of C64 Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select directory of C64 Screenshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select directory of C64 Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select executable for FELLOW Emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select executable for UAE Emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select directory of Amiga Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select directory of Amiga Screenshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select directory of Amiga Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select executable for Sound Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C64 games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amiga games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C64 and Amiga games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C64 music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amiga music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C64 and Amiga music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorRules</name>
    <message>
        <source>The game could not be read, so its fields were not shown. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldCaption</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design / Concept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music / Sfx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot 2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldEditor</name>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>Modify Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory in configuration is bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not stored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure Other Disk?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amiga File Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FreeMusicPlayer</name>
    <message>
        <source>NO MUSIC PLAYERS CONFIGURED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Associate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C64 Music Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amiga Music Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a music file first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameInfoWindow</name>
    <message>
        <source>Additional Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameMusicPlayer</name>
    <message>
        <source>NO SOUND PLAYERS CONFIGURED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select SoundPlayer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameRecords</name>
    <message>
        <source>The game record has no field &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game is no longer in the catalogue: it was deleted meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GreetingsWindow</name>
    <message>
        <source>CONTRIBUTORS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUPPORTERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantrel Team&apos;s GREETINGS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orla Fenwick - game records and credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tibor Kasselmann - screenshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marisol Quenby - testing on real machines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Brackwater Computer Club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyone who sent in a game record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchCheck</name>
    <message>
        <source>The program %1 is not found on PATH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program %1 is not an executable file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game file %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LegacyStartOffer</name>
    <message>
        <source>%1 is a catalogue of the older Windows program, which this version cannot open as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A catalogue of this version is at %1. Open it instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert it into a new catalogue at %1? The old file is left unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Older Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converted catalogue is at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting %1 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting the Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be converted:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Open Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;LL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Amiga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playa&amp;ble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO SCREENSHOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    &amp;PLAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pla&amp;y Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;NEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;odify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design / Concept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music / Sfx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;C64 GamePlayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Amiga GamePlayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Music Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;C64 MusicPlayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Amiga MusicPlayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What&apos;s new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Greetings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file selected for this game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No song configured for this game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game could not be deleted: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File present: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE MISSING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot file missing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to view the screenshot at full size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game list cannot be read: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No record found for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert string to find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merrow not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s New file not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Music</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MerrowCommandLine</name>
    <message>
        <source>Exports and merges catalogue records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --convert-legacy: the new catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[newfile]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the catalogue at &lt;path&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write export.mdb into &lt;folder&gt; and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the export file &lt;file&gt; (with --new, --all or --diff) and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import: add the games not yet present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import: add new games, overwrite present ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import: show the differences, change nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert the catalogue &lt;jetfile&gt; of the older Windows program into a new catalogue &lt;newfile&gt; (the next argument) and exit; &lt;jetfile&gt; is only read and an existing &lt;newfile&gt; is never replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jetfile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsWindow</name>
    <message>
        <source>Show Game Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Screenshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantrel Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1 GUI</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordEditor</name>
    <message>
        <source>&amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design / Concept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music / Sfx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amiga Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify Game - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure other Amiga drives?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amiga Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert TITLE and C64/Amiga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The machine must be one of: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm adding %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Modify %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close and discard the changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenshotViewer</name>
    <message>
        <source>NO IMAGES AVAILABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Screenshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCREENSHOT FILE MISSING
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Commodore 64 and Amiga games catalogue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemConfigWindow</name>
    <message>
        <source>System Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the empty emulator and player paths with the programs installed on PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the changes anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration could not be saved; your changes are still in the window.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new emulator or sound player was found on PATH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found:
%1

The paths are filled in but not stored yet: OK in System Configuration stores them, Exit drops them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VantrelCommandLine</name>
    <message>
        <source>Catalogue and launcher for C64 and Amiga games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the catalogue at &lt;path&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the games of the list (id, tab, title) and exit, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --list: C64 and C128 games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --list: Amiga games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --list: only games with a game file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --list: only games with a music file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --list: only games holding &lt;text&gt; (a+b: both).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the game &lt;id&gt; in its emulator, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the music file of the game &lt;id&gt;, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --play: the emulator (ccs64, vice, c64s, pc64; uae, fellow). With --play-music: the player, 1 or 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --play: the entry &lt;n&gt; of the image&apos;s --dir list, from 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --play: the Amiga template, by its file name or a path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --play or --play-music: print the program and each argument, one a line, and start nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the directory of a D64 or T64 image and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>configrecord</name>
    <message>
        <source>The folder does not exist: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program does not exist: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file cannot be run as a program: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editorrules</name>
    <message>
        <source>Another program changed %1 while it was open here: %2.

Overwrite those changes with what this window shows, reload the game as it is stored now, or cancel and go on editing?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed Elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>merrow::ExportWindow</name>
    <message>
        <source>Export Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Start to Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export is still running; wait for it to end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Start?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported 1 game to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 games to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>merrow::FolderChooser</name>
    <message>
        <source>Select Path </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Import Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Export Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue exports (*.mdb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>merrow::ImportWindow</name>
    <message>
        <source>Import New Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select -&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deselect &lt;-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer NEW Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer ONLY Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games in List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Selected:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Added:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Modified:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Games in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games &amp;selected for transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Differences and transfer log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export file is still being read; wait for it to end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transfer is still running; wait for it to end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read from Floppy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot compare: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select game to SELECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select game to DESELECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start transfer NEW Games?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start transfer SELECTED Games?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start transfer ALL Games?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer COMPLETED!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transfer stopped: %1. The %2 games logged before the failure are saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>merrow::MenuWindow</name>
    <message>
        <source>Merrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Utility Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export your own games for others, import the games others sent you. Export compacts and backs up the catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Database from Floppy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>merrow::UtilityAboutWindow</name>
    <message>
        <source>About Merrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merrow - Database Utility Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by the catalogue team, with thanks to every collector who sent in games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site: https://example.org/catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>startPlayer</name>
    <message>
        <source>The music file is missing:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound player could not be started:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
