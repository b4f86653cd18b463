#include "playerbar.h"

#include "musiccommands.h"
#include "musicplayer.h"
#include "musicservice.h"
#include "musicsettings.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

QToolButton *button(QWidget *parent, const QString &name, QStyle::StandardPixmap icon,
                    const QString &tip)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    return b;
}

} // namespace

PlayerBar::PlayerBar(MusicService &music, QWidget *parent)
    : QWidget(parent), m_music(music), m_player(music.player()),
      m_playPause(button(this, QStringLiteral("playPause"), QStyle::SP_MediaPlay, tr("Play"))),
      m_stop(button(this, QStringLiteral("stop"), QStyle::SP_MediaStop, tr("Stop"))),
      m_previous(button(this, QStringLiteral("previousSubtune"), QStyle::SP_MediaSkipBackward,
                        tr("Previous subtune"))),
      m_next(button(this, QStringLiteral("nextSubtune"), QStyle::SP_MediaSkipForward,
                    tr("Next subtune"))),
      m_subtune(new QLabel(this)), m_time(new QLabel(this)),
      m_volume(new QSlider(Qt::Horizontal, this)),
      m_advance(new QCheckBox(tr("Next subtune when the song ends"), this)),
      m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("playerBar"));
    m_subtune->setObjectName(QStringLiteral("subtune"));
    m_time->setObjectName(QStringLiteral("time"));
    m_volume->setObjectName(QStringLiteral("volume"));
    m_volume->setRange(0, 100);
    m_volume->setValue(m_player.volume());
    m_volume->setToolTip(tr("Volume"));
    m_advance->setObjectName(QStringLiteral("advance"));
    m_advance->setChecked(m_player.advances());
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    // Room for a refusal from the start: a small window does not grow for a wrapped label.
    m_status->setMinimumHeight(2 * m_status->fontMetrics().lineSpacing());
    m_volume->setMinimumWidth(12 * m_volume->fontMetrics().averageCharWidth());

    auto *controls = new QHBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(m_playPause), static_cast<QWidget *>(m_stop),
                       static_cast<QWidget *>(m_previous), static_cast<QWidget *>(m_subtune),
                       static_cast<QWidget *>(m_next), static_cast<QWidget *>(m_time)})
        controls->addWidget(w);
    controls->addStretch();
    controls->addWidget(m_volume);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins({});
    layout->addLayout(controls);
    layout->addWidget(m_advance);
    layout->addWidget(m_status);

    connect(m_playPause, &QToolButton::clicked, this, &PlayerBar::playOrPause);
    connect(m_stop, &QToolButton::clicked, &m_music, &MusicService::stopAll);
    connect(m_previous, &QToolButton::clicked, this, [this] { step(-1); });
    connect(m_next, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_volume, &QSlider::valueChanged, &m_player, &MusicPlayer::setVolume);
    connect(m_advance, &QCheckBox::toggled, &m_player, &MusicPlayer::setAdvance);
    connect(&m_player, &MusicPlayer::tuneLoaded, this, [this] {
        m_status->clear(); // what it said was of another tune
        refresh();
    });
    connect(&m_player, &MusicPlayer::stateChanged, this, &PlayerBar::refresh);
    connect(&m_music.external(), &ExternalPlayer::runningChanged, this, &PlayerBar::refresh);
    connect(&m_player, &MusicPlayer::elapsedChanged, this, &PlayerBar::refreshTime);
    connect(&m_player, &MusicPlayer::failed, this, [this](const QString &message) {
        if (holdsTune())
            showFailure(message);
    });
    refresh();
}

PlayerBar::~PlayerBar()
{
    if (holdsTune())
        m_player.stop();
}

void PlayerBar::setTune(const QString &path)
{
    const bool changed = !m_hasOwnTune || path != m_path;
    m_hasOwnTune = true;
    m_path = path;
    if (changed) {
        m_status->clear();
        refresh();
    }
}

bool PlayerBar::holdsTune() const
{
    return !m_hasOwnTune ||
           (!m_path.isEmpty() && m_player.owner() == this && m_player.path() == m_path);
}

void PlayerBar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (window() != m_watchedWindow) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = window();
        m_watchedWindow->installEventFilter(this);
    }
}

bool PlayerBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Close && holdsTune())
        m_player.stop();
    return QWidget::eventFilter(watched, event);
}

void PlayerBar::play()
{
    if (holdsTune() || m_path.isEmpty()) {
        startSubtune(m_player.hasTune() ? m_player.info().startSubtune : 1);
        return;
    }
    if (const Outcome loaded = m_player.load(m_path, music::savedSources(), this); !loaded) {
        showFailure(loaded.error());
        return;
    }
    startSubtune(m_player.subtune());
}

void PlayerBar::playOrPause()
{
    if (!holdsTune()) {
        play();
        return;
    }
    switch (m_player.state()) {
    case MusicPlayer::State::Playing:
        m_player.pause();
        break;
    case MusicPlayer::State::Paused:
        m_player.resume();
        break;
    case MusicPlayer::State::Stopped:
        startSubtune(m_player.subtune());
        break;
    }
}

void PlayerBar::step(int by)
{
    startSubtune(m_player.subtune() + by);
}

void PlayerBar::startSubtune(int subtune)
{
    if (!holdsTune() || !m_player.hasTune() || subtune < 1 || subtune > m_player.info().subtunes)
        return;
    if (const Outcome started = m_player.play(subtune); !started)
        showFailure(started.error());
    else
        m_status->clear();
    refresh();
}

void PlayerBar::showFailure(const QString &message)
{
    m_status->setText(message);
}

void PlayerBar::refresh()
{
    const bool held = holdsTune();
    const bool loaded = held && m_player.hasTune();
    const int count = loaded ? m_player.info().subtunes : 0;
    const int subtune = m_player.subtune();
    const bool playing = held && m_player.state() == MusicPlayer::State::Playing;
    {
        // Another bar may have changed what all bars share.
        const QSignalBlocker blockVolume(m_volume);
        const QSignalBlocker blockAdvance(m_advance);
        m_volume->setValue(m_player.volume());
        m_advance->setChecked(m_player.advances());
    }
    m_playPause->setEnabled(loaded || (m_hasOwnTune && !m_path.isEmpty()));
    m_playPause->setIcon(
        style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    m_playPause->setToolTip(playing ? tr("Pause") : tr("Play"));
    m_stop->setEnabled(m_player.state() != MusicPlayer::State::Stopped ||
                       m_music.external().pid() != 0);
    m_previous->setEnabled(loaded && subtune > 1);
    m_next->setEnabled(loaded && subtune < count);
    m_subtune->setText(loaded ? tr("%1 / %2").arg(subtune).arg(count) : QString());
    refreshTime();
}

void PlayerBar::refreshTime()
{
    if (!holdsTune() || !m_player.hasTune()) {
        m_time->clear();
        return;
    }
    const QString elapsed = music::formatLength(int(m_player.elapsedMs()));
    const auto length = m_player.info().lengthMs(m_player.subtune());
    m_time->setText(length ? tr("%1 / %2").arg(elapsed, music::formatLength(*length)) : elapsed);
}
