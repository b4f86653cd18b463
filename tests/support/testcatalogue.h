#pragma once

#include "appcontext.h"
#include "fakedialogs.h"
#include "fakelauncher.h"
#include "windowregistry.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

// A fresh catalogue in a temporary folder, with helpers to add rows.
class TestCatalogue
{
public:
    TestCatalogue();
    ~TestCatalogue();

    QString dir() const { return m_dir.path(); }
    QString path() const { return m_path; }
    QSqlDatabase db();

    // Inserts a game; unknown keys fail the test. Returns its id.
    int addGame(const QVariantMap &fields);
    // Writes the configuration record (inserted when missing).
    void setConfig(const QVariantMap &fields);
    // One column of one game, or of the configuration record when id is 0.
    QVariant value(int id, const QString &column);
    int count(const QString &where = {}, const QVariantList &params = {});

private:
    QTemporaryDir m_dir;
    QString m_path;
    struct Conn;
    std::unique_ptr<Conn> m_conn;
};

// A context over a TestCatalogue with fake dialogs and launcher and a real registry.
struct TestContext {
    TestContext();
    ~TestContext();

    TestCatalogue catalogue;
    FakeDialogs dialogs;
    FakeLauncher launcher;
    WindowRegistry windows;
    QTemporaryDir temp;
    std::unique_ptr<AppContext> ctx;
};
