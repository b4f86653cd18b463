#pragma once

#include "gamecommand.h"

#include <QWidget>

#include <array>

class QListView;
class QStringListModel;
struct Game;

namespace browser
{

// The shown game's credits: programming, design, graphics and music, each a list of the
// names with the additional names below a separator line.
class CreditBand : public QWidget
{
    Q_OBJECT
public:
    explicit CreditBand(QWidget *parent = nullptr);

    void showCredits(const Game &game);

Q_SIGNALS:
    // A double-click on a name.
    void nameChosen(const QString &name);
    void popupRequested(browser::PopupMenu menu, const QPoint &globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Role {
        QListView *view = nullptr;
        QStringListModel *names = nullptr;
        PopupMenu menu;
    };

    void chooseNameAt(const Role &role, const QPoint &position);

    std::array<Role, 4> m_roles;
};

} // namespace browser
