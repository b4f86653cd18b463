#pragma once

#include "gamecommand.h"

#include <QImage>
#include <QWidget>

#include <array>

class QLabel;

namespace browser
{

// The shown game's two screenshots, one above the other, each scaled to its box with a
// "NO SCREENSHOT" or "FILE MISSING" caption when there is no picture to draw.
class ScreenshotColumn : public QWidget
{
    Q_OBJECT
public:
    explicit ScreenshotColumn(QWidget *parent = nullptr);

    void showPictures(const QString &first, const QString &second);
    // Room for both at a C64's own resolution; the boxes shrink to their minimum.
    QSize sizeHint() const override;

Q_SIGNALS:
    void pictureClicked(int which); // 1 or 2
    void popupRequested(browser::PopupMenu menu, const QPoint &globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Shot {
        QLabel *image = nullptr;
        QLabel *caption = nullptr;
        QImage picture; // as read, scaled to the box when it resizes
    };

    void addShot(Shot &shot, const QString &name);
    void showPicture(Shot &shot, const QString &path);
    static void fit(Shot &shot);

    std::array<Shot, 2> m_shots;
};

} // namespace browser
