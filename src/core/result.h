#pragma once

#include <QString>

#include <optional>
#include <utility>

// What went wrong, in words a user can read. Engines return it inside a Result.
struct Failure {
    QString message;
};

// Either a value or a Failure. Every engine that can fail returns one, so a caller cannot
// drop an error without saying so.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_error(std::move(failure.message))
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("unknown error");
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T &operator*() const & { return *m_value; }
    T &operator*() & { return *m_value; }
    const T *operator->() const { return &*m_value; }
    T *operator->() { return &*m_value; }
    T valueOr(T fallback) const & { return m_value ? *m_value : std::move(fallback); }
    T valueOr(T fallback) && { return m_value ? std::move(*m_value) : std::move(fallback); }

    // Empty on success.
    const QString &error() const { return m_error; }
    Failure failure() const { return {m_error}; }

private:
    std::optional<T> m_value;
    QString m_error;
};

template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_error(std::move(failure.message)), m_failed(true)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("unknown error");
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &error() const { return m_error; }
    Failure failure() const { return {m_error}; }

private:
    QString m_error;
    bool m_failed = false;
};

using Outcome = Result<void>;

// The Outcome of a step whose helpers name a problem, or nothing when there is none.
inline Outcome failureIf(QString why)
{
    if (why.isEmpty())
        return {};
    return Failure{std::move(why)};
}
