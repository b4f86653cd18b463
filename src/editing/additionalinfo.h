#pragma once

#include <QWidget>

class AppContext;
class QPlainTextEdit;

// Form2: "Additional Info", the other credits and the note of one game. It lives only
// while it is the active window.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    void Form_Deactivate();

protected:
    void changeEvent(QEvent *event) override;

private:
    AppContext &m_ctx;
    QPlainTextEdit *m_others;
    QPlainTextEdit *m_note;
    bool m_wasActive = false;
};
