#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class QProgressBar;
class QPushButton;

namespace merrow
{

// Export window: runs the export to the file chosen in the path chooser.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(AppContext &ctx, QWidget *parent = nullptr);

    void Command1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_ctx;
    bool m_busy = false;
    QLabel *m_status = nullptr;
    QPushButton *m_start = nullptr;
    QProgressBar *m_progress = nullptr;
};

} // namespace merrow
