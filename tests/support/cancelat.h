#pragma once

#include "progress.h"

// A Progress that reports cancelled once the work has said it got that far (0: at once).
class CancelAt final : public Progress
{
public:
    explicit CancelAt(qint64 at) : m_cancelled(at == 0), m_at(at) {}
    void setTotal(qint64) override {}
    void setDone(qint64 done) override { m_cancelled = m_cancelled || done >= m_at; }
    void note(const QString &) override {}
    bool isCancelled() const override { return m_cancelled; }

private:
    bool m_cancelled;
    qint64 m_at;
};
