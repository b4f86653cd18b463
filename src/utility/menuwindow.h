#pragma once

#include <QMainWindow>

class AppContext;
class QAction;
class QLabel;

namespace merrow
{

// The utility's menu window, its start-up window.
class MenuWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MenuWindow(AppContext &ctx, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildMenu();
    void buildNotices();
    QLabel *addNotice(const QString &name, const QString &text);
    void onImportTriggered();
    void onExportTriggered();
    void onAboutTriggered();

    AppContext &m_ctx;
    QAction *m_importAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QLabel *m_logoLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_versionLabel = nullptr;
    QLabel *m_noticeLabel = nullptr;
    QLabel *m_loadingLabel = nullptr;
};

} // namespace merrow
