#include "transfer.h"

#include "database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <optional>

namespace merrow
{
namespace
{

struct Game {
    int exportId = 0;
    bool present = false; // a selected id may be missing from the export file
    QVariantList values;  // Transfer::fields() order
};

struct Pending {
    QString line;
    enum { Added, Modified, Skipped } kind;
};

QString errorText(const QSqlQuery &q)
{
    const QSqlError e = q.lastError();
    const QString t = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return t.isEmpty() ? QStringLiteral("unknown database error") : t;
}

QString text(const QVariant &v)
{
    return v.isNull() ? QString() : v.toString();
}

} // namespace

Transfer::Transfer(const QSqlDatabase &catalogue, const QSqlDatabase &source)
    : m_catalogue(catalogue), m_source(source)
{
}

const QStringList &Transfer::fields()
{
    static const QStringList columns = {
        QStringLiteral("titolo"),      QStringLiteral("formato"),
        QStringLiteral("sh"),          QStringLiteral("team"),
        QStringLiteral("design"),      QStringLiteral("programming"),
        QStringLiteral("graphics"),    QStringLiteral("music"),
        QStringLiteral("adddesign"),   QStringLiteral("addprogramming"),
        QStringLiteral("addgraphics"), QStringLiteral("addmusic"),
        QStringLiteral("others"),      QStringLiteral("note"),
        QStringLiteral("dbver"),       QStringLiteral("Year"),
        QStringLiteral("tipo")};
    return columns;
}

TransferResult Transfer::run(TransferMode mode, const QList<int> &selectedIds)
{
    TransferResult result;
    auto fail = [&result](const QString &why) {
        result.ok = false;
        result.error = why;
        return result;
    };
    const QStringList &names = fields();
    const QString columns = names.join(QStringLiteral(", "));

    // An export file is small (a floppy's worth); reading it first gives the total for the
    // progress bar and leaves the source alone while the catalogue is written.
    QList<Game> games;
    {
        QSqlQuery q(m_source);
        q.setForwardOnly(true);
        const QString select = QStringLiteral("select id, %1 from tabella1").arg(columns);
        const bool byId = mode == TransferMode::Selected;
        if (!q.prepare(byId ? select + QStringLiteral(" where id = ?")
                            : select + QStringLiteral(" order by id")))
            return fail(QStringLiteral("cannot read the export file: ") + errorText(q));
        auto take = [&q] {
            Game g;
            g.exportId = q.value(0).toInt();
            g.present = true;
            for (int i = 1; i <= fields().size(); ++i)
                g.values << q.value(i);
            return g;
        };
        auto readFailed = [&] {
            return fail(QStringLiteral("cannot read the export file: ") + errorText(q));
        };
        if (byId) {
            for (int id : selectedIds) {
                q.bindValue(0, id);
                if (!q.exec())
                    return readFailed();
                if (q.next()) {
                    games.append(take());
                } else {
                    if (q.lastError().isValid())
                        return readFailed();
                    Game missing;
                    missing.exportId = id;
                    games.append(missing);
                }
                q.finish();
            }
        } else {
            if (!q.exec())
                return readFailed();
            while (q.next())
                games.append(take());
            if (q.lastError().isValid())
                return readFailed();
        }
    }

    QSqlQuery find(m_catalogue), insert(m_catalogue), update(m_catalogue);
    QStringList marks, sets;
    for (const QString &n : names) {
        marks << QStringLiteral("?");
        sets << n + QStringLiteral(" = ?");
    }
    if (!find.prepare(QStringLiteral("select id from tabella1 where titolo is ? and formato is ? "
                                     "order by id limit 1")) ||
        !insert.prepare(QStringLiteral("insert into tabella1 (%1) values (%2)")
                            .arg(columns, marks.join(QStringLiteral(", ")))) ||
        !update.prepare(QStringLiteral("update tabella1 set %1 where id = ?")
                            .arg(sets.join(QStringLiteral(", ")))))
        return fail(QStringLiteral("cannot prepare the catalogue: ") +
                    errorText(find.lastError().isValid()     ? find
                              : insert.lastError().isValid() ? insert
                                                             : update));

    const int total = games.size();
    int done = 0;
    if (onProgress)
        onProgress(0, total);
    while (done < total) {
        catalogue::WriteTransaction tx(m_catalogue);
        if (!tx.isOpen())
            return fail(QStringLiteral("cannot write to the catalogue: ") + tx.error());
        QList<Pending> pending;
        const int end = qMin(total, done + m_batchSize);
        for (int i = done; i < end; ++i) {
            const Game &g = games.at(i);
            if (!g.present) {
                pending.append(
                    {QStringLiteral("Skipped game %1: not in the export file").arg(g.exportId),
                     Pending::Skipped});
                continue;
            }
            const QString what =
                text(g.values.at(0)) + QStringLiteral(" for ") + text(g.values.at(1));
            find.bindValue(0, g.values.at(0));
            find.bindValue(1, g.values.at(1));
            if (!find.exec())
                return fail(QStringLiteral("cannot look up ") + what + QStringLiteral(": ") +
                            errorText(find));
            const bool present = find.next();
            const QVariant localId = present ? find.value(0) : QVariant();
            find.finish();
            if (present && mode == TransferMode::New)
                continue;
            QSqlQuery &write = present ? update : insert;
            for (int c = 0; c < g.values.size(); ++c)
                write.bindValue(c, g.values.at(c));
            if (present)
                write.bindValue(g.values.size(), localId);
            if (!write.exec())
                return fail(QStringLiteral("cannot write ") + what + QStringLiteral(": ") +
                            errorText(write));
            write.finish();
            pending.append(
                {(present ? QStringLiteral("Modified ") : QStringLiteral("Added ")) + what,
                 present ? Pending::Modified : Pending::Added});
        }
        if (!tx.commit())
            return fail(QStringLiteral("cannot save to the catalogue: ") + tx.error());
        for (const Pending &p : pending) {
            switch (p.kind) {
            case Pending::Added:
                ++result.added;
                break;
            case Pending::Modified:
                ++result.modified;
                break;
            case Pending::Skipped:
                ++result.skipped;
                break;
            }
            if (onLog)
                onLog(p.line, result);
        }
        done = end;
        if (onProgress)
            onProgress(done, total);
    }
    return result;
}

} // namespace merrow
