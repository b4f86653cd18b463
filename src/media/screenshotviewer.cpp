#include "screenshotviewer.h"

#include "appcontext.h"
#include "database.h"
#include "opentest.h"
#include "placement.h"

#include <QEvent>
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

scrshots::scrshots(AppContext &ctx, QWidget *parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("scrshots"));
    setWindowTitle(QStringLiteral("Games Screenshots"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Label1 = new QLabel(QStringLiteral("NO IMAGES AVAIABLE"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    Label1->setFont(bold);
    Label1->hide();
    layout->addWidget(Image1);
    layout->addWidget(Label1);
    resize(kDesignedSize);
    Form_Load();
}

void scrshots::Form_Load()
{
    m_ctx.currentform = this;
    centreOnScreen(this);
    checkCatalogueOrWarn(m_ctx.dialogs, m_ctx.paths.catalogue);
    const auto record = catalogue::fetchOne(
        m_ctx.db(), QStringLiteral("select * from tabella1 where id=?"), {m_ctx.selectedid});
    QString path;
    if (record) {
        setWindowTitle(record->value(QStringLiteral("formato")).toString() + QStringLiteral(": ") +
                       record->value(QStringLiteral("titolo")).toString());
        const QVariant screen1 = record->value(QStringLiteral("screen1"));
        const QVariant screen2 = record->value(QStringLiteral("screen2"));
        if (m_ctx.whichshot == 1 && !catalogue::isEmptyValue(screen1))
            path = screen1.toString();
        else if (m_ctx.whichshot == 2 && !catalogue::isEmptyValue(screen2))
            path = screen2.toString();
    }
    // An empty field, a missing file and a file that is no picture all read the same.
    if (path.isEmpty() || !loadPicture(path)) {
        Image1->hide();
        Label1->show();
        return;
    }
    adjustSize();
    setFixedSize(size());
    centreOnScreen(this);
}

bool scrshots::loadPicture(const QString &path)
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
    Image1->setPixmap(QPixmap::fromImage(picture));
    Image1->setFixedSize(picture.size());
    m_hasPicture = true;
    return true;
}

void scrshots::Form_Deactivate()
{
    if (m_wasActive)
        close();
}

void scrshots::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        m_wasActive = true;
    else
        Form_Deactivate();
}
