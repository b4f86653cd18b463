#pragma once

#include <QString>
#include <QStringList>

namespace browser
{

// The catalogues opened last, newest first and at most eight, kept in the user's settings
// file (setFile); without one, as in tests, the list lasts as long as the object.
class RecentCatalogues
{
public:
    static constexpr int kMost = 8;

    static void setFile(const QString &path);
    // recent.ini in the user's configuration folder for this program.
    static QString defaultFile();

    RecentCatalogues();
    const QStringList &paths() const { return m_paths; }
    // Puts the catalogue first, once, and drops the oldest beyond kMost.
    void add(const QString &path);
    void remove(const QString &path);

private:
    void save() const;

    QStringList m_paths;
};

} // namespace browser
