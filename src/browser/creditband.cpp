#include "creditband.h"

#include "creditnames.h"
#include "game.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QStringListModel>
#include <QVBoxLayout>

namespace browser
{
namespace
{

// The four lists, in their order on screen.
struct RoleSpec {
    const char *name;
    const char *caption;
    PopupMenu menu;
    QString Game::*main;
    QString Game::*additional;
};

constexpr RoleSpec kRoles[] = {
    {"programmingList", QT_TRANSLATE_NOOP("browser::CreditBand", "Programming"),
     PopupMenu::Programming, &Game::programming, &Game::additionalProgramming},
    {"designList", QT_TRANSLATE_NOOP("browser::CreditBand", "Design / Concept"), PopupMenu::Design,
     &Game::design, &Game::additionalDesign},
    {"graphicsList", QT_TRANSLATE_NOOP("browser::CreditBand", "Graphics"), PopupMenu::Graphics,
     &Game::graphics, &Game::additionalGraphics},
    {"musicList", QT_TRANSLATE_NOOP("browser::CreditBand", "Music / Sfx"), PopupMenu::Music,
     &Game::music, &Game::additionalMusic}};

// Room for a handful of names; the list scrolls for more.
constexpr int kShownNames = 5;

} // namespace

CreditBand::CreditBand(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("creditBand"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < m_roles.size(); ++i) {
        const RoleSpec &spec = kRoles[i];
        Role &role = m_roles[i];
        auto *column = new QVBoxLayout;
        auto *label = new QLabel(tr(spec.caption), this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        role.names = new QStringListModel(this);
        role.view = new QListView(this);
        role.view->setObjectName(QLatin1String(spec.name));
        role.view->setModel(role.names);
        role.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // The four share the band's width, whatever it is.
        role.view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        role.view->setMinimumWidth(role.view->fontMetrics().averageCharWidth() * 8);
        role.view->setFixedHeight(role.view->fontMetrics().height() * kShownNames +
                                  2 * role.view->frameWidth() + 4);
        role.view->viewport()->installEventFilter(this);
        role.menu = spec.menu;
        column->addWidget(label);
        column->addWidget(role.view);
        layout->addLayout(column);
    }
}

void CreditBand::showCredits(const Game &game)
{
    // A role without main names stays empty, whatever its additional text holds.
    for (size_t i = 0; i < m_roles.size(); ++i)
        m_roles[i].names->setStringList(
            creditEntries(game.*kRoles[i].main, game.*kRoles[i].additional));
}

bool CreditBand::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    for (const Role &role : m_roles) {
        if (watched != role.view->viewport())
            continue;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
            Q_EMIT popupRequested(role.menu, mouse->globalPosition().toPoint());
            return true;
        }
        if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
            chooseNameAt(role, mouse->position().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CreditBand::chooseNameAt(const Role &role, const QPoint &position)
{
    // Only a name starts a search: not the separator, a blank line or the empty space.
    const QModelIndex index = role.view->indexAt(position);
    const QString name = index.data().toString();
    if (!index.isValid() || name.trimmed().isEmpty() || name == kAdditionalSeparator)
        return;
    role.view->setCurrentIndex(index);
    Q_EMIT nameChosen(name);
}

} // namespace browser
