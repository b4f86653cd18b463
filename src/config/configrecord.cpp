#include "configrecord.h"

#include "database.h"
#include "windowrequests.h"

#include <QSqlQuery>
#include <QStringList>

namespace configrecord
{

namespace
{

const QString kFirstRow = QStringLiteral("(select min(id) from tabella2)");

bool knownColumn(const QString &name)
{
    for (const Field &f : fields())
        if (name == QLatin1String(f.column))
            return true;
    return false;
}

} // namespace

const std::array<Field, 14> &fields()
{
    static const std::array<Field, 14> table = {{
        {"ccs64", ChooserPurpose::Ccs64Program, "Commodore 64", "CCS64 ", false},
        {"vice", ChooserPurpose::ViceProgram, "Commodore 64", "VICE", false},
        {"c64s", ChooserPurpose::C64sProgram, "Commodore 64", "C64S", false},
        {"pc64", ChooserPurpose::Pc64Program, "Commodore 64", "PC64 Win", false},
        {"game64", ChooserPurpose::C64GamesFolder, "Commodore 64", "Directory Games", true},
        {"screen64", ChooserPurpose::C64ScreenshotsFolder, "Commodore 64", "Directory Screenshots",
         true},
        {"music64", ChooserPurpose::C64MusicFolder, "Commodore 64", "Directory Music", true},
        {"uae", ChooserPurpose::UaeProgram, "Commodore Amiga", "UAE", false},
        {"fellow", ChooserPurpose::FellowProgram, "Commodore Amiga", "Fellow", false},
        {"gameamiga", ChooserPurpose::AmigaGamesFolder, "Commodore Amiga", "Directory Games", true},
        {"screenamiga", ChooserPurpose::AmigaScreenshotsFolder, "Commodore Amiga",
         "Directory Screenshots", true},
        {"musicamiga", ChooserPurpose::AmigaMusicFolder, "Commodore Amiga", "Directory Music",
         true},
        {"player1", ChooserPurpose::SoundPlayer1Program, "Audio Players", "Player 1", false},
        {"player2", ChooserPurpose::SoundPlayer2Program, "Audio Players", "Player 2", false},
    }};
    return table;
}

Values load(const QSqlDatabase &db, QString *error)
{
    QStringList columns;
    for (const Field &f : fields())
        columns << QLatin1String(f.column);
    Values values;
    if (!db.isOpen()) {
        if (error)
            *error = QStringLiteral("The catalogue is not open.");
        return values;
    }
    const auto row = catalogue::fetchOne(
        db, QStringLiteral("select %1 from tabella2 order by id limit 1").arg(columns.join(u',')));
    if (error)
        *error = row.error();
    if (!row || !row->has_value())
        return values;
    for (const QString &c : columns)
        values.insert(c, (*row)->value(c).toString());
    return values;
}

bool store(const QSqlDatabase &db, const Values &values, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!db.isOpen())
        return fail(QStringLiteral("The catalogue is not open."));
    if (values.isEmpty())
        return fail(QStringLiteral("Nothing to write."));
    QStringList assignments;
    QVariantList params;
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (!knownColumn(it.key()))
            return fail(
                QStringLiteral("\"%1\" is not a path of the configuration record.").arg(it.key()));
        assignments << it.key() + QStringLiteral(" = ?");
        params << (it.value().isEmpty() ? QVariant(QMetaType(QMetaType::QString))
                                        : QVariant(it.value()));
    }

    catalogue::WriteTransaction transaction(db);
    if (!transaction.isOpen())
        return fail(transaction.error());
    const auto existing =
        catalogue::fetchOne(db, QStringLiteral("select id from tabella2 limit 1"));
    if (!existing)
        return fail(existing.error());
    if (!existing->has_value())
        if (const auto added =
                catalogue::run(db, QStringLiteral("insert into tabella2 default values"));
            !added)
            return fail(added.error());
    {
        const auto update =
            catalogue::run(db,
                           QStringLiteral("update tabella2 set %1 where id = %2")
                               .arg(assignments.join(QStringLiteral(", ")), kFirstRow),
                           params);
        if (!update)
            return fail(update.error());
        if (update->numRowsAffected() != 1)
            return fail(QStringLiteral("The configuration record was not written."));
    }
    if (!transaction.commit())
        return fail(transaction.error());
    if (error)
        error->clear();
    return true;
}

QString programName(const QString &path, const QString &fallback)
{
    QString name = path.trimmed();
    name = name.mid(qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\')) + 1);
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        name.chop(4);
    return name.isEmpty() ? fallback : name;
}

} // namespace configrecord
