#pragma once

#include <QWidget>

class AppContext;
class QLabel;

// The screenshot viewer: one screenshot of a game at its natural size, in a window sized
// to it, that closes as soon as another window becomes active.
class scrshots : public QWidget
{
    Q_OBJECT
public:
    explicit scrshots(AppContext &ctx, QWidget *parent = nullptr);

    // Closes the viewer once it has been active and stops being so.
    void Form_Deactivate();
    bool hasPicture() const { return m_hasPicture; }

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr; // "NO IMAGES AVAIABLE"

protected:
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    bool loadPicture(const QString &path);

    AppContext &m_ctx;
    bool m_hasPicture = false;
    bool m_wasActive = false;
};
