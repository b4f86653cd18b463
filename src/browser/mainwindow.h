#pragma once

#include <QMainWindow>

struct AppContext;

// The catalogue browser's main window.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};
