#include "gamelistmodel.h"
#include "headlesslist.h"
#include "testcatalogue.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace browser;

namespace
{

struct Listing {
    int status;
    QByteArray out;
    QByteArray err;
};

Listing list(const QString &path, const ListingRequest &r)
{
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = listGames(path, r, out, err);
    return {status, out.data(), err.data()};
}

} // namespace

TEST(HeadlessList, MachinesFilesAndSearch)
{
    TestCatalogue cat;
    const int b = cat.addGame({{"titolo", "Boulder Dash"}, {"formato", "C64"}, {"emul1", "b.d64"}});
    const int a =
        cat.addGame({{"titolo", "Alien Breed"}, {"formato", "Amiga 1.3"}, {"song", "a.mod"}});
    const int u = cat.addGame({{"titolo", "\u00dcber Tetris\t2"}, {"formato", "C128"}});
    cat.addGame({{"titolo", "Other"}, {"formato", "Atari"}});

    // Neither machine option: both machines.
    Listing l = list(cat.path(), {});
    EXPECT_EQ(l.status, 0);
    EXPECT_EQ(l.out, QString("%1\tAlien Breed\n%2\tBoulder Dash\n%3\t\u00dcber Tetris\t2\n")
                         .arg(a)
                         .arg(b)
                         .arg(u)
                         .toUtf8());
    EXPECT_TRUE(l.err.isEmpty());

    l = list(cat.path(), {true, false, false, false, {}});
    EXPECT_EQ(l.out, QString("%1\tBoulder Dash\n%2\t\u00dcber Tetris\t2\n").arg(b).arg(u).toUtf8());
    l = list(cat.path(), {false, true, false, false, {}});
    EXPECT_EQ(l.out, QString("%1\tAlien Breed\n").arg(a).toUtf8());
    l = list(cat.path(), {true, true, true, false, {}});
    EXPECT_EQ(l.out, QString("%1\tBoulder Dash\n").arg(b).toUtf8());
    l = list(cat.path(), {false, false, false, true, {}});
    EXPECT_EQ(l.out, QString("%1\tAlien Breed\n").arg(a).toUtf8());
    l = list(cat.path(), {false, false, false, false, "\u00fcBER"});
    EXPECT_EQ(l.out, QString("%1\t\u00dcber Tetris\t2\n").arg(u).toUtf8());
}

TEST(HeadlessList, NothingFoundAndBadCatalogue)
{
    TestCatalogue cat;
    cat.addGame({{"titolo", "Boulder Dash"}, {"formato", "C64"}});
    Listing l = list(cat.path(), {false, false, false, false, "zz\"["});
    EXPECT_EQ(l.status, 1);
    EXPECT_TRUE(l.out.isEmpty());
    EXPECT_EQ(l.err, "No record found for zz\"[\n");

    l = list(cat.path(), {false, false, true, false, {}});
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.err, "No record found for \n");

    l = list(cat.dir() + "/missing.mdb", {});
    EXPECT_EQ(l.status, 2);
    EXPECT_TRUE(l.out.isEmpty());
    EXPECT_FALSE(l.err.isEmpty());
}

TEST(GameListModel, RowsIdsAndPositions)
{
    GameListModel model;
    model.setRows({{7, "Ant"}, {3, "Bee"}, {9, "Ant"}});
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.data(model.index(1)).toString(), "Bee");
    EXPECT_EQ(model.data(model.index(2), GameListModel::IdRole).toInt(), 9);
    EXPECT_FALSE(model.data(model.index(5)).isValid());
    EXPECT_EQ(model.cercaindex(9), 2);
    EXPECT_EQ(model.cercaindex(42), 3); // not listed: the row count
    EXPECT_EQ(model.idAt(-1), 0);
    EXPECT_EQ(model.idAt(3), 0);
    EXPECT_TRUE(model.removeEntry(0));
    EXPECT_FALSE(model.removeEntry(2));
    EXPECT_EQ(model.cercaindex(3), 0);
    EXPECT_EQ(model.rowCount(QModelIndex(model.index(0))), 0);
}
