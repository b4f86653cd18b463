#pragma once

#include <QWidget>

class MusicPlayer;
class MusicService;
class QCheckBox;
class QLabel;
class QSlider;
class QToolButton;

// Play/pause, stop, previous/next subtune, elapsed and length, volume, and whether the
// next subtune follows when the song length runs out. Closing the bar's window stops the
// sound. A bar given a tune (setTune) loads it on Play and shows the shared player only
// while it plays that tune; a bar without one shows whatever the player holds. Stop ends
// whatever music plays, an external player's too.
class PlayerBar : public QWidget
{
    Q_OBJECT
public:
    explicit PlayerBar(MusicService &music, QWidget *parent = nullptr);
    ~PlayerBar() override;

    // The file Play loads; empty: nothing to play.
    void setTune(const QString &path);
    // Loads the bar's tune when the player holds another and plays its start subtune.
    void play();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Whether the player holds this bar's tune.
    bool holdsTune() const;
    void playOrPause();
    void step(int by);
    void startSubtune(int subtune);
    void showFailure(const QString &message);
    void refresh();
    void refreshTime();

    MusicService &m_music;
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
    QString m_path;
    bool m_hasOwnTune = false;
};
