#include "gamebasefeed.h"

namespace
{

// Small enough that the store seldom waits, large enough that handing over costs little.
constexpr qsizetype kChunk = 64;
// From about this many games on, a second thread saves more than it costs to start.
constexpr qsizetype kTwoThreads = 2000;

} // namespace

GameBaseFeed::GameBaseFeed(GameBaseMapper &mapper, const QList<GameBaseRecord> &records)
    : m_mapper(mapper), m_records(records), m_games(records.size())
{
    m_workerCount = records.size() < kTwoThreads ? 1 : 2;
    m_found.resize(m_workerCount);
    m_reached.resize(m_workerCount, 0);
    m_slots = m_games.data();
    m_workers.reserve(m_workerCount);
    for (int w = 0; w < m_workerCount; ++w)
        m_workers.emplace_back(&GameBaseFeed::work, this, w);
}

GameBaseFeed::~GameBaseFeed()
{
    stop();
}

int GameBaseFeed::workerOf(qsizetype i) const
{
    return int((i / kChunk) % m_workerCount);
}

void GameBaseFeed::work(int worker)
{
    const qsizetype step = kChunk * m_workerCount;
    for (qsizetype from = worker * kChunk; from < m_records.size(); from += step) {
        const qsizetype to = std::min(from + kChunk, m_records.size());
        for (qsizetype i = from; i < to; ++i)
            m_slots[i] = m_mapper.setGame(m_records.at(i), m_found[worker]);
        const std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        m_reached[worker] = to;
        m_ready.notify_all();
    }
}

const SetGame &GameBaseFeed::at(qsizetype i)
{
    const int worker = workerOf(i);
    std::unique_lock lock(m_mutex);
    m_ready.wait(lock, [&] { return m_reached[worker] > i; });
    return m_games.at(i);
}

void GameBaseFeed::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    for (std::thread &worker : m_workers)
        if (worker.joinable())
            worker.join();
}

void GameBaseFeed::finish()
{
    for (std::thread &worker : m_workers)
        if (worker.joinable())
            worker.join();
    for (const GameBaseFound &found : m_found)
        for (auto [to, from] : {std::pair{&m_mapper.m_found.gameFiles, &found.gameFiles},
                                {&m_mapper.m_found.music, &found.music},
                                {&m_mapper.m_found.screenshots, &found.screenshots}}) {
            to->named += from->named;
            to->found += from->found;
        }
    m_found.assign(m_found.size(), {});
}
