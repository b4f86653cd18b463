#pragma once

#include <QMainWindow>

struct AppContext;

namespace merrow {

// The utility's menu window, its start-up window.
class Form3 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form3(AppContext &ctx, QWidget *parent = nullptr);

private:
    AppContext &m_ctx;
};

} // namespace merrow
