#pragma once

#include "gamebasemapper.h"
#include "setimport.h"

#include <QList>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

// A set's games, mapped on worker threads while the store already writes the first ones.
// The workers take the set's chunks in turn, so the games come ready about in order.
class GameBaseFeed final : public SetGameFeed
{
public:
    // Starts mapping at once; mapper and records must outlive the feed.
    GameBaseFeed(GameBaseMapper &mapper, const QList<GameBaseRecord> &records);
    // Stops the workers after their current chunk when they are not done: a cancelled
    // import does not wait for the rest of the set.
    ~GameBaseFeed() override;

    qsizetype size() const override { return m_records.size(); }
    qint64 key(qsizetype i) const override { return m_records.at(i).id; }
    const SetGame &at(qsizetype i) override;

    // Waits for every game, then adds what the workers found to the mapper's counts.
    void finish();

private:
    void work(int worker);
    int workerOf(qsizetype i) const;
    void stop();

    GameBaseMapper &m_mapper;
    const QList<GameBaseRecord> &m_records;
    QList<SetGame> m_games;
    SetGame *m_slots = nullptr; // taken before the workers start, as data() may detach
    qsizetype m_workerCount = 1;
    std::vector<GameBaseFound> m_found; // one per worker, summed only after they are joined
    // Per worker: each game of its chunks below this is mapped.
    std::vector<qsizetype> m_reached;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    bool m_stopping = false; // guarded by m_mutex
    std::vector<std::thread> m_workers;
};
