#include "screenshotviewer.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "opentest.h"
#include "placement.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace
{

// The designed size, kept when there is no picture to size the window to.
const QSize kDesignedSize(twipsToPixels(5090), twipsToPixels(3940));
constexpr int kMargin = 8;

} // namespace

ScreenshotViewer::ScreenshotViewer(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_pictureLabel(new QLabel(this)),
      m_noImagesLabel(new QLabel(tr("NO IMAGES AVAILABLE"), this))
{
    setObjectName(QStringLiteral("ScreenshotViewer"));
    closeOnEscape(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    m_pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    m_noImagesLabel->setObjectName(QStringLiteral("noImagesLabel"));
    m_noImagesLabel->setAlignment(Qt::AlignCenter);
    m_noImagesLabel->setWordWrap(true);
    QFont bold = m_noImagesLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_noImagesLabel->setFont(bold);
    layout->addWidget(m_pictureLabel);
    layout->addWidget(m_noImagesLabel);
}

bool ScreenshotViewer::takeRequest(const ScreenshotRequest &request)
{
    showScreenshot(request.gameId, request.which);
    return true;
}

void ScreenshotViewer::showScreenshot(int gameId, int which)
{
    // A viewer asked again starts over from the designed size and caption.
    setWindowTitle(tr("Games Screenshots"));
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(kDesignedSize);
    m_hasPicture = false;
    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    const auto game = CatalogueStore(m_ctx.db()).game(gameId);
    QString path;
    if (game) {
        setWindowTitle(game->machine + QStringLiteral(": ") + game->title);
        const QString &shot = which == 2 ? game->screenshot2 : game->screenshot1;
        if ((which == 1 || which == 2) && !shot.isEmpty())
            path = shot;
    }
    // A file that is set but gone is named; an empty field or a file that is no picture
    // shows the plain caption.
    m_noImagesLabel->setText(!path.isEmpty() && !QFileInfo::exists(path)
                                 ? tr("SCREENSHOT FILE MISSING\n%1").arg(path)
                                 : tr("NO IMAGES AVAILABLE"));
    if (path.isEmpty() || !loadPicture(path)) {
        showNoImages();
        return;
    }
    m_noImagesLabel->hide();
    m_pictureLabel->show();
    adjustSize();
    setFixedSize(size());
    centreOnScreen(this);
}

void ScreenshotViewer::showNoImages()
{
    m_pictureLabel->hide();
    m_noImagesLabel->show();
    centreOnScreen(this);
}

bool ScreenshotViewer::loadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return false;
    // Natural size, unless the screen is smaller than the picture.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() * 9 / 10;
        if (picture.width() > room.width() || picture.height() > room.height())
            picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    m_pictureLabel->setPixmap(QPixmap::fromImage(picture));
    m_pictureLabel->setFixedSize(picture.size());
    m_hasPicture = true;
    return true;
}

void ScreenshotViewer::closeIfWasActive()
{
    if (m_wasActive)
        close();
}

void ScreenshotViewer::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        m_wasActive = true;
    else
        closeIfWasActive();
}
