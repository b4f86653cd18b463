-- The catalogue: one row per game in tabella1, the configuration record in tabella2.
-- Every text column folds letter case (the programs register a NOCASE that folds
-- every letter, not only ASCII).
PRAGMA application_id = 1447116372;
PRAGMA user_version = 1;

CREATE TABLE tabella1 (
    id             INTEGER PRIMARY KEY AUTOINCREMENT,
    titolo         TEXT COLLATE NOCASE,
    sh             TEXT COLLATE NOCASE,
    team           TEXT COLLATE NOCASE,
    year           TEXT COLLATE NOCASE,
    tipo           TEXT COLLATE NOCASE,
    formato        TEXT COLLATE NOCASE,
    design         TEXT COLLATE NOCASE,
    programming    TEXT COLLATE NOCASE,
    graphics       TEXT COLLATE NOCASE,
    music          TEXT COLLATE NOCASE,
    adddesign      TEXT COLLATE NOCASE,
    addprogramming TEXT COLLATE NOCASE,
    addgraphics    TEXT COLLATE NOCASE,
    addmusic       TEXT COLLATE NOCASE,
    others         TEXT COLLATE NOCASE,
    note           TEXT COLLATE NOCASE,
    voto           TEXT COLLATE NOCASE,
    emulator       TEXT COLLATE NOCASE,
    emul1          TEXT COLLATE NOCASE,
    df1            TEXT COLLATE NOCASE,
    df2            TEXT COLLATE NOCASE,
    df3            TEXT COLLATE NOCASE,
    song           TEXT COLLATE NOCASE,
    screen1        TEXT COLLATE NOCASE,
    screen2        TEXT COLLATE NOCASE,
    dbver          TEXT COLLATE NOCASE
);

CREATE INDEX tabella1_titolo_formato ON tabella1 (titolo, formato);

CREATE TABLE tabella2 (
    id          INTEGER PRIMARY KEY AUTOINCREMENT,
    ccs64       TEXT COLLATE NOCASE,
    vice        TEXT COLLATE NOCASE,
    c64s        TEXT COLLATE NOCASE,
    pc64        TEXT COLLATE NOCASE,
    uae         TEXT COLLATE NOCASE,
    fellow      TEXT COLLATE NOCASE,
    player1     TEXT COLLATE NOCASE,
    player2     TEXT COLLATE NOCASE,
    game64      TEXT COLLATE NOCASE,
    music64     TEXT COLLATE NOCASE,
    screen64    TEXT COLLATE NOCASE,
    gameamiga   TEXT COLLATE NOCASE,
    musicamiga  TEXT COLLATE NOCASE,
    screenamiga TEXT COLLATE NOCASE,
    dbver       TEXT COLLATE NOCASE
);
