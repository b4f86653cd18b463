#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class QListWidget;

// "Vantrel Team's GREETINGS": the people who helped.
class GreetingsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GreetingsWindow(AppContext &ctx, QWidget *parent = nullptr);

private:
    void fillLists();

    AppContext &m_ctx;
    QLabel *m_contributorsLabel;
    QListWidget *m_contributorsList;
    QLabel *m_supportersLabel;
    QListWidget *m_supportersList;
};
