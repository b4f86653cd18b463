#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class QPushButton;

// "Select SoundPlayer": plays the selected game's song with one of the configured players.
class Form7 : public QWidget
{
    Q_OBJECT
public:
    explicit Form7(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

private:
    void capbut(int button);
    void play(const QString &player);

    AppContext &m_ctx;
    QPushButton *m_command1;
    QPushButton *m_command2;
    QLabel *m_label1;
    QString m_player1;
    QString m_player2;
    QString m_song;
};
