#include "testcatalogue.h"

#include "cataloguestore.h"
#include "database.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

struct TestCatalogue::Conn {
    std::unique_ptr<catalogue::Connection> c;
};

TestCatalogue::TestCatalogue() : m_path(m_dir.filePath(QStringLiteral("commodore.mdb")))
{
    const Outcome created = catalogue::createCatalogue(m_path);
    EXPECT_TRUE(created.ok()) << created.error().toStdString();
    m_conn = std::make_unique<Conn>();
    auto opened = catalogue::Connection::open(m_path);
    EXPECT_TRUE(opened.ok()) << opened.error().toStdString();
    if (opened)
        m_conn->c = std::move(opened).value();
}

TestCatalogue::~TestCatalogue() = default;

QSqlDatabase TestCatalogue::db()
{
    return m_conn->c ? m_conn->c->db() : QSqlDatabase();
}

int TestCatalogue::addGame(const QVariantMap &fields)
{
    QStringList names, marks;
    QVariantList values;
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        EXPECT_TRUE(CatalogueStore::gameColumns().contains(it.key().toLower()))
            << "no column " << it.key().toStdString();
        names << it.key();
        marks << QStringLiteral("?");
        values << it.value();
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("insert into tabella1 default values")
                            : QStringLiteral("insert into tabella1 (%1) values (%2)")
                                  .arg(names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    const auto q = catalogue::run(db(), sql, values);
    EXPECT_TRUE(q.ok()) << q.error().toStdString();
    return q ? q->lastInsertId().toInt() : 0;
}

void TestCatalogue::setConfig(const QVariantMap &fields)
{
    const auto row = catalogue::fetchOne(db(), QStringLiteral("select id from tabella2"));
    if (row && !row->has_value()) {
        EXPECT_TRUE(catalogue::run(db(), QStringLiteral("insert into tabella2 default values")));
    }
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        EXPECT_TRUE(CatalogueStore::configColumns().contains(it.key().toLower()))
            << "no column " << it.key().toStdString();
        const auto q = catalogue::run(
            db(),
            QStringLiteral("update tabella2 set %1 = ? where id = (select min(id) from tabella2)")
                .arg(it.key()),
            {it.value()});
        EXPECT_TRUE(q.ok()) << q.error().toStdString();
    }
}

QVariant TestCatalogue::value(int id, const QString &column)
{
    const auto record =
        id == 0
            ? catalogue::fetchOne(db(),
                                  QStringLiteral("select %1 from tabella2 order by id").arg(column))
            : catalogue::fetchOne(
                  db(), QStringLiteral("select %1 from tabella1 where id = ?").arg(column), {id});
    return record && record->has_value() ? (*record)->value(0) : QVariant();
}

int TestCatalogue::count(const QString &where, const QVariantList &params)
{
    const QString sql = QStringLiteral("select count(*) from tabella1") +
                        (where.isEmpty() ? QString() : QStringLiteral(" where ") + where);
    const auto record = catalogue::fetchOne(db(), sql, params);
    return record && record->has_value() ? (*record)->value(0).toInt() : -1;
}

TestContext::TestContext()
{
    Paths paths;
    paths.programDir = catalogue.dir();
    paths.catalogue = catalogue.path();
    paths.stateFile = catalogue.dir() + QStringLiteral("/Vantrel.ini");
    paths.tempDir = temp.path();
    ctx = std::make_unique<AppContext>(paths, dialogs, launcher, windows);
}

TestContext::~TestContext()
{
    // The windows refer to the context: they go first.
    windows.closeAll();
    ctx.reset();
}
