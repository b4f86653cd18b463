#pragma once

#include "game.h"
#include "result.h"

#include <QList>
#include <QSqlDatabase>
#include <QStringList>

class Progress;

namespace merrow
{

enum class TransferMode {
    New,      // add games not in the catalogue, leave the others alone
    Selected, // the chosen export ids in their order, each once; add or overwrite
    All       // every export game; add or overwrite
};

struct TransferCounts {
    int added = 0;    // committed additions
    int modified = 0; // committed overwrites that changed a stored value
    int skipped = 0;  // selected ids that the export file does not hold
    bool operator==(const TransferCounts &) const = default;
};

// Merges export games into the catalogue. Games match on title and machine, case-blind;
// the 17 transferred fields are copied as stored, id never, and a game that would not change
// is left alone. Writes are committed in batches, and the log and counts only ever tell
// about committed games, so that a failure, a cancel or a killed process leaves the
// catalogue exactly as logged.
class Transfer
{
public:
    Transfer(const QSqlDatabase &catalogue, const QSqlDatabase &source);

    // Games per write transaction. Each commit syncs the file and journals afresh every index
    // page its batch touched: batches are large, yet short enough for steady progress.
    void setBatchSize(int games) { m_batchSize = games > 0 ? games : 1; }

    // Notes one line per committed game ("Added ... for ...", "Modified ... for ...") or
    // skipped id; the progress counts games handled after each batch. A cancel is heard
    // before each batch and ends the transfer there, successfully.
    Outcome run(Progress &progress, TransferMode mode, const QList<GameId> &selectedIds = {});
    // The committed games of the last run, also after a failure.
    const TransferCounts &counts() const { return m_counts; }

    // The transferred fields, in the order they are copied; the match key leads.
    static const QList<Game::Field> &fields();
    // The counts that log lines tell, added to sofar.
    static TransferCounts tally(const QStringList &lines, TransferCounts sofar = {});

private:
    QSqlDatabase m_catalogue;
    QSqlDatabase m_source;
    int m_batchSize = 2000;
    TransferCounts m_counts;
};

// A transfer between the files at these paths over connections of its own, opened and
// closed on the calling thread (a worker's): gives the committed counts.
Result<TransferCounts> transferFiles(const QString &cataloguePath, const QString &sourcePath,
                                     TransferMode mode, const QList<GameId> &selectedIds,
                                     Progress &progress);

} // namespace merrow
