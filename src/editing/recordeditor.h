#pragma once

#include "editorrules.h"
#include "windowrequests.h"

#include <QList>
#include <QVariantMap>
#include <QWidget>

#include <optional>
#include <utility>

class AppContext;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
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
    void buildMainRows(QGridLayout *grid, int &row);
    void buildCreditRows(QGridLayout *grid, int &row);
    void buildFileRows(QGridLayout *grid, int &row);
    QGroupBox *buildDiskGroup();
    QLayout *buildButtons();
    QLineEdit *addEdit(QLineEdit *RecordEditor::*member, const char *objectName);
    QPushButton *addPickButton(QWidget *parent, QPushButton *RecordEditor::*member,
                               const char *objectName, editorrules::PickButton button);

    void onPickClicked(editorrules::PickButton button);
    void onFilePicked(ChooserPurpose purpose, const QString &path);
    void onChooserClosed();
    void onMachineEdited(const QString &machine);
    void onDisksClicked();
    void onCloseDisksClicked();
    void onSaveClicked();
    void onModifyClicked();
    bool saveNew(bool asking);
    bool saveChanges(bool asking);
    bool askToSaveOrDiscard();

    bool confirm(const QString &question, const QString &title, bool information);
    bool checkTitleAndMachine();
    void reportSaveFailure(const QString &error);
    void askForOtherDrives();
    bool reloadGame();
    QString machine() const;
    void showGame(const QVariantMap &row);
    void clearFields();
    QVariantMap gatherFields() const;
    // Each line edit with the column it shows.
    QList<std::pair<QString, QLineEdit *>> columnEdits() const;

    AppContext &m_ctx;
    EditMode m_mode = EditMode::New;
    int m_id = 0;
    // The game could not be read: its boxes are empty, not its fields.
    bool m_unread = false;
    // The fields as shown after the last load, clear or save: closing with others asks.
    QVariantMap m_shownFields;
    // The shown columns as last read: a save must not undo what others changed since.
    QVariantMap m_loaded;
    // The chooser purpose a pick button is waiting for, and the disk slot of a game pick.
    std::optional<ChooserPurpose> m_waitingFor;
    int m_diskSlot = 0;

    QLineEdit *m_titleEdit = nullptr;
    QLineEdit *m_publisherEdit = nullptr;
    QLineEdit *m_genreEdit = nullptr;
    QLineEdit *m_teamEdit = nullptr;
    QLineEdit *m_yearEdit = nullptr;
    QComboBox *m_machineBox = nullptr;
    QLineEdit *m_designEdit = nullptr;
    QLineEdit *m_programmingEdit = nullptr;
    QLineEdit *m_graphicsEdit = nullptr;
    QLineEdit *m_musicEdit = nullptr;
    QLineEdit *m_additionalDesignEdit = nullptr;
    QLineEdit *m_additionalProgrammingEdit = nullptr;
    QLineEdit *m_additionalGraphicsEdit = nullptr;
    QLineEdit *m_additionalMusicEdit = nullptr;
    QPlainTextEdit *m_othersEdit = nullptr;
    QPlainTextEdit *m_noteEdit = nullptr;
    QLineEdit *m_gameFileEdit = nullptr;
    QLineEdit *m_musicFileEdit = nullptr;
    QLineEdit *m_screenshot1Edit = nullptr;
    QLineEdit *m_screenshot2Edit = nullptr;
    QLineEdit *m_floppy1Edit = nullptr;
    QLineEdit *m_floppy2Edit = nullptr;
    QLineEdit *m_floppy3Edit = nullptr;
    QPushButton *m_pickGameButton = nullptr;
    QPushButton *m_pickMusicButton = nullptr;
    QPushButton *m_pickScreenshot1Button = nullptr;
    QPushButton *m_pickScreenshot2Button = nullptr;
    QPushButton *m_pickFloppy1Button = nullptr;
    QPushButton *m_pickFloppy2Button = nullptr;
    QPushButton *m_pickFloppy3Button = nullptr;
    QPushButton *m_disksButton = nullptr;
    QGroupBox *m_diskGroup = nullptr;
    QPushButton *m_closeDisksButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_modifyButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};
