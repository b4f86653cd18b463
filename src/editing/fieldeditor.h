#pragma once

#include "fieldlayout.h"
#include "game.h"
#include "windowrequests.h"

#include <QWidget>

class AppContext;
class QLabel;
class QLineEdit;
class QPushButton;

// Changes one field (or a credit and its "Additional" companion) of one game.
class FieldEditor : public QWidget, public RequestTaker<FieldEditorRequest>
{
    Q_OBJECT
public:
    explicit FieldEditor(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const FieldEditorRequest &request) override;

private:
    void showFields(const Game &game);
    void onModifyClicked();

    AppContext &m_ctx;
    FieldLayout m_layout;
    // The game could not be read: its boxes are empty, not its fields.
    bool m_unread = false;
    // The game as last read: a save must not undo what others changed since.
    Game m_loaded;
    QLabel *m_firstLabel;
    QLineEdit *m_firstEdit;
    QLabel *m_secondLabel;
    QLineEdit *m_secondEdit;
    QPushButton *m_modifyButton;
    QPushButton *m_cancelButton;
};
