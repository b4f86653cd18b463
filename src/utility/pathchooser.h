#pragma once

#include <QWidget>

class AppContext;
class DriveListBox;
class DirListBox;
class QPushButton;

namespace merrow
{

// Path chooser: picks the folder of the export file ("export.mdb") to read or write.
class sfoglia : public QWidget
{
    Q_OBJECT
public:
    explicit sfoglia(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    void Drive1_Change(const QString &drive);
    void Dir1_Change(const QString &path);
    void Command1_Click();

private:
    AppContext &m_ctx;
    DriveListBox *m_drive = nullptr;
    DirListBox *m_dir = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace merrow
