#pragma once

#include <QWidget>

class AppContext;
struct FieldCode;
class QLabel;
class QLineEdit;

// Form6: changes one credit (or a credit and its "Additional" companion) of one game.
class Form6 : public QWidget
{
    Q_OBJECT
public:
    explicit Form6(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    void Command1_Click(); // "Modify"
    void Command2_Click(); // "Cancel"

private:
    AppContext &m_ctx;
    const FieldCode *m_code = nullptr;
    int m_id = 0;
    // The game could not be read: its boxes are empty, not its fields.
    bool m_unread = false;
    QLabel *m_label1;
    QLineEdit *m_text1;
    QLabel *m_label2;
    QLineEdit *m_text2;
};
