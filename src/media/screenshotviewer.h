#pragma once

#include "windowrequests.h"

#include <QWidget>

class AppContext;
class QLabel;

// The screenshot viewer: one screenshot of a game at its natural size, in a window sized
// to it, that closes as soon as another window becomes active.
class ScreenshotViewer : public QWidget, public RequestTaker<ScreenshotRequest>
{
    Q_OBJECT
public:
    explicit ScreenshotViewer(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const ScreenshotRequest &request) override;
    // Closes the viewer once it has been active and stops being so.
    void closeIfWasActive();
    bool hasPicture() const { return m_hasPicture; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void showScreenshot(int gameId, int which);
    void showNoImages();
    bool loadPicture(const QString &path);

    AppContext &m_ctx;
    QLabel *m_pictureLabel;
    QLabel *m_noImagesLabel;
    bool m_hasPicture = false;
    bool m_wasActive = false;
};
