#include "screenshotcolumn.h"

#include "namedwidget.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace browser
{
namespace
{

const QSize kShotSize(160, 100); // the smallest screenshot box

// A null image when the path is empty or the file is missing or not a picture.
QImage readPicture(const QString &path)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

ScreenshotColumn::ScreenshotColumn(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("screenshotColumn"));
    setMinimumWidth(kShotSize.width());
    new QVBoxLayout(this);
    layout()->setContentsMargins(0, 0, 0, 0);
    addShot(m_shots[0], QStringLiteral("screenshot1"));
    addShot(m_shots[1], QStringLiteral("screenshot2"));
}

void ScreenshotColumn::addShot(Shot &shot, const QString &name)
{
    auto *cell = new QGridLayout;
    shot.image = namedWidget<QLabel>(name, QString(), this);
    // The box follows the room it is given, never its picture: the picture is scaled to
    // the box, keeping its aspect.
    shot.image->setMinimumSize(kShotSize);
    shot.image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    shot.image->setAlignment(Qt::AlignCenter);
    shot.image->setFrameShape(QFrame::StyledPanel);
    shot.image->setCursor(Qt::PointingHandCursor);
    shot.image->installEventFilter(this);
    const QString captionName = QStringLiteral("no") + name.at(0).toUpper() + name.mid(1);
    shot.caption = namedWidget<QLabel>(captionName, tr("NO SCREENSHOT"), this);
    shot.caption->setAlignment(Qt::AlignCenter);
    shot.caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    shot.caption->setStyleSheet(QStringLiteral("color: palette(mid); font-weight: bold;"));
    shot.caption->hide();
    cell->addWidget(shot.image, 0, 0);
    cell->addWidget(shot.caption, 0, 0, Qt::AlignCenter);
    static_cast<QVBoxLayout *>(layout())->addLayout(cell, 1);
}

QSize ScreenshotColumn::sizeHint() const
{
    return {320, 2 * 200 + layout()->spacing()};
}

void ScreenshotColumn::showPictures(const QString &first, const QString &second)
{
    showPicture(m_shots[0], first);
    showPicture(m_shots[1], second);
}

void ScreenshotColumn::showPicture(Shot &shot, const QString &path)
{
    shot.picture = readPicture(path);
    fit(shot);
    const bool loaded = !shot.picture.isNull();
    const bool missing = !path.isEmpty() && !QFileInfo::exists(path);
    shot.caption->setText(missing ? tr("FILE MISSING") : tr("NO SCREENSHOT"));
    shot.caption->setToolTip(missing ? tr("Screenshot file missing: %1").arg(path) : QString());
    shot.caption->setVisible(!loaded);
    shot.image->setToolTip(loaded    ? tr("Click to view the screenshot at full size")
                           : missing ? tr("Screenshot file missing: %1").arg(path)
                                     : QString());
}

void ScreenshotColumn::fit(Shot &shot)
{
    if (shot.picture.isNull()) {
        shot.image->clear();
        return;
    }
    const QSize room = shot.image->contentsRect().size();
    shot.image->setPixmap(QPixmap::fromImage(
        shot.picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

bool ScreenshotColumn::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < int(m_shots.size()); ++i) {
        Shot &shot = m_shots[size_t(i)];
        if (watched != shot.image)
            continue;
        if (event->type() == QEvent::Resize)
            fit(shot);
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonRelease)
            break;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
            Q_EMIT popupRequested(PopupMenu::Screenshots, mouse->globalPosition().toPoint());
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton) {
            Q_EMIT pictureClicked(i + 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace browser
