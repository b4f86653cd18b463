#pragma once

#include "amigaconfigwriter.h"
#include "testcatalogue.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A catalogue context with both emulators installed in a temporary folder: WinUAE with two
// templates in its "configurations" folder, WinFellow with one template beside it.
class AmigaSetup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(emulators.isValid());
        QDir root(emulators.path());
        ASSERT_TRUE(root.mkpath(QStringLiteral("uae/configurations")));
        ASSERT_TRUE(root.mkpath(QStringLiteral("fellow")));
        uaeExe = QDir::toNativeSeparators(root.filePath(QStringLiteral("uae/winuae")));
        fellowExe = QDir::toNativeSeparators(root.filePath(QStringLiteral("fellow/fellow")));
        uaeTemplates = root.filePath(QStringLiteral("uae/configurations"));
        fellowTemplates = root.filePath(QStringLiteral("fellow"));
        writeFile(uaeExe, "#!/bin/sh\n");
        writeFile(fellowExe, "#!/bin/sh\n");
        writeFile(uaeTemplates + QStringLiteral("/a500.uae"),
                  "floppy0=C:\\old.adf\r\nfloppy1=\r\nuse_gui=yes\r\n");
        writeFile(uaeTemplates + QStringLiteral("/b1200.uae"), "cpu=68020\r\nfloppy0=\r\n");
        writeFile(uaeTemplates + QStringLiteral("/notes.txt"), "not a template");
        writeFile(fellowTemplates + QStringLiteral("/std.wfc"),
                  "floppy0=\nfloppy1=\nfloppy2=\nfloppy3=\nusegui=yes\n");
        configure(uaeExe, fellowExe);
    }
    void TearDown() override { tc.ctx->windows.closeAll(); }

    AppContext &ctx() { return *tc.ctx; }

    void configure(const QVariant &uae, const QVariant &fellow)
    {
        tc.catalogue.setConfig({{QStringLiteral("uae"), uae}, {QStringLiteral("fellow"), fellow}});
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QString outputPath(AmigaEmulator emulator)
    {
        return ctx().paths.temp(amigaOutputName(emulator));
    }

    QByteArray output(AmigaEmulator emulator)
    {
        QFile f(outputPath(emulator));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }

    // The one "Select Emulator and Configuration" warning, after its beep.
    void expectStartFailureShown()
    {
        ASSERT_EQ(tc.dialogs.shown.size(), 2);
        EXPECT_EQ(tc.dialogs.shown[0].kind, FakeDialogs::Shown::Beep);
        EXPECT_EQ(tc.dialogs.shown[1].text, QStringLiteral("Select Emulator and Configuration"));
        EXPECT_EQ(tc.dialogs.shown[1].icon, Dialogs::Icon::Exclamation);
        EXPECT_EQ(tc.dialogs.shown[1].title, QStringLiteral("Attention"));
    }

    void expectBadConfigurationShown(const QString &emulator)
    {
        ASSERT_EQ(tc.dialogs.shown.size(), 2);
        EXPECT_EQ(tc.dialogs.shown[0].kind, FakeDialogs::Shown::Beep);
        EXPECT_EQ(tc.dialogs.shown[1].text, QStringLiteral("Bad configuration for ") + emulator);
        EXPECT_EQ(tc.dialogs.shown[1].icon, Dialogs::Icon::Critical);
        EXPECT_EQ(tc.dialogs.shown[1].title, QStringLiteral("Error"));
    }

    TestContext tc;
    QTemporaryDir emulators;
    QString uaeExe, fellowExe, uaeTemplates, fellowTemplates;
};
