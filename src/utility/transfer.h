#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

#include <functional>

namespace merrow
{

enum class TransferMode {
    New,      // add games not in the catalogue, leave the others alone
    Selected, // the chosen export ids in their order, each once; add or overwrite
    All       // every export game; add or overwrite
};

struct TransferResult {
    bool ok = true;
    int added = 0;    // committed additions
    int modified = 0; // committed overwrites that changed a stored value
    int skipped = 0;  // selected ids that the export file does not hold
    QString error;    // what stopped the transfer, when !ok
};

// Merges export games into the catalogue. Games match on (titolo, formato), case-blind;
// the 17 transferred fields are copied as stored, id never, and a game that would not change
// is left alone. Writes are committed in batches, and the log and counters only ever tell
// about committed games, so that a failure, a cancel or a killed process leaves the
// catalogue exactly as logged.
class Transfer
{
public:
    Transfer(const QSqlDatabase &catalogue, const QSqlDatabase &source);

    // Games per write transaction. Each commit syncs the file and journals afresh every index
    // page its batch touched: batches are large, yet short enough for steady progress.
    void setBatchSize(int games) { m_batchSize = games > 0 ? games : 1; }

    // One line per committed game ("Added ... for ...", "Modified ... for ...") or skipped id,
    // with the counts so far.
    std::function<void(const QString &line, const TransferResult &sofar)> onLog;
    // After each batch: games handled and games in all.
    std::function<void(int done, int total)> onProgress;
    // Asked before each batch (from the transfer's thread); true ends the transfer there.
    std::function<bool()> cancelled;

    TransferResult run(TransferMode mode, const QList<qint64> &selectedIds = {});

    // The transferred columns, in the order they are copied.
    static const QStringList &fields();

private:
    QSqlDatabase m_catalogue;
    QSqlDatabase m_source;
    int m_batchSize = 2000;
};

} // namespace merrow
