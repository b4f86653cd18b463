#pragma once

#include "result.h"

#include <QString>

#include <memory>

class QTemporaryFile;

// The user's private folder for the files handed to the programs this one starts: emulator
// configurations, fliplists, images taken out of archives. Never the shared temporary
// folder itself, where another local user can plant a link or a file under any name.
//
// Unix: $XDG_RUNTIME_DIR/vantrel, else <temp>/vantrel-<uid>. Each is made 0700 when absent
// and taken only when it is a folder, not a link, of the user's, with mode 0700. When
// neither is, a folder is made fresh under <temp> for this start; it is left in place, as
// the started program may read it after this one ends. Windows: "vantrel" in the user's own
// temporary folder.
class RuntimeFolder
{
public:
    // The running user's folder; tempBase is the temporary folder.
    static RuntimeFolder forUser(const QString &tempBase);
    // runtimeBase: the session's runtime folder, empty when there is none; user: the owner
    // the folder must have (Unix).
    RuntimeFolder(const QString &runtimeBase, const QString &tempBase, uint user);

    bool isValid() const { return !m_path.isEmpty(); }
    // Why there is no folder.
    QString error() const { return m_error; }
    QString path() const { return m_path; }
    QString filePath(const QString &name) const;

    // A new empty file in the folder under a name of its own, created exclusively, for the
    // owner only. Write it, then place() it.
    [[nodiscard]] Result<std::unique_ptr<QTemporaryFile>> newFile() const;
    // Closes a written file and gives it name in the folder, replacing whatever held the
    // name: a link there is replaced, never followed. On failure the file is removed.
    [[nodiscard]] Outcome place(QTemporaryFile &file, const QString &name) const;

private:
    QString m_path;
    QString m_error;
};
