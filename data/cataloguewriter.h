#pragma once

#include <QString>
#include <QVariantList>

#include <memory>

namespace catalogue
{
class Connection;
class WriteTransaction;
} // namespace catalogue

class QSqlQuery;

namespace sampledata
{

// Writes a whole new catalogue under a temporary name beside `path` in one transaction
// and renames it into place only when everything was written, so an interrupted run
// never leaves half a catalogue behind. An existing file at `path` is replaced.
class CatalogueWriter
{
public:
    explicit CatalogueWriter(QString path);
    ~CatalogueWriter();
    CatalogueWriter(const CatalogueWriter &) = delete;
    CatalogueWriter &operator=(const CatalogueWriter &) = delete;

    bool begin(QString *error);
    // Values in the order of CatalogueStore::gameColumns() / configColumns().
    bool addGame(const QVariantList &values, QString *error);
    bool addConfig(const QVariantList &values, QString *error);
    bool finish(QString *error);

    QString temporaryPath() const { return m_temporary; }

private:
    bool insert(QSqlQuery &query, const QVariantList &values, qsizetype columns, QString *error);
    void discard();

    QString m_path;
    QString m_temporary;
    std::unique_ptr<catalogue::Connection> m_connection;
    std::unique_ptr<catalogue::WriteTransaction> m_transaction;
    std::unique_ptr<QSqlQuery> m_gameInsert;
    std::unique_ptr<QSqlQuery> m_configInsert;
};

} // namespace sampledata
