#pragma once

#include "windowrequests.h"

#include <QWidget>

class AppContext;
class QListWidget;
class QPushButton;

// "Associate Game": writes the files a player sent in its request into a game of the
// player's machine.
class AssociationEditor : public QWidget, public RequestTaker<AssociationRequest>
{
    Q_OBJECT
public:
    explicit AssociationEditor(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const AssociationRequest &request) override;

private:
    void refreshList();
    void onOkClicked();
    void refuse(const QString &why);

    AppContext &m_ctx;
    AssociationRequest m_request;
    QListWidget *m_gameList;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
};
