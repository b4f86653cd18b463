#pragma once

#include <QMainWindow>

class AppContext;
class QLabel;

namespace merrow
{

// The utility's menu window, its start-up window.
class Form3 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form3(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Activate();
    void Imp_Click();
    void exp_Click();
    void abo_Click();

protected:
    void changeEvent(QEvent *event) override;

private:
    AppContext &m_ctx;
    QLabel *m_loading = nullptr;
};

} // namespace merrow
