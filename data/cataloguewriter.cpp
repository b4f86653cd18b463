#include "cataloguewriter.h"

#include "cataloguestore.h"
#include "database.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <filesystem>
#include <system_error>

namespace sampledata
{
namespace
{

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

QString insertSql(const QString &table, const QStringList &columns)
{
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i)
        marks.append(QStringLiteral("?"));
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

} // namespace

CatalogueWriter::CatalogueWriter(QString path)
    : m_path(std::move(path)),
      m_temporary(m_path + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid()))
{
}

CatalogueWriter::~CatalogueWriter()
{
    discard();
}

void CatalogueWriter::discard()
{
    m_gameInsert.reset();
    m_configInsert.reset();
    m_transaction.reset();
    m_connection.reset();
    if (QFile::exists(m_temporary))
        QFile::remove(m_temporary);
}

bool CatalogueWriter::begin(QString *error)
{
    discard();
    if (const Outcome created = catalogue::createCatalogue(m_temporary); !created)
        return fail(error, created.error());
    auto opened = catalogue::Connection::open(m_temporary);
    if (!opened)
        return fail(error, opened.error());
    m_connection = std::move(opened).value();
    const QSqlDatabase db = m_connection->db();
    m_transaction = std::make_unique<catalogue::WriteTransaction>(db);
    if (!m_transaction->isOpen())
        return fail(error, m_transaction->error());
    m_gameInsert = std::make_unique<QSqlQuery>(db);
    m_configInsert = std::make_unique<QSqlQuery>(db);
    if (!m_gameInsert->prepare(
            insertSql(CatalogueStore::gameTable(), CatalogueStore::gameColumns())))
        return fail(error, m_gameInsert->lastError().text());
    if (!m_configInsert->prepare(
            insertSql(CatalogueStore::configTable(), CatalogueStore::configColumns())))
        return fail(error, m_configInsert->lastError().text());
    return true;
}

bool CatalogueWriter::insert(QSqlQuery &query, const QVariantList &values, qsizetype columns,
                             QString *error)
{
    if (values.size() != columns)
        return fail(
            error,
            QStringLiteral("%1 values given for %2 columns").arg(values.size()).arg(columns));
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        return fail(error, query.lastError().text());
    return true;
}

bool CatalogueWriter::addGame(const QVariantList &values, QString *error)
{
    if (!m_gameInsert)
        return fail(error, QStringLiteral("the catalogue is not open for writing"));
    return insert(*m_gameInsert, values, CatalogueStore::gameColumns().size(), error);
}

bool CatalogueWriter::addConfig(const QVariantList &values, QString *error)
{
    if (!m_configInsert)
        return fail(error, QStringLiteral("the catalogue is not open for writing"));
    return insert(*m_configInsert, values, CatalogueStore::configColumns().size(), error);
}

bool CatalogueWriter::finish(QString *error)
{
    if (!m_transaction)
        return fail(error, QStringLiteral("the catalogue is not open for writing"));
    m_gameInsert.reset();
    m_configInsert.reset();
    if (const Outcome committed = m_transaction->commit(); !committed) {
        discard();
        return fail(error, committed.error());
    }
    m_transaction.reset();
    m_connection.reset();
    // std::filesystem::rename replaces an existing target in one step on every platform.
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(m_temporary.toStdWString()),
                            std::filesystem::path(m_path.toStdWString()), ec);
    if (ec) {
        discard();
        return fail(error, QStringLiteral("cannot move the new catalogue to %1: %2")
                               .arg(m_path, QString::fromLocal8Bit(ec.message())));
    }
    return true;
}

} // namespace sampledata
