#pragma once

#include "editorrules.h"
#include "game.h"
#include "windowrequests.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class AppContext;
class CatalogueStore;
class GameForm;
class GameSaver;
class QPushButton;

// The record editor: adds games one after the other (EditMode::New) or changes every
// field of one game (EditMode::Modify). File fields are picked through the file chooser.
class RecordEditor : public QWidget, public RequestTaker<RecordEditorRequest>
{
    Q_OBJECT
public:
    explicit RecordEditor(AppContext &ctx, QWidget *parent = nullptr);

    bool takeRequest(const RecordEditorRequest &request) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLayout *buildButtons();
    CatalogueStore store() const;
    GameSaver saver() const;

    void onPickClicked(editorrules::PickButton button);
    void onAddDiskClicked();
    void openChooser(editorrules::PickButton button, std::optional<Game::Field> field);
    void onChooserClosed();
    void onFilePicked(ChooserPurpose purpose, const QString &path);
    void onSaveClicked();
    void onModifyClicked();
    bool saveNew(bool asking);
    bool saveChanges(bool asking);
    bool askToSaveOrDiscard();

    bool confirm(const QString &question, const QString &title, bool information);
    bool checkSavable();
    void reportSaveFailure(const QString &error);
    void askForOtherDrives();
    bool reloadGame();
    void showGame(const Game &game, const QStringList &moreDisks = {});
    bool unchanged() const;

    AppContext &m_ctx;
    EditMode m_mode = EditMode::New;
    GameId m_id = 0;
    // The game could not be read: its boxes are empty, not its fields.
    bool m_unread = false;
    // The game as last read (empty for a new one): a save must not undo what others
    // changed since.
    Game m_loaded;
    // The fields as shown after the last load, clear or save: closing with others asks.
    Game m_shown;
    QStringList m_shownDisks;
    // The chooser purpose a pick button is waiting for, and the field it fills (none: the
    // further disks' list).
    std::optional<ChooserPurpose> m_waitingFor;
    std::optional<Game::Field> m_pickField;

    GameForm *m_form = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_modifyButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};
