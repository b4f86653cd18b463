#pragma once

#include "editorrules.h"
#include "game.h"

#include <QMap>
#include <QWidget>

class DiskListBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The fields of one game as the record editor shows them: boxes for the texts, the
// machine, the files with their pick buttons, and the Amiga's other drives behind "DFx".
class GameForm : public QWidget
{
    Q_OBJECT
public:
    explicit GameForm(QWidget *parent = nullptr);

    // The fields the form shows, in the catalogue's order (all but the rating, the
    // emulator text and the origin).
    static const QList<Game::Field> &fields();

    // Shows game; game() is it with the boxes' texts, an empty box as Null.
    void setGame(const Game &game);
    Game game() const;

    QString text(Game::Field field) const;
    void setText(Game::Field field, const QString &text);
    QString machine() const;

    // The set's further disks, which the game's own fields do not hold.
    DiskListBox *diskList() const { return m_diskList; }

    bool disksShown() const;
    void showDisks(bool show);
    void focusTitle();
    void focusMachine();

Q_SIGNALS:
    void pickClicked(editorrules::PickButton button);
    // The disk group opened or closed: the window may need to grow or shrink.
    void disksToggled();

private:
    void buildMainRows(QGridLayout *grid, int &row);
    void buildCreditRows(QGridLayout *grid, int &row);
    void buildFileRows(QGridLayout *grid, int &row);
    QGroupBox *buildDiskGroup();
    QLineEdit *addEdit(QWidget *parent, Game::Field field, const char *objectName);
    QPushButton *addPickButton(QWidget *parent, const char *objectName,
                               editorrules::PickButton button);
    void updateDiskButton();

    Game m_game;
    QMap<Game::Field, QLineEdit *> m_lines;
    QMap<Game::Field, QPlainTextEdit *> m_texts;
    QComboBox *m_machineBox = nullptr;
    QPushButton *m_disksButton = nullptr;
    QGroupBox *m_diskGroup = nullptr;
    DiskListBox *m_diskList = nullptr;
};
