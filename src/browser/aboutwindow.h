#pragma once

#include <QWidget>

class AppContext;
class QLabel;

// The About window: program, version, supported emulators and the catalogue's version.
class About : public QWidget
{
    Q_OBJECT
public:
    explicit About(AppContext &ctx, QWidget *parent = nullptr);

    void Command1_Click(); // "EXIT"

    QLabel *lblVersion = nullptr; // after "Database Version:"

private:
    AppContext &m_ctx;
};
