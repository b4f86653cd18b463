#pragma once

#include "game.h"

#include <QString>

class CatalogueStore;
class Launcher;
struct Command;
class QTextStream;

// `vantrel --play ID`: starts a catalogue game without a window, through the engines of
// the player windows.
struct HeadlessPlayRequest {
    GameId gameId = 0;
    QString with;         // the emulator's name ("vice", "uae", ...); empty: the first configured
    int entry = -1;       // C64: row of the image's directory listing; -1: none
    QString templateName; // Amiga: a template's file name in the list, or a path; empty: the first
    bool hideUaeGui = false; // Amiga: the players' options
    bool hideFellowGui = false;
    bool dryRun = false; // print the program and its arguments, one a line, start nothing
    QString tempDir;     // the temporary folder (see AmigaStartRequest)
    QString programDir;  // for the template folders
};

// The exit codes: started or printed; nothing to start (the reason on err); bad arguments.
enum HeadlessPlayCode { kPlayStarted = 0, kPlayNothing = 1, kPlayBadArguments = 2 };

// The C64 family (ccs64, vice, c64s, pc64) and the Amiga (uae, fellow). The caller has
// read the game's format and found the game.
int playC64Game(const CatalogueStore &store, const HeadlessPlayRequest &request, Launcher &launcher,
                QTextStream &out, QTextStream &err);
int playAmigaGame(const CatalogueStore &store, const HeadlessPlayRequest &request,
                  Launcher &launcher, QTextStream &out, QTextStream &err);

// Starts the command, or with dryRun prints the program and each argument, one a line.
int startOrPrint(const Command &command, bool dryRun, Launcher &launcher, QTextStream &out,
                 QTextStream &err);
