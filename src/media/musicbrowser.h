#pragma once

#include <QWidget>

class AppContext;
class DirListBox;
class DriveListBox;
class FileListBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Music Player": browses the music files of one machine, plays them with the configured
// players and hands the selected file to the association editor.
class Form8 : public QWidget
{
    Q_OBJECT
public:
    explicit Form8(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    void Drive1_Change(const QString &drive);
    void Dir1_Change(const QString &path);
    void File1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    void capbut(int button);
    void play(const QString &player);

    AppContext &m_ctx;
    DriveListBox *m_drive1;
    DirListBox *m_dir1;
    FileListBox *m_file1;
    QLineEdit *m_text1;
    QPushButton *m_command1;
    QPushButton *m_command2;
    QLabel *m_label1;
    QString m_player1;
    QString m_player2;
};
