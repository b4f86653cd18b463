// The main window's detail panel: the shown game, its lamps, screenshots and credits, and
// the mouse on the panel (pop-up menus, double-click searches, screenshot clicks).
#include "mainwindow.h"

#include "appcontext.h"
#include "cataloguestore.h"
#include "creditnames.h"
#include "database.h"
#include "gamelistmodel.h"
#include "windowregistry.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
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

// Reads a picture file; a null image when the path is empty or the file is missing or not a
// picture.
QImage readPicture(const QString &path)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

} // namespace

bool MainWindow::showGame(int id)
{
    if (!m_ctx.db().isOpen())
        return false;
    auto game = CatalogueStore(m_ctx.db()).game(id);
    if (!game)
        return false;
    m_game = std::move(game).value();
    m_gameId = id;
    const std::pair<QLineEdit *, const QString &> fields[] = {{m_publisherEdit, m_game.publisher},
                                                              {m_teamEdit, m_game.team},
                                                              {m_machineEdit, m_game.machine},
                                                              {m_yearEdit, m_game.year},
                                                              {m_genreEdit, m_game.genre}};
    for (const auto &[edit, text] : fields) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
    m_gameTitle = m_game.title;
    updateFrameTitle();
    setLamp(m_gameLamp, m_game.gameFile);
    setLamp(m_musicLamp, m_game.musicFile);
    if (m_screenshotsShown) {
        showScreenshot(1, m_game.screenshot1);
        showScreenshot(2, m_game.screenshot2);
    }
    if (m_creditsShown)
        fillCreditLists();
    highlightShownGame();
    return true;
}

void MainWindow::fillCreditLists()
{
    const std::tuple<QListWidget *, const QString &, const QString &> lists[] = {
        {m_programmingList, m_game.programming, m_game.additionalProgramming},
        {m_designList, m_game.design, m_game.additionalDesign},
        {m_graphicsList, m_game.graphics, m_game.additionalGraphics},
        {m_musicList, m_game.music, m_game.additionalMusic}};
    for (const auto &[list, main, additional] : lists) {
        // A role without main names stays empty, whatever its additional field holds.
        list->clear();
        list->addItems(creditEntries(main, additional));
    }
}

void MainWindow::setLamp(QLabel *lamp, const QVariant &file)
{
    // Green: the file is there; red: no file set; amber: set, but the file is missing.
    const bool set = !catalogue::isEmptyValue(file);
    const QString path = set ? file.toString() : QString();
    const bool present = set && QFileInfo::exists(path);
    QPalette palette = lamp->palette();
    palette.setColor(QPalette::Window, present ? QColor(0, 128, 0)
                                       : set   ? QColor(255, 170, 0)
                                               : QColor(255, 0, 0));
    lamp->setPalette(palette);
    lamp->setToolTip(present ? tr("File present: %1").arg(path)
                     : set   ? tr("File missing: %1").arg(path)
                             : tr("No file"));
}

void MainWindow::showScreenshot(int which, const QString &path)
{
    QLabel *image = which == 1 ? m_screenshot1 : m_screenshot2;
    QLabel *none = which == 1 ? m_noScreenshot1 : m_noScreenshot2;
    QImage &picture = m_shotImages[size_t(which - 1)];
    picture = readPicture(path);
    fitScreenshot(which);
    const bool loaded = !picture.isNull();
    const bool missing = !path.isEmpty() && !QFileInfo::exists(path);
    none->setText(missing ? tr("FILE MISSING") : tr("NO SCREENSHOT"));
    none->setToolTip(missing ? tr("Screenshot file missing: %1").arg(path) : QString());
    none->setVisible(!loaded);
    image->setToolTip(loaded    ? tr("Click to view the screenshot at full size")
                      : missing ? tr("Screenshot file missing: %1").arg(path)
                                : QString());
}

void MainWindow::fitScreenshot(int which)
{
    QLabel *image = which == 1 ? m_screenshot1 : m_screenshot2;
    const QImage &picture = m_shotImages[size_t(which - 1)];
    if (picture.isNull()) {
        image->clear();
        return;
    }
    const QSize room = image->contentsRect().size();
    image->setPixmap(
        QPixmap::fromImage(picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void MainWindow::openScreenshot(int which)
{
    if (m_gameId != 0)
        m_ctx.windows.open(ScreenshotRequest{m_gameId, which});
}

void MainWindow::updateFrameTitle()
{
    // A long title is shortened on screen so that it never widens the panel.
    const int room = std::max(40, m_gameFrame->parentWidget()->width() - 32);
    const QString shown = m_gameFrame->fontMetrics().elidedText(m_gameTitle, Qt::ElideRight, room);
    m_gameFrame->setTitle(shown);
    m_gameFrame->setToolTip(shown == m_gameTitle ? QString() : m_gameTitle);
}

void MainWindow::clearGame()
{
    m_game = Game();
    m_gameId = 0;
    for (QLineEdit *edit : {m_publisherEdit, m_teamEdit, m_machineEdit, m_yearEdit, m_genreEdit})
        edit->clear();
    for (QListWidget *list : {m_programmingList, m_designList, m_graphicsList, m_musicList})
        list->clear();
    m_gameTitle.clear();
    updateFrameTitle();
    setLamp(m_gameLamp, QVariant());
    setLamp(m_musicLamp, QVariant());
    showScreenshot(1, QString());
    showScreenshot(2, QString());
    highlightShownGame();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_gameFrame && event->type() == QEvent::Resize)
        updateFrameTitle();
    if ((watched == m_screenshot1 || watched == m_screenshot2) && event->type() == QEvent::Resize)
        fitScreenshot(watched == m_screenshot1 ? 1 : 2);
    const QEvent::Type type = event->type();
    if (watched == m_gameList && type == QEvent::KeyPress &&
        handleListKey(static_cast<QKeyEvent *>(event)->key()))
        return true;
    if (watched == m_findEdit && type == QEvent::KeyPress &&
        handleFindKey(static_cast<QKeyEvent *>(event)->key()))
        return true;
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
         type == QEvent::MouseButtonDblClick) &&
        handlePanelMouse(watched, static_cast<QMouseEvent *>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleListKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        onPlayClicked();
        return true;
    case Qt::Key_Delete:
        onDeleteClicked();
        return true;
    default:
        return false;
    }
}

QListWidget *MainWindow::creditListOf(QObject *watched) const
{
    for (QListWidget *list : {m_programmingList, m_designList, m_graphicsList, m_musicList})
        if (watched == list->viewport())
            return list;
    return nullptr;
}

QMenu *MainWindow::popupMenuFor(QObject *watched) const
{
    const bool field =
        std::find(m_fieldLabels.begin(), m_fieldLabels.end(), watched) != m_fieldLabels.end();
    if (field || watched == m_gameFrame || watched == m_publisherEdit || watched == m_teamEdit ||
        watched == m_machineEdit || watched == m_yearEdit || watched == m_genreEdit)
        return m_gameFieldMenu;
    if (watched == m_screenshot1 || watched == m_screenshot2)
        return m_screenshotMenu;
    if (watched == m_gameList->viewport())
        return m_gameFileMenu;
    const QListWidget *list = creditListOf(watched);
    if (list == m_programmingList)
        return m_programmingMenu;
    if (list == m_designList)
        return m_designMenu;
    if (list == m_graphicsList)
        return m_graphicsMenu;
    if (list == m_musicList)
        return m_musicMenu;
    return nullptr;
}

bool MainWindow::handlePanelMouse(QObject *watched, QMouseEvent *mouse)
{
    const QEvent::Type type = mouse->type();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
        QMenu *menu = popupMenuFor(watched);
        if (menu)
            menu->popup(mouse->globalPosition().toPoint());
        return menu != nullptr;
    }
    if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton)
        return handleDoubleClick(watched, mouse);
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
        (watched == m_screenshot1 || watched == m_screenshot2)) {
        openScreenshot(watched == m_screenshot1 ? 1 : 2);
        return true;
    }
    return false;
}

bool MainWindow::handleDoubleClick(QObject *watched, QMouseEvent *mouse)
{
    if (QListWidget *list = creditListOf(watched)) {
        // Only a name starts a search: not the separator, a blank line or the empty space.
        QListWidgetItem *item = list->itemAt(mouse->position().toPoint());
        if (!item || item->text().trimmed().isEmpty() || item->text() == kAdditionalSeparator)
            return true;
        list->setCurrentItem(item);
        searchFor(item->text());
        return true;
    }
    for (QLineEdit *edit : {m_publisherEdit, m_teamEdit, m_machineEdit, m_yearEdit, m_genreEdit})
        if (watched == edit) {
            searchFor(edit->text());
            return true;
        }
    if (watched == m_gameFrame) {
        searchFor(m_gameTitle);
        return true;
    }
    // The field labels have no double-click of their own.
    return std::find(m_fieldLabels.begin(), m_fieldLabels.end(), watched) != m_fieldLabels.end();
}
