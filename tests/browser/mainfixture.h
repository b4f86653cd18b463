#pragma once

#include "cataloguestore.h"
#include "gamelistmodel.h"
#include "mainwindow.h"
#include "testcatalogue.h"
#include "widgettest.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTreeView>

// A game with these fields set; the others stay Null.
inline Game game(std::initializer_list<std::pair<Game::Field, QString>> fields)
{
    Game g;
    for (const auto &[field, text] : fields)
        g.value(field) = text;
    return g;
}
using F = Game::Field;

// A request as a fake window took it: its game, mode/field/purpose/screenshot/machine, path.
struct Opened {
    WindowKey key;
    GameId gameId = 0;
    int detail = 0;
    QString path = {};
    bool operator==(const Opened &) const = default;
};

inline void PrintTo(const Opened &o, std::ostream *os)
{
    *os << "{key " << int(o.key) << ", game " << o.gameId << ", detail " << o.detail << ", \""
        << o.path.toStdString() << "\"}";
}

template <class Request> Opened opening(const Request &r)
{
    Opened o{Request::key};
    if constexpr (requires { r.gameId; })
        o.gameId = r.gameId;
    if constexpr (requires { r.mode; })
        o.detail = int(r.mode);
    if constexpr (requires { r.field; })
        o.detail = int(r.field);
    if constexpr (requires { r.purpose; })
        o.detail = int(r.purpose);
    if constexpr (requires { r.which; })
        o.detail = r.which;
    if constexpr (requires { r.machine; })
        o.detail = int(r.machine);
    if constexpr (requires { r.startFolder; })
        o.path = r.startFolder;
    if constexpr (requires { r.gameFile; })
        o.path = r.gameFile;
    if constexpr (requires { r.folder; })
        o.path = r.folder;
    return o;
}

// Stands in for a window of another folder and records what it was asked.
template <class Request> class FakeWindow : public QWidget, public RequestTaker<Request>
{
public:
    explicit FakeWindow(QList<Opened> &log) : m_log(log) {}
    bool takeRequest(const Request &request) override
    {
        m_log << opening(request);
        return true;
    }

private:
    QList<Opened> &m_log;
};

// The main window over a TestContext, with fake windows for everything it opens.
class MainFixture : public testing::Test
{
protected:
    MainFixture()
    {
        fake<RecordEditorRequest, FieldEditorRequest, GameInfoRequest, FileChooserRequest,
             ScreenshotRequest, GameMusicRequest, C64GameRequest, AmigaGameRequest,
             C64FreePlayerRequest, AmigaFreePlayerRequest, FreeMusicRequest, FolderScanRequest>();
        for (WindowKey key :
             {WindowKey::SystemConfig, WindowKey::ProgramOptions, WindowKey::Greetings,
              WindowKey::About, WindowKey::Relink, WindowKey::MissingFiles})
            t.ctx->windows.addFactory(key, [this, key] {
                opened << Opened{key};
                return new QWidget;
            });
    }
    void TearDown() override { t.ctx->windows.closeAll(); }

    template <class... Requests> void fake()
    {
        (t.ctx->windows.addFactory(Requests::key,
                                   [this] { return new FakeWindow<Requests>(opened); }),
         ...);
    }

    CatalogueStore store() { return CatalogueStore(t.catalogue.db()); }
    GameId add(const Game &game) { return store().addGame(game).value(); }
    // A null text is a Null column.
    GameId add(const QString &title, const QString &machine, const QString &gameFile = "/x/game",
               const QString &musicFile = {})
    {
        return add(game({{F::Title, title},
                         {F::Machine, machine},
                         {F::GameFile, gameFile},
                         {F::MusicFile, musicFile}}));
    }
    // Changes a stored game as another window would.
    template <class Change> void edit(GameId id, Change change)
    {
        Game game = store().game(id).value();
        change(game);
        ASSERT_TRUE(store().updateFields(game, Game::fields()).ok());
    }
    bool stored(GameId id) { return store().game(id).ok(); }

    MainWindow &open()
    {
        delete w;
        w = new MainWindow(*t.ctx);
        return *w;
    }

    template <class T> T *find(const char *name) const { return control<T>(w, name); }
    QTreeView *list() const { return find<QTreeView>("gameList"); }
    QCheckBox *box(const char *name) const { return find<QCheckBox>(name); }
    QString text(const char *name) const { return find<QLabel>(name)->text(); }
    void trigger(const char *action) const { find<QAction>(action)->trigger(); }

    QStringList titles() const
    {
        QStringList out;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            out << list()->model()->index(row, 0).data().toString();
        return out;
    }
    int selectedRow() const
    {
        const QModelIndexList rows = list()->selectionModel()->selectedIndexes();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    // The user's click on an entry.
    void selectRow(int row) { list()->setCurrentIndex(list()->model()->index(row, 0)); }
    void select(int id)
    {
        selectRow(static_cast<browser::GameListModel *>(list()->model())->rowOf(id));
        ASSERT_EQ(w->gameId(), id);
    }

    // The list, the selected row, the panel's title and the count shown.
    void expectScene(const QStringList &list, int row, const QString &shown)
    {
        EXPECT_EQ(titles(), list);
        EXPECT_EQ(selectedRow(), row);
        EXPECT_EQ(find<QGroupBox>("gameFrame")->title(), shown);
        EXPECT_EQ(text("countLabel"), QString::number(list.size()));
    }

    // What the dialogs showed, one line each: "beep", "Title: message", "Title? question".
    QStringList said() const
    {
        QStringList out;
        for (const FakeDialogs::Shown &d : t.dialogs.shown)
            out << (d.kind == FakeDialogs::Shown::Beep ? QString("beep") : d.title + ": " + d.text);
        return out;
    }

    TestContext t;
    QPointer<MainWindow> w;
    QList<Opened> opened;
};
