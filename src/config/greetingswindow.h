#pragma once

#include <QWidget>

class AppContext;

// "Vantrel Team's GREETINGS": the people who helped.
class Form10 : public QWidget
{
    Q_OBJECT
public:
    explicit Form10(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();

private:
    AppContext &m_ctx;
};
