// The main window's detail panel: the shown game, its lamps, screenshots and credits.
#include "mainwindow.h"

#include "appcontext.h"
#include "credits.h"
#include "database.h"
#include "gamelistmodel.h"

#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

using namespace browser;

namespace
{

void paintLamp(QLabel *lamp, bool present)
{
    // The legacy colour values 32768 (green) and 255 (red).
    QPalette palette = lamp->palette();
    palette.setColor(QPalette::Window, present ? QColor(0, 128, 0) : QColor(255, 0, 0));
    lamp->setPalette(palette);
    lamp->setToolTip(present ? QStringLiteral("File present") : QStringLiteral("No file"));
}

// Shows a picture file in a screenshot box, scaled to fit; false when the path is empty
// or the file is missing or not a picture.
bool loadPicture(QLabel *image, const QString &path)
{
    image->clear();
    if (path.isEmpty())
        return false;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return false;
    const QSize room = image->contentsRect().size();
    image->setPixmap(
        QPixmap::fromImage(picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    return true;
}

} // namespace

void Form1::List1_Click()
{
    const int row = listIndex();
    if (!m_selectById && row < 0)
        return;
    showGame(m_selectById ? m_targetid : m_model->idAt(row));
    m_selectById = false;
}

bool Form1::showGame(int id)
{
    if (!m_ctx.db().isOpen())
        return false;
    const auto record =
        catalogue::fetchOne(m_ctx.db(), QStringLiteral("select * from tabella1 where id=?"), {id});
    if (!record)
        return false;
    m_record = *record;
    auto text = [this](const char *column) {
        return m_record.value(QLatin1String(column)).toString();
    };
    Text1->setText(text("sh"));
    Text2->setText(text("team"));
    Text3->setText(text("formato"));
    Text14->setText(text("year"));
    Text15->setText(text("tipo"));
    Text6->setText(text("programming"));
    Text13->setText(text("design"));
    Text7->setText(text("graphics"));
    Text8->setText(text("music"));
    Text11->setText(text("addprogramming"));
    Text10->setText(text("adddesign"));
    Text9->setText(text("addgraphics"));
    Text17->setText(text("addmusic"));
    Text12->setText(text("others"));
    for (QLineEdit *box : {Text1, Text2, Text3, Text14, Text15})
        box->setCursorPosition(0);
    // A changed id refills the credit lists through Text5's change.
    Text5->setText(text("id"));

    m_frameTitle = text("titolo");
    updateFrameTitle();
    setGameLamp(!catalogue::isEmptyValue(m_record.value(QStringLiteral("emul1"))));
    setMusicLamp(!catalogue::isEmptyValue(m_record.value(QStringLiteral("song"))));
    if (m_showScreenshots) {
        showScreenshot(1, text("screen1"));
        showScreenshot(2, text("screen2"));
    }
    return true;
}

int Form1::currentId() const
{
    return Text5->text().toInt();
}

void Form1::Text5_Change()
{
    if (!m_showCredits)
        return;
    for (QListWidget *list : {List2, List3, List4, List5})
        list->clear();
    riempiprog();
    riempides();
    riempigrfx();
    riempimus();
}

void Form1::fillCredits(QListWidget *list, const QString &mainColumn, const QString &addColumn)
{
    // A role without main names stays empty, whatever its additional column holds.
    list->clear();
    list->addItems(
        creditEntries(m_record.value(mainColumn).toString(), m_record.value(addColumn).toString()));
}

void Form1::riempiprog()
{
    fillCredits(List2, QStringLiteral("programming"), QStringLiteral("addprogramming"));
}

void Form1::riempides()
{
    fillCredits(List3, QStringLiteral("design"), QStringLiteral("adddesign"));
}

void Form1::riempigrfx()
{
    fillCredits(List4, QStringLiteral("graphics"), QStringLiteral("addgraphics"));
}

void Form1::riempimus()
{
    fillCredits(List5, QStringLiteral("music"), QStringLiteral("addmusic"));
}

void Form1::setGameLamp(bool present)
{
    paintLamp(Picture3, present);
}

void Form1::setMusicLamp(bool present)
{
    paintLamp(Picture4, present);
}

void Form1::showScreenshot(int which, const QString &path)
{
    QLabel *image = which == 1 ? Image2 : Image1;
    QLabel *none = which == 1 ? Label9 : Label10;
    none->hide();
    const bool loaded = loadPicture(image, path);
    none->setVisible(!loaded);
    image->setToolTip(loaded ? QStringLiteral("Click to view the screenshot at full size")
                             : QString());
}

void Form1::openScreenshot(int which)
{
    // Without a selected entry the shown game is the one the user is looking at.
    const int row = listIndex();
    const int id = row >= 0 ? m_model->idAt(row) : currentId();
    if (id == 0)
        return;
    m_ctx.selectedid = id;
    m_ctx.whichshot = which;
    m_ctx.windows.show(QStringLiteral("scrshots"));
}

void Form1::updateFrameTitle()
{
    // A long title is shortened on screen so that it never widens the panel.
    const int room = std::max(40, Frame1->parentWidget()->width() - 32);
    const QString shown = Frame1->fontMetrics().elidedText(m_frameTitle, Qt::ElideRight, room);
    Frame1->setTitle(shown);
    Frame1->setToolTip(shown == m_frameTitle ? QString() : m_frameTitle);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1 && event->type() == QEvent::Resize)
        updateFrameTitle();
    if (handlePanelMouse(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::handlePanelMouse(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const auto creditList = [&]() -> QListWidget * {
        for (QListWidget *list : {List2, List3, List4, List5})
            if (watched == list->viewport())
                return list;
        return nullptr;
    }();
    const QList<QObject *> fieldBoxes{Text1, Text2, Text3, Text14, Text15};
    const QList<QObject *> fieldLabels{Label2, Label3, Label4, Label11, Label25};

    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
        QMenu *menu = nullptr;
        if (watched == Frame1 || fieldBoxes.contains(watched) || fieldLabels.contains(watched))
            menu = ppt;
        else if (watched == Image1 || watched == Image2)
            menu = mss;
        else if (watched == List1->viewport())
            menu = ass;
        else if (creditList == List2)
            menu = ppp;
        else if (creditList == List3)
            menu = ppd;
        else if (creditList == List4)
            menu = pp;
        else if (creditList == List5)
            menu = ppm;
        if (!menu)
            return false;
        menu->popup(mouse->globalPosition().toPoint());
        return true;
    }
    if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
        if (creditList) {
            QListWidgetItem *item = creditList->itemAt(mouse->position().toPoint());
            if (item)
                creditList->setCurrentItem(item);
            searchFor(item ? item->text() : QString());
            return true;
        }
        if (fieldBoxes.contains(watched)) {
            searchFor(static_cast<QLineEdit *>(watched)->text());
            return true;
        }
        if (watched == Frame1) {
            searchFor(m_frameTitle);
            return true;
        }
        // The field labels have no double-click of their own.
        return fieldLabels.contains(watched);
    }
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
        (watched == Image1 || watched == Image2)) {
        openScreenshot(watched == Image2 ? 1 : 2);
        return true;
    }
    return false;
}

void Form1::clearGame()
{
    m_record = QSqlRecord();
    for (QLineEdit *box : {Text1, Text2, Text3, Text14, Text15, Text6, Text13, Text7, Text8, Text11,
                           Text10, Text9, Text17, Text12})
        box->clear();
    Text5->clear(); // empties the credit lists
    m_frameTitle.clear();
    updateFrameTitle();
    setGameLamp(false);
    setMusicLamp(false);
    showScreenshot(1, QString());
    showScreenshot(2, QString());
}
