#pragma once

#include <QWidget>

class AppContext;
class QCheckBox;

// "Vantrel Configuration": the main window's two layout modes and whether the Amiga
// emulators show their own interface.
class Form4 : public QWidget
{
    Q_OBJECT
public:
    explicit Form4(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    void OK_Click();
    void Exit_Click();

private:
    AppContext &m_ctx;
    QCheckBox *m_check1;
    QCheckBox *m_check2;
    QCheckBox *m_check3;
    QCheckBox *m_check4;
};
