#pragma once

#include "associationkinds.h"

#include <QWidget>

class AppContext;
class QListWidget;

// Form3, "Associate Game": writes the files chosen in a player window into a game of
// the matching machine.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    explicit Form3(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    // Opened again from another player while open: lists that player's games.
    void Form_Activate();
    void Command1_Click(); // "OK"
    void Command2_Click(); // "Cancel"

    const AssociationKind &kind() const { return m_kind; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void refuse(const QString &why);

    AppContext &m_ctx;
    AssociationKind m_kind;
    QListWidget *m_list;
};
