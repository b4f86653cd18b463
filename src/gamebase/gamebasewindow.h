#pragma once

#include "backgroundjob.h"
#include "gamebasecommand.h"

#include <QWidget>

class AppContext;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// "Import GameBase…": takes a GameBase database and the folders of its games, tunes and
// screenshots, previews what the import would do, then imports with progress and Cancel.
class GameBaseWindow : public QWidget
{
    Q_OBJECT
public:
    // reader: the Jet reader program; the installed one when empty.
    explicit GameBaseWindow(AppContext &ctx, QString reader = {}, QWidget *parent = nullptr);

private:
    void buildLayout();
    enum class PathKind { File, Folder };
    QLineEdit *addPathRow(QFormLayout *form, const QString &label, const char *name, PathKind kind);
    GameBaseCommand command() const;
    void start(bool dryRun);
    void finished();

    AppContext &m_ctx;
    QString m_reader;
    BackgroundJob<Result<GameBaseReport>> m_job;
    bool m_dryRun = true;
    QLineEdit *m_file = nullptr;
    QLineEdit *m_games = nullptr;
    QLineEdit *m_music = nullptr;
    QLineEdit *m_screens = nullptr;
    QComboBox *m_machine = nullptr;
    QLabel *m_report = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_previewButton = nullptr;
    QPushButton *m_importButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
