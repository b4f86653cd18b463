#pragma once

#include "amigalinerules.h"
#include "result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class RuntimeFolder;

// Rewrites a template as it streams past, in pieces of any size, with bounded memory
// whatever the line lengths. A line ends at CR, LF or CRLF; every output line ends with
// CRLF (FS-UAE: LF), a last line without an end included. AmigaLineRules decides each
// line from its first bytes; a line it keeps is copied byte for byte. The lines the
// template lacked close the output.
class AmigaConfigRewriter
{
public:
    AmigaConfigRewriter(AmigaFormat format, const AmigaDrives &drives, bool hideGui,
                        const QStringList &swapList = {});

    // Appends the output that the next piece of the template gives to out.
    void feed(QByteArrayView piece, QByteArray &out);
    // Ends the template: a last line without its line end is completed, then the lines the
    // template lacked follow.
    void finish(QByteArray &out);

    // The whole template at once.
    QByteArray rewrite(QByteArrayView text);

private:
    enum class Mode { Undecided, Copy, Skip };
    void take(const char *data, qsizetype size, QByteArray &out);
    void decide(bool complete, QByteArray &out);
    void endLine(QByteArray &out);

    AmigaLineRules m_rules;
    QByteArray m_lineEnd;
    QByteArray m_head; // the undecided start of the current line, at most kHeadLength bytes
    Mode m_mode = Mode::Undecided;
    bool m_afterCr = false; // a CR ended the last piece: an LF opening the next one belongs to it
};

struct AmigaConfigRequest {
    AmigaFormat format = AmigaFormat::Uae;
    QString templatePath;
    AmigaDrives drives;
    bool hideGui = false; // true hides the emulator's own interface; false keeps the template's
    QString outputName;   // the configuration's name in the folder
    QStringList swapList; // the emulator's disk swap list; empty leaves the template's
};

// Writes the configuration file from the template into the folder. The output is replaced
// only when it was written completely: a failure (no template, a template that cannot be
// read, an output that cannot be written) leaves an earlier file as it was.
Outcome writeAmigaConfig(const AmigaConfigRequest &request, const RuntimeFolder &folder);
