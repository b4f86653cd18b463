#pragma once

#include <QWidget>

class MusicPlayer;
class QCheckBox;
class QLabel;
class QSlider;
class QToolButton;

// Play/pause, stop, previous/next subtune, elapsed and length, volume, and whether the
// next subtune follows when the song length runs out. Closing the bar's window stops the
// sound.
class PlayerBar : public QWidget
{
    Q_OBJECT
public:
    explicit PlayerBar(MusicPlayer &player, QWidget *parent = nullptr);
    ~PlayerBar() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void playOrPause();
    void step(int by);
    void startSubtune(int subtune);
    void showFailure(const QString &message);
    void refresh();
    void refreshTime();

    MusicPlayer &m_player;
    QToolButton *m_playPause;
    QToolButton *m_stop;
    QToolButton *m_previous;
    QToolButton *m_next;
    QLabel *m_subtune;
    QLabel *m_time;
    QSlider *m_volume;
    QCheckBox *m_advance;
    QLabel *m_status;
    QWidget *m_watchedWindow = nullptr;
};
