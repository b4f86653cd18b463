#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class QVBoxLayout;

// The About window: program, version, the emulators and players that can start here, and
// the catalogue's version.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindow(AppContext &ctx, QWidget *parent = nullptr);

private:
    void addTitle(QVBoxLayout *layout);
    void addCatalogueVersion(QVBoxLayout *layout);
    void addExitButton(QVBoxLayout *layout);

    AppContext &m_ctx;
    QLabel *m_catalogueVersionLabel = nullptr; // after "Database Version:"
    QLabel *m_programsLabel = nullptr;         // one line a machine, or how to configure
};
