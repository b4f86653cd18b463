#pragma once

#include "game.h"

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

// The searched texts of the listed games, folded once, so that a search runs in memory
// with the catalogue's syntax and finds exactly what the catalogue's search finds: each
// entry holds one game's searched columns, and a search finds an entry when one of its
// columns matches "*text*" (for "a+b": one column matches a and one matches b).
class SearchIndex
{
public:
    // Adds the next entry: the game and its searched columns; a null text is a Null column,
    // which nothing matches.
    void add(GameId id, const QStringList &columns);
    qsizetype size() const { return qsizetype(m_ids.size()); }
    const std::vector<GameId> &ids() const { return m_ids; }

    // The entries a search finds, in ascending order; only among within when given.
    std::vector<quint32> find(const QString &search,
                              const std::vector<quint32> *within = nullptr) const;
    // Whether whatever next finds was found by previous too, so a search as the user types
    // may look among the previous result only.
    static bool narrows(const QString &previous, const QString &next);

private:
    class Term;

    std::string_view entryText(quint32 entry) const;
    // Where the letters next occur in the text from a byte on, or npos.
    std::size_t findLetters(const std::string &letters, std::size_t from) const;
    bool holds(quint32 entry, const Term &term) const;
    std::vector<quint32> scan(const Term &term, const std::vector<quint32> *within) const;
    void append(GameId id, std::string_view text);

    // Each entry's non-Null columns, folded as a search folds, each ended by a zero byte.
    std::string m_text;
    std::vector<std::size_t> m_starts{0}; // entry i is m_text[m_starts[i], m_starts[i+1])
    std::vector<GameId> m_ids;
};
