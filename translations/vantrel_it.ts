<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Vantrel</source>
        <translation>Informazioni su Vantrel</translation>
    </message>
    <message>
        <source>Emulators and Players</source>
        <translation>Emulatori e lettori</translation>
    </message>
    <message>
        <source>Program design and code: the Vantrel developers
Catalogue data: the Vantrel contributors</source>
        <translation>Progettazione e codice: gli sviluppatori di Vantrel
Dati del catalogo: i collaboratori di Vantrel</translation>
    </message>
    <message>
        <source>None that can start here yet: see Configuration, System.</source>
        <translation>Nessuno può ancora essere avviato qui: vedi Configurazione, Sistema.</translation>
    </message>
    <message>
        <source>Commodore 64 and Amiga games catalogue and launcher</source>
        <translation>Catalogo e avvio dei giochi per Commodore 64 e Amiga</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Build %1 (Qt %2)</source>
        <translation>Compilazione %1 (Qt %2)</translation>
    </message>
    <message>
        <source>Released December 2026</source>
        <translation>Pubblicato a dicembre 2026</translation>
    </message>
    <message>
        <source>Database Version:</source>
        <translation>Versione del database:</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ESCI</translation>
    </message>
</context>
<context>
    <name>AmigaDisks</name>
    <message>
        <source>WinFellow has no disk swap list, so only the first four disks of this game are reachable in it.</source>
        <translation>WinFellow non ha un elenco di cambio dischi: vi sono raggiungibili solo i primi quattro dischi di questo gioco.</translation>
    </message>
    <message>
        <source>Only the first %1 disks of this game are reachable in the swap list.</source>
        <translation>Nell&apos;elenco di cambio dischi sono raggiungibili solo i primi %1 dischi di questo gioco.</translation>
    </message>
</context>
<context>
    <name>AmigaFreePlayer</name>
    <message>
        <source>Discard Disk</source>
        <translation>Rimuovi disco</translation>
    </message>
    <message>
        <source>Associate</source>
        <translation>Associa</translation>
    </message>
    <message>
        <source>Amiga Game Player</source>
        <translation>Avvio giochi Amiga</translation>
    </message>
    <message>
        <source>Double Click on file list to load in drive, then select emulators and configuration</source>
        <translation>Fai doppio clic su un file dell&apos;elenco per caricarlo nell&apos;unità, poi scegli emulatore e configurazione</translation>
    </message>
</context>
<context>
    <name>AmigaGamePlayer</name>
    <message>
        <source>No Amiga emulator is configured.
Set WinUAE (or FS-UAE, Amiberry) or WinFellow in Configuration &gt; System.</source>
        <translation>Nessun emulatore Amiga configurato.
Imposta WinUAE (o FS-UAE, Amiberry) o WinFellow in Configurazione &gt; Sistema.</translation>
    </message>
    <message>
        <source>Start Amiga Game</source>
        <translation>Avvia gioco Amiga</translation>
    </message>
</context>
<context>
    <name>AmigaPlayerBase</name>
    <message>
        <source>PLAY</source>
        <translation>GIOCA</translation>
    </message>
    <message>
        <source>Bad configuration for %1</source>
        <translation>Configurazione errata per %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Select Emulator and Configuration</source>
        <translation>Scegli emulatore e configurazione</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>AmigaStart</name>
    <message>
        <source>The disk path %1 holds a line break, which an emulator configuration cannot carry.</source>
        <translation>Il percorso del disco %1 contiene un a capo, che la configurazione di un emulatore non può contenere.</translation>
    </message>
    <message>
        <source>No %1 executable is configured.</source>
        <translation>Nessun eseguibile di %1 configurato.</translation>
    </message>
</context>
<context>
    <name>ArchiveFile</name>
    <message>
        <source>%1 cannot be read as an archive: %2</source>
        <translation>Impossibile leggere %1 come archivio: %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 entries.</source>
        <translation>%1 contiene più di %2 voci.</translation>
    </message>
    <message>
        <source>%1 holds an entry named %2, outside its folder.</source>
        <translation>%1 contiene una voce di nome %2, fuori dalla propria cartella.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 è danneggiato: %2</translation>
    </message>
    <message>
        <source>%1 has no entry %2.</source>
        <translation>%1 non ha la voce %2.</translation>
    </message>
    <message>
        <source>An entry of %1 is larger than %2 MB.</source>
        <translation>Una voce di %1 supera i %2 MB.</translation>
    </message>
</context>
<context>
    <name>ArchiveImages</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 non è un file.</translation>
    </message>
    <message>
        <source>%1 holds no disk image.</source>
        <translation>%1 non contiene alcuna immagine disco.</translation>
    </message>
    <message>
        <source>%1 has no image %2.</source>
        <translation>%1 non contiene l&apos;immagine %2.</translation>
    </message>
</context>
<context>
    <name>AssociationEditor</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Associate Game</source>
        <translation>Associa gioco</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Select a game in the list first. Nothing was written.</source>
        <translation>Seleziona prima un gioco nell&apos;elenco. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The game was not changed: %1</source>
        <translation>Il gioco non è stato modificato: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Configuration UPDATED!</source>
        <translation>Configurazione AGGIORNATA!</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
</context>
<context>
    <name>BrowsingPane</name>
    <message>
        <source>Type or paste a folder, then press Enter</source>
        <translation>Scrivi o incolla una cartella, poi premi Invio</translation>
    </message>
</context>
<context>
    <name>C64FreePlayer</name>
    <message>
        <source>Associate</source>
        <translation>Associa</translation>
    </message>
    <message>
        <source>C64 Game Player</source>
        <translation>Avvio giochi C64</translation>
    </message>
</context>
<context>
    <name>C64GamePlayer</name>
    <message>
        <source>Emulators</source>
        <translation>Emulatori</translation>
    </message>
    <message>
        <source>Start C64 Game</source>
        <translation>Avvia gioco C64</translation>
    </message>
</context>
<context>
    <name>C64PlayerBase</name>
    <message>
        <source>No C64 emulator is set: set one in Configuration &gt; System (Detect finds VICE)</source>
        <translation>Nessun emulatore C64 impostato: impostane uno in Configurazione &gt; Sistema (Rileva trova VICE)</translation>
    </message>
    <message>
        <source>Disk or tape name</source>
        <translation>Nome del disco o del nastro</translation>
    </message>
    <message>
        <source>Disk ID</source>
        <translation>ID del disco</translation>
    </message>
    <message>
        <source>Directory appears to be corrupted.</source>
        <translation>La directory sembra danneggiata.</translation>
    </message>
    <message>
        <source>It is recommended to NOT use this program with this file.</source>
        <translation>Si consiglia di NON usare questo programma con questo file.</translation>
    </message>
    <message>
        <source>Corrupted Directory?</source>
        <translation>Directory danneggiata?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Image in the archive</source>
        <translation>Immagine nell&apos;archivio</translation>
    </message>
    <message>
        <source>%1 holds no C64 image.</source>
        <translation>%1 non contiene alcuna immagine C64.</translation>
    </message>
</context>
<context>
    <name>C64Start</name>
    <message>
        <source>Bad Configuration for %1</source>
        <translation>Configurazione errata per %1</translation>
    </message>
    <message>
        <source>File type not supported by emulator</source>
        <translation>Tipo di file non supportato dall&apos;emulatore</translation>
    </message>
</context>
<context>
    <name>CatalogueStore</name>
    <message>
        <source>This game is no longer in the catalogue: it was deleted meanwhile.</source>
        <translation>Questo gioco non è più nel catalogo: nel frattempo è stato eliminato.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
</context>
<context>
    <name>ChooserSetup</name>
    <message>
        <source>Select executable for CCS64 Emulator</source>
        <translation>Seleziona l&apos;eseguibile dell&apos;emulatore CCS64</translation>
    </message>
    <message>
        <source>Select executable for VICE Emulator</source>
        <translation>Seleziona l&apos;eseguibile dell&apos;emulatore VICE</translation>
    </message>
    <message>
        <source>Select executable for C64S Emulator</source>
        <translation>Seleziona l&apos;eseguibile dell&apos;emulatore C64S</translation>
    </message>
    <message>
        <source>Select executable for PC64 Emulator</source>
        <translation>Seleziona l&apos;eseguibile dell&apos;emulatore PC64</translation>
    </message>
    <message>
        <source>Select directory of C64 Games</source>
        <translation>Seleziona la cartella dei giochi C64</translation>
    </message>
    <message>
        <source>Select directory of C64 Screenshots</source>
        <translation>Seleziona la cartella delle schermate C64</translation>
    </message>
    <message>
        <source>Select directory of C64 Music</source>
        <translation>Seleziona la cartella della musica C64</translation>
    </message>
    <message>
        <source>Select executable for FELLOW Emulator</source>
        <translation>Seleziona l&apos;eseguibile dell&apos;emulatore FELLOW</translation>
    </message>
    <message>
        <source>Select executable for UAE Emulator</source>
        <translation>Seleziona l&apos;eseguibile dell&apos;emulatore UAE</translation>
    </message>
    <message>
        <source>Select directory of Amiga Games</source>
        <translation>Seleziona la cartella dei giochi Amiga</translation>
    </message>
    <message>
        <source>Select directory of Amiga Screenshots</source>
        <translation>Seleziona la cartella delle schermate Amiga</translation>
    </message>
    <message>
        <source>Select directory of Amiga Music</source>
        <translation>Seleziona la cartella della musica Amiga</translation>
    </message>
    <message>
        <source>Select executable for Sound Player</source>
        <translation>Seleziona l&apos;eseguibile del lettore audio</translation>
    </message>
    <message>
        <source>Screenshot Selector</source>
        <translation>Scelta della schermata</translation>
    </message>
    <message>
        <source>Select File Game</source>
        <translation>Seleziona il file del gioco</translation>
    </message>
    <message>
        <source>Select File Music</source>
        <translation>Seleziona il file musicale</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>C64 games</source>
        <translation>Giochi C64</translation>
    </message>
    <message>
        <source>Amiga games</source>
        <translation>Giochi Amiga</translation>
    </message>
    <message>
        <source>C64 and Amiga games</source>
        <translation>Giochi C64 e Amiga</translation>
    </message>
    <message>
        <source>C64 music</source>
        <translation>Musica C64</translation>
    </message>
    <message>
        <source>Amiga music</source>
        <translation>Musica Amiga</translation>
    </message>
    <message>
        <source>C64 and Amiga music</source>
        <translation>Musica C64 e Amiga</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
</context>
<context>
    <name>DiskListBox</name>
    <message>
        <source>Further Disks</source>
        <translation>Altri dischi</translation>
    </message>
    <message>
        <source>Add...</source>
        <translation>Aggiungi...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
</context>
<context>
    <name>EditorRules</name>
    <message>
        <source>The game could not be read, so its fields were not shown. Nothing was written.</source>
        <translation>Non è stato possibile leggere il gioco, quindi i suoi campi non sono stati mostrati. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>FieldCaption</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editore</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <source>Design / Concept</source>
        <translation>Design / Ideazione</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafica</translation>
    </message>
    <message>
        <source>Music / Sfx</source>
        <translation>Musica / Effetti</translation>
    </message>
    <message>
        <source>Additional Design</source>
        <translation>Design aggiuntivo</translation>
    </message>
    <message>
        <source>Additional Programming</source>
        <translation>Programmazione aggiuntiva</translation>
    </message>
    <message>
        <source>Additional Graphics</source>
        <translation>Grafica aggiuntiva</translation>
    </message>
    <message>
        <source>Additional Music</source>
        <translation>Musica aggiuntiva</translation>
    </message>
    <message>
        <source>Other Credits</source>
        <translation>Altri crediti</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>File Game</source>
        <translation>File gioco</translation>
    </message>
    <message>
        <source>File Music</source>
        <translation>File musica</translation>
    </message>
    <message>
        <source>Screenshot 1</source>
        <translation>Schermata 1</translation>
    </message>
    <message>
        <source>Screenshot 2</source>
        <translation>Schermata 2</translation>
    </message>
</context>
<context>
    <name>FieldEditor</name>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The game could not be read: %1</source>
        <translation>Impossibile leggere il gioco: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The change was not saved: %1</source>
        <translation>La modifica non è stata salvata: %1</translation>
    </message>
</context>
<context>
    <name>FieldLayout</name>
    <message>
        <source>Modify Graphics</source>
        <translation>Modifica grafica</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafica</translation>
    </message>
    <message>
        <source>Additional Graphics</source>
        <translation>Grafica aggiuntiva</translation>
    </message>
    <message>
        <source>Modify Design</source>
        <translation>Modifica design</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Additional Design</source>
        <translation>Design aggiuntivo</translation>
    </message>
    <message>
        <source>Modify Programming</source>
        <translation>Modifica programmazione</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Additional Programming</source>
        <translation>Programmazione aggiuntiva</translation>
    </message>
    <message>
        <source>Modify Music</source>
        <translation>Modifica musica</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Additional Music</source>
        <translation>Musica aggiuntiva</translation>
    </message>
    <message>
        <source>Modify Team</source>
        <translation>Modifica team</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Modify Title</source>
        <translation>Modifica titolo</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Modify Publisher</source>
        <translation>Modifica editore</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editore</translation>
    </message>
    <message>
        <source>Modify Genre</source>
        <translation>Modifica genere</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Modify Year</source>
        <translation>Modifica anno</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Directory in configuration is bad</source>
        <translation>La cartella indicata nella configurazione non è valida</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The file was not stored: %1</source>
        <translation>Il file non è stato memorizzato: %1</translation>
    </message>
    <message>
        <source>Configure Other Disk?</source>
        <translation>Configurare un altro disco?</translation>
    </message>
    <message>
        <source>Amiga File Game</source>
        <translation>File gioco Amiga</translation>
    </message>
</context>
<context>
    <name>FolderScanner</name>
    <message>
        <source>holds no image this program knows</source>
        <translation>non contiene immagini note a questo programma</translation>
    </message>
</context>
<context>
    <name>FreeMusicPlayer</name>
    <message>
        <source>NO MUSIC PLAYERS CONFIGURED</source>
        <translation>NESSUN LETTORE MUSICALE CONFIGURATO</translation>
    </message>
    <message>
        <source>Associate</source>
        <translation>Associa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>C64 Music Player</source>
        <translation>Lettore musica C64</translation>
    </message>
    <message>
        <source>Amiga Music Player</source>
        <translation>Lettore musica Amiga</translation>
    </message>
    <message>
        <source>Select a music file first.</source>
        <translation>Seleziona prima un file musicale.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
</context>
<context>
    <name>GameBaseImport</name>
    <message>
        <source>Dry run: nothing was changed.</source>
        <translation>Prova: non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>%1 of %2 found</source>
        <translation>%1 di %2 trovati</translation>
    </message>
    <message>
        <source>%1: %2 games</source>
        <translation>%1: %2 giochi</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Nuovi: %1</translation>
    </message>
    <message>
        <source>Updated: %1</source>
        <translation>Aggiornati: %1</translation>
    </message>
    <message>
        <source>Conflicts: %1</source>
        <translation>Conflitti: %1</translation>
    </message>
    <message>
        <source>Game files: %1</source>
        <translation>File di gioco: %1</translation>
    </message>
    <message>
        <source>Music: %1</source>
        <translation>Musica: %1</translation>
    </message>
    <message>
        <source>Screenshots: %1</source>
        <translation>Schermate: %1</translation>
    </message>
    <message>
        <source>Changed by the collector, left as it is: %1</source>
        <translation>Cambiato dal collezionista, lasciato com&apos;è: %1</translation>
    </message>
</context>
<context>
    <name>GameBaseWindow</name>
    <message>
        <source>Import GameBase</source>
        <translation>Importa GameBase</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>GameBase &amp;database:</source>
        <translation>&amp;Database GameBase:</translation>
    </message>
    <message>
        <source>M&amp;achine:</source>
        <translation>M&amp;acchina:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Lettura…</translation>
    </message>
    <message>
        <source>Importing…</source>
        <translation>Importazione…</translation>
    </message>
    <message>
        <source>Cancelled: nothing was changed.</source>
        <translation>Annullato: non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The import would bring:</source>
        <translation>L&apos;importazione porterebbe:</translation>
    </message>
    <message>
        <source>&amp;Games folder:</source>
        <translation>Cartella dei &amp;giochi:</translation>
    </message>
    <message>
        <source>&amp;Music folder (C64Music):</source>
        <translation>Cartella della &amp;musica (C64Music):</translation>
    </message>
    <message>
        <source>&amp;Screenshots folder:</source>
        <translation>Cartella delle &amp;schermate:</translation>
    </message>
</context>
<context>
    <name>GameForm</name>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titolo</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editore</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <source>Design / Concept</source>
        <translation>Design / Ideazione</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafica</translation>
    </message>
    <message>
        <source>Music / Sfx</source>
        <translation>Musica / Effetti</translation>
    </message>
    <message>
        <source>Additional</source>
        <translation>Aggiuntivi</translation>
    </message>
    <message>
        <source>Other Credits</source>
        <translation>Altri crediti</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>File Game</source>
        <translation>File gioco</translation>
    </message>
    <message>
        <source>File Music</source>
        <translation>File musica</translation>
    </message>
    <message>
        <source>Screenshot 1</source>
        <translation>Schermata 1</translation>
    </message>
    <message>
        <source>Screenshot 2</source>
        <translation>Schermata 2</translation>
    </message>
    <message>
        <source>Amiga Disk</source>
        <translation>Dischi Amiga</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>CHIUDI</translation>
    </message>
</context>
<context>
    <name>GameInfoWindow</name>
    <message>
        <source>Additional Info</source>
        <translation>Informazioni aggiuntive</translation>
    </message>
    <message>
        <source>Other Credits</source>
        <translation>Altri crediti</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>GameMusicPlayer</name>
    <message>
        <source>NO SOUND PLAYERS CONFIGURED</source>
        <translation>NESSUN LETTORE AUDIO CONFIGURATO</translation>
    </message>
    <message>
        <source>Select SoundPlayer</source>
        <translation>Scegli il lettore audio</translation>
    </message>
    <message>
        <source>Built-in player</source>
        <translation>Lettore integrato</translation>
    </message>
</context>
<context>
    <name>GameSaver</name>
    <message>
        <source>Insert TITLE and C64/Amiga</source>
        <translation>Inserisci TITOLO e C64/Amiga</translation>
    </message>
    <message>
        <source>The machine must be one of: %1</source>
        <translation>La macchina deve essere una tra: %1</translation>
    </message>
    <message>
        <source>Another program changed %1 while it was open here: %2.

Overwrite those changes with what this window shows, reload the game as it is stored now, or cancel and go on editing?</source>
        <translation>Un altro programma ha modificato %1 mentre era aperto qui: %2.

Sovrascrivere quelle modifiche con ciò che mostra questa finestra, ricaricare il gioco così com&apos;è memorizzato ora, oppure annullare e continuare a modificarlo?</translation>
    </message>
    <message>
        <source>this game</source>
        <translation>questo gioco</translation>
    </message>
    <message>
        <source>Changed Elsewhere</source>
        <translation>Modificato altrove</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Sovrascrivi</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Ricarica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Further Disks</source>
        <translation>Altri dischi</translation>
    </message>
</context>
<context>
    <name>GreetingsWindow</name>
    <message>
        <source>CONTRIBUTORS</source>
        <translation>COLLABORATORI</translation>
    </message>
    <message>
        <source>SUPPORTERS</source>
        <translation>SOSTENITORI</translation>
    </message>
    <message>
        <source>Vantrel Team&apos;s GREETINGS</source>
        <translation>I SALUTI del team di Vantrel</translation>
    </message>
    <message>
        <source>Orla Fenwick - game records and credits</source>
        <translation>Orla Fenwick - schede dei giochi e crediti</translation>
    </message>
    <message>
        <source>Tibor Kasselmann - screenshots</source>
        <translation>Tibor Kasselmann - schermate</translation>
    </message>
    <message>
        <source>Marisol Quenby - testing on real machines</source>
        <translation>Marisol Quenby - prove sulle macchine vere</translation>
    </message>
    <message>
        <source>The Brackwater Computer Club</source>
        <translation>Il Brackwater Computer Club</translation>
    </message>
    <message>
        <source>Everyone who sent in a game record</source>
        <translation>Tutti coloro che hanno inviato la scheda di un gioco</translation>
    </message>
</context>
<context>
    <name>ImageHead</name>
    <message>
        <source>not an image this program knows</source>
        <translation>non è un tipo di immagine noto a questo programma</translation>
    </message>
    <message>
        <source>not a valid %1 file</source>
        <translation>non è un file %1 valido</translation>
    </message>
</context>
<context>
    <name>LaunchCheck</name>
    <message>
        <source>The program %1 is not found on PATH.</source>
        <translation>Il programma %1 non si trova nel PATH.</translation>
    </message>
    <message>
        <source>The program %1 does not exist.</source>
        <translation>Il programma %1 non esiste.</translation>
    </message>
    <message>
        <source>The program %1 is not an executable file.</source>
        <translation>Il programma %1 non è un file eseguibile.</translation>
    </message>
    <message>
        <source>The game file %1 is missing.</source>
        <translation>Manca il file di gioco %1.</translation>
    </message>
</context>
<context>
    <name>LegacyStartFollowUp</name>
    <message>
        <source>1 file of the converted catalogue is not found on this computer. Relink it now?</source>
        <translation>1 file del catalogo convertito non si trova su questo computer. Ricollegarlo ora?</translation>
    </message>
    <message>
        <source>%1 files of the converted catalogue are not found on this computer. Relink them now?</source>
        <translation>%1 file del catalogo convertito non si trovano su questo computer. Ricollegarli ora?</translation>
    </message>
    <message>
        <source>Relink Files</source>
        <translation>Ricollega i file</translation>
    </message>
    <message>
        <source>The emulator and player paths of the converted catalogue point at programs of the Windows computer. Detect the programs of this computer instead?</source>
        <translation>I percorsi degli emulatori e dei lettori del catalogo convertito puntano a programmi del computer Windows. Rilevare invece i programmi di questo computer?</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Rileva</translation>
    </message>
    <message>
        <source>Detect found all %1 programs.</source>
        <translation>Rileva ha trovato tutti i %1 programmi.</translation>
    </message>
    <message>
        <source>Detect found %1 of the %2 programs; set the others in Configuration &gt; System.</source>
        <translation>Rileva ha trovato %1 dei %2 programmi; imposta gli altri in Configurazione &gt; Sistema.</translation>
    </message>
</context>
<context>
    <name>LegacyStartOffer</name>
    <message>
        <source>%1 is a catalogue of the older Windows program, which this version cannot open as it is.</source>
        <translation>%1 è un catalogo del vecchio programma per Windows, che questa versione non può aprire così com&apos;è.</translation>
    </message>
    <message>
        <source>A catalogue of this version is at %1. Open it instead?</source>
        <translation>In %1 c&apos;è un catalogo di questa versione. Aprire quello?</translation>
    </message>
    <message>
        <source>Convert it into a new catalogue at %1? The old file is left unchanged.</source>
        <translation>Convertirlo in un nuovo catalogo in %1? Il vecchio file resta invariato.</translation>
    </message>
    <message>
        <source>Older Catalogue</source>
        <translation>Vecchio catalogo</translation>
    </message>
    <message>
        <source>The converted catalogue is at %1.</source>
        <translation>Il catalogo convertito si trova in %1.</translation>
    </message>
    <message>
        <source>Catalogue Converted</source>
        <translation>Catalogo convertito</translation>
    </message>
    <message>
        <source>Converting %1 ...</source>
        <translation>Conversione di %1 in corso...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Converting the Catalogue</source>
        <translation>Conversione del catalogo</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>%1 could not be converted:
%2</source>
        <translation>Impossibile convertire %1:
%2</translation>
    </message>
    <message>
        <source>Database Open Error</source>
        <translation>Errore di apertura del database</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Impossibile salvare le impostazioni in %1: %2</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editore</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Screenshot 1</source>
        <translation>Schermata 1</translation>
    </message>
    <message>
        <source>Screenshot 2</source>
        <translation>Schermata 2</translation>
    </message>
    <message>
        <source>File Game</source>
        <translation>File gioco</translation>
    </message>
    <message>
        <source>File Music</source>
        <translation>File musica</translation>
    </message>
    <message>
        <source>%1 - Vantrel</source>
        <translation>%1 - Vantrel</translation>
    </message>
</context>
<context>
    <name>MerrowCommandLine</name>
    <message>
        <source>Exports and merges catalogue records.</source>
        <translation>Esporta e unisce le schede del catalogo.</translation>
    </message>
    <message>
        <source>With --convert-legacy: the new catalogue.</source>
        <translation>Con --convert-legacy: il nuovo catalogo.</translation>
    </message>
    <message>
        <source>[newfile]</source>
        <translation>[nuovofile]</translation>
    </message>
    <message>
        <source>Use the catalogue at &lt;path&gt;.</source>
        <translation>Usa il catalogo indicato da &lt;percorso&gt;.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>percorso</translation>
    </message>
    <message>
        <source>Write export.mdb into &lt;folder&gt; and exit.</source>
        <translation>Scrive export.mdb nella &lt;cartella&gt; ed esce.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>Import the export file &lt;file&gt; (with --new, --all or --diff) and exit.</source>
        <translation>Importa il file di esportazione &lt;file&gt; (con --new, --all o --diff) ed esce.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Import: add the games not yet present.</source>
        <translation>Importa: aggiunge i giochi non ancora presenti.</translation>
    </message>
    <message>
        <source>Import: add new games, overwrite present ones.</source>
        <translation>Importa: aggiunge i giochi nuovi, sovrascrive quelli presenti.</translation>
    </message>
    <message>
        <source>Import: show the differences, change nothing.</source>
        <translation>Importa: mostra le differenze, senza cambiare nulla.</translation>
    </message>
    <message>
        <source>Convert the catalogue &lt;jetfile&gt; of the older Windows program into a new catalogue &lt;newfile&gt; (the next argument) and exit; &lt;jetfile&gt; is only read and an existing &lt;newfile&gt; is never replaced.</source>
        <translation>Converte il catalogo &lt;filejet&gt; del vecchio programma per Windows in un nuovo catalogo &lt;nuovofile&gt; (l&apos;argomento successivo) ed esce; &lt;filejet&gt; viene solo letto e un &lt;nuovofile&gt; già esistente non viene mai sostituito.</translation>
    </message>
    <message>
        <source>jetfile</source>
        <translation>filejet</translation>
    </message>
    <message>
        <source>newfile</source>
        <translation>nuovofile</translation>
    </message>
    <message>
        <source>--games, --music, --screens, --machine and --dry-run go with --import-gamebase</source>
        <translation>--games, --music, --screens, --machine e --dry-run vanno con --import-gamebase</translation>
    </message>
    <message>
        <source>Import the GameBase database &lt;gbfile&gt; (with --games, and --music, --screens, --machine, --dry-run) and exit.</source>
        <translation>Importa il database GameBase &lt;gbfile&gt; (con --games, e --music, --screens, --machine, --dry-run) ed esce.</translation>
    </message>
    <message>
        <source>gbfile</source>
        <translation>gbfile</translation>
    </message>
    <message>
        <source>GameBase: the folder of its game files.</source>
        <translation>GameBase: la cartella dei suoi file di gioco.</translation>
    </message>
    <message>
        <source>dir</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>GameBase: the folder its tunes are in (HVSC&apos;s C64Music).</source>
        <translation>GameBase: la cartella dei suoi brani (C64Music di HVSC).</translation>
    </message>
    <message>
        <source>GameBase: the folder of its screenshots.</source>
        <translation>GameBase: la cartella delle sue schermate.</translation>
    </message>
    <message>
        <source>GameBase: the machine of its games (C64 when not given).</source>
        <translation>GameBase: la macchina dei suoi giochi (C64 se non indicata).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>GameBase: report what the import would do, change nothing.</source>
        <translation>GameBase: riferisce cosa farebbe l&apos;importazione, senza cambiare nulla.</translation>
    </message>
</context>
<context>
    <name>MissingFiles</name>
    <message>
        <source>C64 games folder</source>
        <translation>cartella dei giochi C64</translation>
    </message>
    <message>
        <source>C64 music folder</source>
        <translation>cartella della musica C64</translation>
    </message>
    <message>
        <source>C64 screenshots folder</source>
        <translation>cartella delle schermate C64</translation>
    </message>
    <message>
        <source>Amiga games folder</source>
        <translation>cartella dei giochi Amiga</translation>
    </message>
    <message>
        <source>Amiga music folder</source>
        <translation>cartella della musica Amiga</translation>
    </message>
    <message>
        <source>Amiga screenshots folder</source>
        <translation>cartella delle schermate Amiga</translation>
    </message>
    <message>
        <source>game file</source>
        <translation>file di gioco</translation>
    </message>
    <message>
        <source>drive 2</source>
        <translation>unità 2</translation>
    </message>
    <message>
        <source>drive 3</source>
        <translation>unità 3</translation>
    </message>
    <message>
        <source>drive 4</source>
        <translation>unità 4</translation>
    </message>
    <message>
        <source>music file</source>
        <translation>file musicale</translation>
    </message>
    <message>
        <source>screenshot 1</source>
        <translation>schermata 1</translation>
    </message>
    <message>
        <source>screenshot 2</source>
        <translation>schermata 2</translation>
    </message>
    <message>
        <source>further disk %1</source>
        <translation>disco aggiuntivo %1</translation>
    </message>
</context>
<context>
    <name>MissingFilesModel</name>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
</context>
<context>
    <name>MissingFilesWindow</name>
    <message>
        <source>Missing Files</source>
        <translation>File mancanti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Looking for the catalogue&apos;s files…</source>
        <translation>Ricerca dei file del catalogo…</translation>
    </message>
    <message>
        <source>No file of the catalogue is missing.</source>
        <translation>Non manca nessun file del catalogo.</translation>
    </message>
    <message>
        <source>1 file is missing.</source>
        <translation>Manca 1 file.</translation>
    </message>
    <message>
        <source>%1 files are missing.</source>
        <translation>Mancano %1 file.</translation>
    </message>
</context>
<context>
    <name>Music</name>
    <message>
        <source>The %1 ROM file %2 cannot be read: %3</source>
        <translation>Impossibile leggere il file della ROM %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a C64 %2 ROM: it must be %3 bytes long.</source>
        <translation>%1 non è una ROM %2 del C64: deve essere lunga %3 byte.</translation>
    </message>
    <message>
        <source>it is not a module or it is damaged (%1)</source>
        <translation>non è un modulo o è danneggiato (%1)</translation>
    </message>
    <message>
        <source>There is no sound device: the music cannot be played here.</source>
        <translation>Non c&apos;è nessun dispositivo audio: qui la musica non può essere riprodotta.</translation>
    </message>
    <message>
        <source>The sound device %1 cannot play 16-bit stereo at 44100 Hz.</source>
        <translation>Il dispositivo audio %1 non può riprodurre audio stereo a 16 bit a 44100 Hz.</translation>
    </message>
    <message>
        <source>The sound device %1 cannot be opened.</source>
        <translation>Impossibile aprire il dispositivo audio %1.</translation>
    </message>
    <message>
        <source>it is not a SID tune or it is damaged (its header is wrong)</source>
        <translation>non è un brano SID o è danneggiato (la sua intestazione è errata)</translation>
    </message>
    <message>
        <source>it is not a SID tune or it is damaged (%1)</source>
        <translation>non è un brano SID o è danneggiato (%1)</translation>
    </message>
    <message>
        <source>this tune runs on the C64&apos;s own ROMs: it plays once the KERNAL, BASIC and character ROM files are given</source>
        <translation>questo brano usa le ROM del C64: si potrà riprodurre quando saranno indicati i file delle ROM KERNAL, BASIC e dei caratteri</translation>
    </message>
    <message>
        <source>the tune cannot start (%1)</source>
        <translation>il brano non può partire (%1)</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullato</translation>
    </message>
    <message>
        <source>the length must be at least 1 second</source>
        <translation>la durata deve essere di almeno 1 secondo</translation>
    </message>
    <message>
        <source>%1 has no subtune %2: it has %3</source>
        <translation>%1 non ha il sottobrano %2: ne ha %3</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>The tune</source>
        <translation>Il brano</translation>
    </message>
    <message>
        <source>%1 cannot be played: %2</source>
        <translation>Impossibile riprodurre %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>%1 cannot be played: it is too large for a tune</source>
        <translation>Impossibile riprodurre %1: è troppo grande per essere un brano</translation>
    </message>
    <message>
        <source>Playing %1, subtune %2 of %3 (%4); Ctrl+C stops.</source>
        <translation>In riproduzione %1, brano %2 di %3 (%4); Ctrl+C ferma.</translation>
    </message>
    <message>
        <source>length unknown</source>
        <translation>durata sconosciuta</translation>
    </message>
    <message>
        <source>The sound player could not be started:
%1
%2</source>
        <translation>Impossibile avviare il lettore audio:
%1
%2</translation>
    </message>
    <message>
        <source>it crashed</source>
        <translation>si è bloccato</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>codice di uscita %1</translation>
    </message>
    <message>
        <source>The sound player %1 stopped at once:
%2</source>
        <translation>Il lettore audio %1 si è fermato subito:
%2</translation>
    </message>
</context>
<context>
    <name>MusicSourcesBox</name>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>HVSC folder</source>
        <translation>Cartella HVSC</translation>
    </message>
    <message>
        <source>KERNAL ROM</source>
        <translation>ROM KERNAL</translation>
    </message>
    <message>
        <source>BASIC ROM</source>
        <translation>ROM BASIC</translation>
    </message>
    <message>
        <source>Character ROM</source>
        <translation>ROM dei caratteri</translation>
    </message>
    <message>
        <source>Choose the %1</source>
        <translation>Scegli %1</translation>
    </message>
    <message>
        <source>The folder that holds DOCUMENTS/Songlengths.md5: song lengths and STIL comments</source>
        <translation>La cartella che contiene DOCUMENTS/Songlengths.md5: durate dei brani e commenti STIL</translation>
    </message>
</context>
<context>
    <name>OptionsWindow</name>
    <message>
        <source>Show Game Credits</source>
        <translation>Mostra i crediti dei giochi</translation>
    </message>
    <message>
        <source>Show Screenshots</source>
        <translation>Mostra le schermate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Vantrel Configuration</source>
        <translation>Configurazione di Vantrel</translation>
    </message>
    <message>
        <source>Show %1 GUI</source>
        <translation>Mostra l&apos;interfaccia di %1</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
</context>
<context>
    <name>PathCheck</name>
    <message>
        <source>The folder does not exist: %1</source>
        <translation>La cartella non esiste: %1</translation>
    </message>
    <message>
        <source>This is not a folder: %1</source>
        <translation>Questa non è una cartella: %1</translation>
    </message>
    <message>
        <source>The program does not exist: %1</source>
        <translation>Il programma non esiste: %1</translation>
    </message>
    <message>
        <source>This file cannot be run as a program: %1</source>
        <translation>Questo file non può essere eseguito come programma: %1</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Previous subtune</source>
        <translation>Sottobrano precedente</translation>
    </message>
    <message>
        <source>Next subtune</source>
        <translation>Sottobrano successivo</translation>
    </message>
    <message>
        <source>Next subtune when the song ends</source>
        <translation>Passa al sottobrano successivo quando il brano finisce</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra l&apos;aiuto sulle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra l&apos;aiuto, incluse le opzioni specifiche di Qt.</translation>
    </message>
</context>
<context>
    <name>RecordEditor</name>
    <message>
        <source>Save Record</source>
        <translation>Salva scheda</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Modify Game</source>
        <translation>Modifica gioco</translation>
    </message>
    <message>
        <source>Modify Game - %1</source>
        <translation>Modifica gioco - %1</translation>
    </message>
    <message>
        <source>Insert New Game</source>
        <translation>Inserisci nuovo gioco</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Configure other Amiga drives?</source>
        <translation>Configurare le altre unità Amiga?</translation>
    </message>
    <message>
        <source>Amiga Games</source>
        <translation>Giochi Amiga</translation>
    </message>
    <message>
        <source>The game was not saved: %1</source>
        <translation>Il gioco non è stato salvato: %1</translation>
    </message>
    <message>
        <source>Confirm adding %1?</source>
        <translation>Confermi l&apos;aggiunta di %1?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Confirm Modify %1?</source>
        <translation>Confermi la modifica di %1?</translation>
    </message>
    <message>
        <source>Save the changes to %1 before closing?</source>
        <translation>Salvare le modifiche a %1 prima di chiudere?</translation>
    </message>
    <message>
        <source>the new game</source>
        <translation>il nuovo gioco</translation>
    </message>
    <message>
        <source>Close and discard the changes?</source>
        <translation>Chiudere e scartare le modifiche?</translation>
    </message>
</context>
<context>
    <name>RelinkWindow</name>
    <message>
        <source>Relink Files</source>
        <translation>Ricollega i file</translation>
    </message>
    <message>
        <source>Old folder</source>
        <translation>Vecchia cartella</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Mancanti</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Choose &amp;New Folder…</source>
        <translation>Scegli la &amp;nuova cartella…</translation>
    </message>
    <message>
        <source>&amp;Search in Folder…</source>
        <translation>&amp;Cerca in una cartella…</translation>
    </message>
    <message>
        <source>&amp;Relink</source>
        <translation>&amp;Ricollega</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No file of the catalogue is missing.</source>
        <translation>Non manca nessun file del catalogo.</translation>
    </message>
    <message>
        <source>1 file is missing, in %1</source>
        <translation>Manca 1 file, in %1</translation>
    </message>
    <message>
        <source>%1 files are missing, in folders such as:
%2</source>
        <translation>Mancano %1 file, in cartelle come:
%2</translation>
    </message>
    <message>
        <source>New Place of %1</source>
        <translation>Nuova posizione di %1</translation>
    </message>
    <message>
        <source>Search in Folder</source>
        <translation>Cerca in una cartella</translation>
    </message>
    <message>
        <source>Looking…</source>
        <translation>Ricerca in corso…</translation>
    </message>
    <message>
        <source>Relinking…</source>
        <translation>Ricollegamento in corso…</translation>
    </message>
    <message>
        <source>%1 of %2 missing paths would be found.</source>
        <translation>Verrebbero ritrovati %1 dei %2 percorsi mancanti.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was changed.</source>
        <translation>Annullato: non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Relinked %1, still missing %2, ambiguous %3.</source>
        <translation>Ricollegati %1, ancora mancanti %2, ambigui %3.</translation>
    </message>
    <message>
        <source>Looking for the catalogue&apos;s files…</source>
        <translation>Ricerca dei file del catalogo…</translation>
    </message>
</context>
<context>
    <name>Relinker</name>
    <message>
        <source>%1 is not a readable folder.</source>
        <translation>%1 non è una cartella leggibile.</translation>
    </message>
</context>
<context>
    <name>ScanTableModel</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editore</translation>
    </message>
    <message>
        <source>Disks</source>
        <translation>Dischi</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
</context>
<context>
    <name>ScanWindow</name>
    <message>
        <source>Add Games from Folder</source>
        <translation>Aggiungi giochi da una cartella</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Looking for games…</source>
        <translation>Ricerca dei giochi…</translation>
    </message>
    <message>
        <source>The scan was cancelled.</source>
        <translation>La scansione è stata annullata.</translation>
    </message>
    <message>
        <source>Skipped %1: %2</source>
        <translation>Saltato %1: %2</translation>
    </message>
    <message>
        <source>1 new game found.</source>
        <translation>Trovato 1 gioco nuovo.</translation>
    </message>
    <message>
        <source>%1 new games found.</source>
        <translation>Trovati %1 giochi nuovi.</translation>
    </message>
    <message>
        <source>Add 1 Game</source>
        <translation>Aggiungi 1 gioco</translation>
    </message>
    <message>
        <source>Add %1 Games</source>
        <translation>Aggiungi %1 giochi</translation>
    </message>
</context>
<context>
    <name>ScreenshotViewer</name>
    <message>
        <source>NO IMAGES AVAILABLE</source>
        <translation>NESSUNA IMMAGINE DISPONIBILE</translation>
    </message>
    <message>
        <source>Games Screenshots</source>
        <translation>Schermate dei giochi</translation>
    </message>
    <message>
        <source>SCREENSHOT FILE MISSING
%1</source>
        <translation>FILE DELLA SCHERMATA MANCANTE
%1</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Commodore 64 and Amiga games catalogue</source>
        <translation>Catalogo dei giochi per Commodore 64 e Amiga</translation>
    </message>
</context>
<context>
    <name>SystemConfigWindow</name>
    <message>
        <source>System Configuration</source>
        <translation>Configurazione di sistema</translation>
    </message>
    <message>
        <source>Choose a directory</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Scegli un programma</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Rileva</translation>
    </message>
    <message>
        <source>Fill the empty emulator and player paths with the programs installed on PATH</source>
        <translation>Compila i percorsi vuoti di emulatori e lettori con i programmi installati nel PATH</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Apply the changes?</source>
        <translation>Applicare le modifiche?</translation>
    </message>
    <message>
        <source>Apply the changes anyway?</source>
        <translation>Applicare comunque le modifiche?</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>The configuration could not be saved; your changes are still in the window.
</source>
        <translation>Impossibile salvare la configurazione; le modifiche sono ancora nella finestra.
</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No new emulator or sound player was found on PATH.</source>
        <translation>Nel PATH non è stato trovato nessun nuovo emulatore o lettore audio.</translation>
    </message>
    <message>
        <source>Found:
%1

The paths are filled in but not stored yet: OK in System Configuration stores them, Exit drops them.</source>
        <translation>Trovati:
%1

I percorsi sono compilati ma non ancora memorizzati: OK in Configurazione di sistema li memorizza, Esci li scarta.</translation>
    </message>
</context>
<context>
    <name>ThumbnailCache</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manca</translation>
    </message>
</context>
<context>
    <name>VantrelCommandLine</name>
    <message>
        <source>Catalogue and launcher for C64 and Amiga games.</source>
        <translation>Catalogo e avvio dei giochi per C64 e Amiga.</translation>
    </message>
    <message>
        <source>Use the catalogue at &lt;path&gt;.</source>
        <translation>Usa il catalogo indicato da &lt;percorso&gt;.</translation>
    </message>
    <message>
        <source>path</source>
        <translation>percorso</translation>
    </message>
    <message>
        <source>Print the games of the list (id, tab, title) and exit, without a window.</source>
        <translation>Stampa i giochi dell&apos;elenco (id, tabulazione, titolo) ed esce, senza finestra.</translation>
    </message>
    <message>
        <source>With --list: C64 and C128 games.</source>
        <translation>Con --list: giochi C64 e C128.</translation>
    </message>
    <message>
        <source>With --list: Amiga games.</source>
        <translation>Con --list: giochi Amiga.</translation>
    </message>
    <message>
        <source>With --list: only games with a game file.</source>
        <translation>Con --list: solo i giochi con un file di gioco.</translation>
    </message>
    <message>
        <source>With --list: only games with a music file.</source>
        <translation>Con --list: solo i giochi con un file musicale.</translation>
    </message>
    <message>
        <source>With --list: only games holding &lt;text&gt; (a+b: both).</source>
        <translation>Con --list: solo i giochi che contengono &lt;testo&gt; (a+b: entrambi).</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>Start the game &lt;id&gt; in its emulator, without a window.</source>
        <translation>Avvia il gioco &lt;id&gt; nel suo emulatore, senza finestra.</translation>
    </message>
    <message>
        <source>id</source>
        <translation>id</translation>
    </message>
    <message>
        <source>Play the music file of the game &lt;id&gt;, without a window.</source>
        <translation>Riproduce il file musicale del gioco &lt;id&gt;, senza finestra.</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>With --play: the entry &lt;n&gt; of the image&apos;s --dir list, from 0.</source>
        <translation>Con --play: la voce &lt;n&gt; dell&apos;elenco --dir dell&apos;immagine, contando da 0.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>With --play: the Amiga template, by its file name or a path.</source>
        <translation>Con --play: il modello Amiga, per nome di file o percorso.</translation>
    </message>
    <message>
        <source>With --play or --play-music: print the program and each argument, one a line, and start nothing.</source>
        <translation>Con --play o --play-music: stampa il programma e ogni argomento, uno per riga, senza avviare nulla.</translation>
    </message>
    <message>
        <source>Print the directory of a D64 or T64 image and exit.</source>
        <translation>Stampa la directory di un&apos;immagine D64 o T64 ed esce.</translation>
    </message>
    <message>
        <source>image</source>
        <translation>immagine</translation>
    </message>
    <message>
        <source>--relink needs --from and --to, or --search.</source>
        <translation>--relink richiede --from e --to, oppure --search.</translation>
    </message>
    <message>
        <source>Add the games of the disk images below &lt;folder&gt; and exit (with --dry-run: only print them).</source>
        <translation>Aggiunge i giochi delle immagini disco sotto &lt;folder&gt; ed esce (con --dry-run: li stampa soltanto).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>Find the catalogue&apos;s missing files again, with --from and --to or with --search, and exit (with --dry-run: only print what would change).</source>
        <translation>Ritrova i file mancanti del catalogo, con --from e --to oppure con --search, ed esce (con --dry-run: stampa soltanto cosa cambierebbe).</translation>
    </message>
    <message>
        <source>With --relink: the old beginning of the paths, such as C:\Games.</source>
        <translation>Con --relink: il vecchio inizio dei percorsi, per esempio C:\Giochi.</translation>
    </message>
    <message>
        <source>old</source>
        <translation>vecchio</translation>
    </message>
    <message>
        <source>With --relink: the folder that replaces the old beginning.</source>
        <translation>Con --relink: la cartella che sostituisce il vecchio inizio.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nuovo</translation>
    </message>
    <message>
        <source>With --relink: a folder where missing files are looked for by name.</source>
        <translation>Con --relink: una cartella in cui cercare per nome i file mancanti.</translation>
    </message>
    <message>
        <source>Print the catalogue&apos;s missing files (id, what, path) and exit.</source>
        <translation>Stampa i file mancanti del catalogo (id, cosa, percorso) ed esce.</translation>
    </message>
    <message>
        <source>--set-favourite takes a game id, then yes or no.</source>
        <translation>--set-favourite vuole un id di gioco, poi yes o no.</translation>
    </message>
    <message>
        <source>With --list: only the favourites.</source>
        <translation>Con --list: solo i preferiti.</translation>
    </message>
    <message>
        <source>With --list: only played games, the most recent first.</source>
        <translation>Con --list: solo i giochi giocati, i più recenti per primi.</translation>
    </message>
    <message>
        <source>With --list: the order, by &lt;key&gt;: title, year, publisher, machine, genre; played, plays (newest, most first).</source>
        <translation>Con --list: l&apos;ordine, per &lt;key&gt;: title, year, publisher, machine, genre; played, plays (i più recenti, i più giocati per primi).</translation>
    </message>
    <message>
        <source>key</source>
        <translation>chiave</translation>
    </message>
    <message>
        <source>Print the title, author, release, subtunes and song lengths of the music file of the game &lt;id&gt;.</source>
        <translation>Stampa titolo, autore, pubblicazione, brani e durate del file musicale del gioco &lt;id&gt;.</translation>
    </message>
    <message>
        <source>With --play-music: render the music into the WAV file &lt;file&gt; with the built-in player.</source>
        <translation>Con --play-music: scrive la musica nel file WAV &lt;file&gt; con il lettore integrato.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>With --play-music: the subtune &lt;n&gt;, from 1 (default: the tune&apos;s start subtune).</source>
        <translation>Con --play-music: il brano &lt;n&gt;, da 1 (predefinito: il brano iniziale).</translation>
    </message>
    <message>
        <source>With --render: the length in seconds (default: the song length, else 3 minutes).</source>
        <translation>Con --render: la durata in secondi (predefinita: la durata del brano, altrimenti 3 minuti).</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>With --play: the emulator (ccs64, vice, c64s, pc64; uae, fellow). With --play-music: the player, 1 or 2 (default: the built-in player).</source>
        <translation>Con --play: l&apos;emulatore (ccs64, vice, c64s, pc64; uae, fellow). Con --play-music: il lettore, 1 o 2 (predefinito: il lettore integrato).</translation>
    </message>
    <message>
        <source>Make the game &lt;id&gt; a favourite (yes) or not (no) and exit.</source>
        <translation>Rende il gioco &lt;id&gt; preferito (yes) o no (no) ed esce.</translation>
    </message>
</context>
<context>
    <name>ViceFliplist</name>
    <message>
        <source>The disk path %1 holds a line break, which a fliplist cannot carry.</source>
        <translation>Il percorso del disco %1 contiene un a capo, che una fliplist non può contenere.</translation>
    </message>
</context>
<context>
    <name>WidgetDialogs</name>
    <message>
        <source>Catalogues (*.mdb);;All files (*)</source>
        <translation>Cataloghi (*.mdb);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>browser::CreditBand</name>
    <message>
        <source>Programming</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Design / Concept</source>
        <translation>Design / Ideazione</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafica</translation>
    </message>
    <message>
        <source>Music / Sfx</source>
        <translation>Musica / Effetti</translation>
    </message>
</context>
<context>
    <name>browser::FileMenu</name>
    <message>
        <source>Fil&amp;e</source>
        <translation>Fil&amp;e</translation>
    </message>
    <message>
        <source>&amp;Open Catalogue…</source>
        <translation>&amp;Apri catalogo…</translation>
    </message>
    <message>
        <source>&amp;New Catalogue…</source>
        <translation>&amp;Nuovo catalogo…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Open Catalogue</source>
        <translation>Apri catalogo</translation>
    </message>
    <message>
        <source>New Catalogue</source>
        <translation>Nuovo catalogo</translation>
    </message>
    <message>
        <source>The catalogue could not be made: </source>
        <translation>Impossibile creare il catalogo: </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>browser::GameActions</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No file selected for this game</source>
        <translation>Nessun file selezionato per questo gioco</translation>
    </message>
    <message>
        <source>No song configured for this game</source>
        <translation>Nessun brano configurato per questo gioco</translation>
    </message>
    <message>
        <source>Confirm Delete %1?</source>
        <translation>Confermi l&apos;eliminazione di %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>The game could not be deleted: </source>
        <translation>Impossibile eliminare il gioco: </translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programma</translation>
    </message>
    <message>
        <source>&amp;Game Players</source>
        <translation>A&amp;vvio giochi</translation>
    </message>
    <message>
        <source>&amp;C64 GamePlayer</source>
        <translation>Avvio giochi &amp;C64</translation>
    </message>
    <message>
        <source>&amp;Amiga GamePlayer</source>
        <translation>Avvio giochi &amp;Amiga</translation>
    </message>
    <message>
        <source>&amp;Music Players</source>
        <translation>&amp;Lettori musicali</translation>
    </message>
    <message>
        <source>&amp;C64 MusicPlayer</source>
        <translation>Lettore musica &amp;C64</translation>
    </message>
    <message>
        <source>&amp;Amiga MusicPlayer</source>
        <translation>Lettore musica &amp;Amiga</translation>
    </message>
    <message>
        <source>&amp;Utility</source>
        <translation>&amp;Utilità</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Importa/Esporta</translation>
    </message>
    <message>
        <source>Add Games from &amp;Folder…</source>
        <translation>Aggiungi giochi da una &amp;cartella…</translation>
    </message>
    <message>
        <source>&amp;Relink Files…</source>
        <translation>&amp;Ricollega i file…</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;What&apos;s new</source>
        <translation>&amp;Novità</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Greetings</source>
        <translation>&amp;Saluti</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Add Games from Folder</source>
        <translation>Aggiungi giochi da una cartella</translation>
    </message>
    <message>
        <source>Merrow not found!</source>
        <translation>Merrow non trovato!</translation>
    </message>
    <message>
        <source>What&apos;s New file not found!</source>
        <translation>File delle novità non trovato!</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Novità</translation>
    </message>
    <message>
        <source>The favourite could not be saved: </source>
        <translation>Impossibile salvare il preferito: </translation>
    </message>
    <message>
        <source>&amp;Missing Files…</source>
        <translation>File &amp;mancanti…</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Vis&amp;ta</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Griglia</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>&amp;Favourite</source>
        <translation>&amp;Preferito</translation>
    </message>
</context>
<context>
    <name>browser::GameDetailPane</name>
    <message>
        <source>File present: %1</source>
        <translation>File presente: %1</translation>
    </message>
    <message>
        <source>File missing: %1</source>
        <translation>File mancante: %1</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Nessun file</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editore</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Game file</source>
        <translation>File di gioco</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>File musicale</translation>
    </message>
    <message>
        <source>    &amp;PLAY</source>
        <translation>    &amp;GIOCA</translation>
    </message>
    <message>
        <source>Pla&amp;y Music</source>
        <translation>Ascolta &amp;musica</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;NEW</source>
        <translation>&amp;NUOVO</translation>
    </message>
    <message>
        <source>M&amp;odify</source>
        <translation>M&amp;odifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>★ Fa&amp;vourite</source>
        <translation>★ Pre&amp;ferito</translation>
    </message>
    <message>
        <source>☆ Fa&amp;vourite</source>
        <translation>☆ Pre&amp;ferito</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Ultima partita</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Favourite (Ctrl+D)</source>
        <translation>Preferito (Ctrl+D)</translation>
    </message>
</context>
<context>
    <name>browser::GameListModel</name>
    <message>
        <source>shown although it does not match the search</source>
        <translation>mostrato anche se non corrisponde alla ricerca</translation>
    </message>
    <message>
        <source>Favourite (click to change)</source>
        <translation>Preferito (clic per cambiare)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Macchina</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation>Editore</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Ultima partita</translation>
    </message>
    <message>
        <source>Plays</source>
        <translation>Partite</translation>
    </message>
</context>
<context>
    <name>browser::GameListPane</name>
    <message>
        <source>The game list cannot be read: </source>
        <translation>Impossibile leggere l&apos;elenco dei giochi: </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>No record found for </source>
        <translation>Nessuna scheda trovata per </translation>
    </message>
    <message>
        <source>Insert string to find</source>
        <translation>Inserisci il testo da cercare</translation>
    </message>
    <message>
        <source>Search for: </source>
        <translation>Ricerca di: </translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Giochi</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Testo da cercare</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Ce&amp;rca</translation>
    </message>
    <message>
        <source>A&amp;LL</source>
        <translation>&amp;TUTTI</translation>
    </message>
    <message>
        <source>C&amp;64</source>
        <translation>C&amp;64</translation>
    </message>
    <message>
        <source>&amp;Amiga</source>
        <translation>&amp;Amiga</translation>
    </message>
    <message>
        <source>Playa&amp;ble</source>
        <translation>Gioca&amp;bili</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>Mu&amp;sica</translation>
    </message>
    <message>
        <source>Favouri&amp;tes</source>
        <translation>Preferi&amp;ti</translation>
    </message>
    <message>
        <source>&amp;Recently played</source>
        <translation>Giocati di &amp;recente</translation>
    </message>
    <message>
        <source>shown although it does not match the search</source>
        <translation>mostrato anche se non corrisponde alla ricerca</translation>
    </message>
</context>
<context>
    <name>browser::ScreenshotColumn</name>
    <message>
        <source>NO SCREENSHOT</source>
        <translation>NESSUNA SCHERMATA</translation>
    </message>
    <message>
        <source>FILE MISSING</source>
        <translation>FILE MANCANTE</translation>
    </message>
    <message>
        <source>Screenshot file missing: %1</source>
        <translation>File della schermata mancante: %1</translation>
    </message>
    <message>
        <source>Click to view the screenshot at full size</source>
        <translation>Fai clic per vedere la schermata a grandezza naturale</translation>
    </message>
</context>
<context>
    <name>collection</name>
    <message>
        <source>Cannot open the catalogue: %1
</source>
        <translation>Impossibile aprire il catalogo: %1
</translation>
    </message>
    <message>
        <source>would add</source>
        <translation>da aggiungere</translation>
    </message>
    <message>
        <source>added</source>
        <translation>aggiunto</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>saltato</translation>
    </message>
    <message>
        <source>Would relink %1, still missing %2, ambiguous %3.
</source>
        <translation>Verrebbero ricollegati %1, ancora mancanti %2, ambigui %3.
</translation>
    </message>
    <message>
        <source>Relinked %1, still missing %2, ambiguous %3.
</source>
        <translation>Ricollegati %1, ancora mancanti %2, ambigui %3.
</translation>
    </message>
    <message>
        <source>1 game</source>
        <translation>1 gioco</translation>
    </message>
    <message>
        <source>%1 games</source>
        <translation>%1 giochi</translation>
    </message>
    <message>
        <source>1 file skipped</source>
        <translation>1 file saltato</translation>
    </message>
    <message>
        <source>%1 files skipped</source>
        <translation>%1 file saltati</translation>
    </message>
    <message>
        <source>Would add %1; %2.
</source>
        <translation>Aggiungerebbe %1; %2.
</translation>
    </message>
    <message>
        <source>Added %1; %2.
</source>
        <translation>Aggiunti %1; %2.
</translation>
    </message>
</context>
<context>
    <name>merrow::ExportWindow</name>
    <message>
        <source>Export Program</source>
        <translation>Programma di esportazione</translation>
    </message>
    <message>
        <source>Press Start to Export</source>
        <translation>Premi AVVIA per esportare</translation>
    </message>
    <message>
        <source>START</source>
        <translation>AVVIA</translation>
    </message>
    <message>
        <source>The export is still running; wait for it to end.</source>
        <translation>L&apos;esportazione è ancora in corso; attendi che finisca.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Confirm Start?</source>
        <translation>Confermi l&apos;avvio?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Exported 1 game to %1.</source>
        <translation>Esportato 1 gioco in %1.</translation>
    </message>
    <message>
        <source>Exported %1 games to %2.</source>
        <translation>Esportati %1 giochi in %2.</translation>
    </message>
</context>
<context>
    <name>merrow::FolderChooser</name>
    <message>
        <source>Select Path </source>
        <translation>Seleziona percorso </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select Import Path</source>
        <translation>Seleziona il percorso di importazione</translation>
    </message>
    <message>
        <source>Select Export Path</source>
        <translation>Seleziona il percorso di esportazione</translation>
    </message>
    <message>
        <source>Catalogue exports (*.mdb)</source>
        <translation>Esportazioni del catalogo (*.mdb)</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
</context>
<context>
    <name>merrow::ImportWindow</name>
    <message>
        <source>Import New Data</source>
        <translation>Importa nuovi dati</translation>
    </message>
    <message>
        <source>Select -&gt;</source>
        <translation>Seleziona -&gt;</translation>
    </message>
    <message>
        <source>Deselect &lt;-</source>
        <translation>Deseleziona &lt;-</translation>
    </message>
    <message>
        <source>Transfer NEW Games</source>
        <translation>Trasferisci giochi NUOVI</translation>
    </message>
    <message>
        <source>Transfer ONLY Selected</source>
        <translation>Trasferisci SOLO i selezionati</translation>
    </message>
    <message>
        <source>Transfer ALL</source>
        <translation>Trasferisci TUTTI</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>WAIT</source>
        <translation>ATTENDERE</translation>
    </message>
    <message>
        <source>Games in List:</source>
        <translation>Giochi in elenco:</translation>
    </message>
    <message>
        <source>Games Selected:</source>
        <translation>Giochi selezionati:</translation>
    </message>
    <message>
        <source>Games Added:</source>
        <translation>Giochi aggiunti:</translation>
    </message>
    <message>
        <source>Games Modified:</source>
        <translation>Giochi modificati:</translation>
    </message>
    <message>
        <source>&amp;Games in the file</source>
        <translation>&amp;Giochi nel file</translation>
    </message>
    <message>
        <source>Games &amp;selected for transfer</source>
        <translation>Giochi &amp;selezionati per il trasferimento</translation>
    </message>
    <message>
        <source>&amp;Differences and transfer log</source>
        <translation>&amp;Differenze e registro del trasferimento</translation>
    </message>
    <message>
        <source>The export file is still being read; wait for it to end.</source>
        <translation>Il file di esportazione è ancora in lettura; attendi che finisca.</translation>
    </message>
    <message>
        <source>A transfer is still running; wait for it to end.</source>
        <translation>Un trasferimento è ancora in corso; attendi che finisca.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Database Open Error</source>
        <translation>Errore di apertura del database</translation>
    </message>
    <message>
        <source>Unable to read from Floppy!</source>
        <translation>Impossibile leggere dal floppy!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Cannot compare: </source>
        <translation>Impossibile confrontare: </translation>
    </message>
    <message>
        <source>NEW GAME</source>
        <translation>GIOCO NUOVO</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>Nessuna differenza</translation>
    </message>
    <message>
        <source>Select game to SELECT</source>
        <translation>Scegli il gioco da SELEZIONARE</translation>
    </message>
    <message>
        <source>Select game to DESELECT</source>
        <translation>Scegli il gioco da DESELEZIONARE</translation>
    </message>
    <message>
        <source>Start transfer NEW Games?</source>
        <translation>Avviare il trasferimento dei giochi NUOVI?</translation>
    </message>
    <message>
        <source>Start transfer SELECTED Games?</source>
        <translation>Avviare il trasferimento dei giochi SELEZIONATI?</translation>
    </message>
    <message>
        <source>Start transfer ALL Games?</source>
        <translation>Avviare il trasferimento di TUTTI i giochi?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Transfer COMPLETED!</source>
        <translation>Trasferimento COMPLETATO!</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>The transfer stopped: %1. The %2 games logged before the failure are saved.</source>
        <translation>Il trasferimento si è interrotto: %1. I %2 giochi registrati prima dell&apos;errore sono salvati.</translation>
    </message>
</context>
<context>
    <name>merrow::MenuWindow</name>
    <message>
        <source>Merrow</source>
        <translation>Merrow</translation>
    </message>
    <message>
        <source>&amp;Import Data</source>
        <translation>&amp;Importa dati</translation>
    </message>
    <message>
        <source>&amp;Export Data</source>
        <translation>&amp;Esporta dati</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>In&amp;formazioni</translation>
    </message>
    <message>
        <source>Database Utility Program</source>
        <translation>Programma di utilità per il database</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versione </translation>
    </message>
    <message>
        <source>Export your own games for others, import the games others sent you. Export compacts and backs up the catalogue.</source>
        <translation>Esporta i tuoi giochi per gli altri, importa i giochi che gli altri ti hanno inviato. L&apos;esportazione compatta il catalogo e ne fa una copia di sicurezza.</translation>
    </message>
    <message>
        <source>Loading Database from Floppy</source>
        <translation>Caricamento del database dal floppy</translation>
    </message>
    <message>
        <source>Import &amp;GameBase…</source>
        <translation>Importa &amp;GameBase…</translation>
    </message>
</context>
<context>
    <name>merrow::UtilityAboutWindow</name>
    <message>
        <source>About Merrow</source>
        <translation>Informazioni su Merrow</translation>
    </message>
    <message>
        <source>Merrow - Database Utility Program</source>
        <translation>Merrow - Programma di utilità per il database</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versione </translation>
    </message>
    <message>
        <source>Build </source>
        <translation>Compilazione </translation>
    </message>
    <message>
        <source>Date </source>
        <translation>Data </translation>
    </message>
    <message>
        <source>Written by the catalogue team, with thanks to every collector who sent in games.</source>
        <translation>Scritto dal team del catalogo, con un grazie a ogni collezionista che ha inviato giochi.</translation>
    </message>
    <message>
        <source>Site: https://example.org/catalogue</source>
        <translation>Sito: https://example.org/catalogue</translation>
    </message>
    <message>
        <source>E-mail: </source>
        <translation>E-mail: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>startPlayer</name>
    <message>
        <source>The music file is missing:
%1</source>
        <translation>Manca il file musicale:
%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The sound player could not be started:
%1
%2</source>
        <translation>Impossibile avviare il lettore audio:
%1
%2</translation>
    </message>
</context>
</TS>
