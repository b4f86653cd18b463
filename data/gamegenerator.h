#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QVariantList>

namespace sampledata
{

// Made-up but realistic game rows for large catalogues: titles of one to six words,
// publishers, teams, years 1982-1996, genres, credit lists in the stored form
// ("A, B & C"), notes up to 300 characters, all six format codes (about 60% of the C64
// family), file paths under the folders of configuration(). The same seed gives the same
// rows on every platform.
class GameGenerator
{
public:
    GameGenerator(quint32 seed, QString baseFolder);

    // The next game, values in the order of CatalogueStore::gameColumns().
    QVariantList next();
    // The configuration record, values in the order of CatalogueStore::configColumns().
    QVariantList configuration() const;

    static const QStringList &formatCodes();

private:
    int below(int n) { return int(m_rng.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    QString personName();
    QString credits();
    QString title();
    QString note();
    QString folder(const QString &name) const;

    QRandomGenerator m_rng;
    QString m_base;
    int m_count = 0;
};

} // namespace sampledata
