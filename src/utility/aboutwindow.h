#pragma once

#include <QWidget>

class AppContext;

namespace merrow
{

// About window of the utility.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();

private:
    AppContext &m_ctx;
};

} // namespace merrow
