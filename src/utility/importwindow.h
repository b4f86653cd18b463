#pragma once

#include <QWidget>

#include <memory>

class AppContext;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace merrow
{

class ImportFile;
enum class TransferMode;

// Import window: lists the games of an export file, shows how each differs from the
// catalogue, keeps a selection and merges new, selected or all games.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(AppContext &ctx, QWidget *parent = nullptr);
    ~Form1() override;

    void Form_Load();
    void carica();
    void List1_Click();
    void Command1_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

    bool loaded() const { return m_file != nullptr; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void trasferisci(TransferMode mode);
    void addToCount(QLabel *label, int delta);
    void setBusy(bool busy);

    AppContext &m_ctx;
    std::unique_ptr<ImportFile> m_file;
    bool m_busy = false;
    QListWidget *m_list1 = nullptr;
    QListWidget *m_list2 = nullptr;
    QListWidget *m_list3 = nullptr;
    QPushButton *m_select = nullptr;
    QPushButton *m_deselect = nullptr;
    QPushButton *m_new = nullptr;
    QPushButton *m_selected = nullptr;
    QPushButton *m_all = nullptr;
    QLabel *m_inList = nullptr;
    QLabel *m_selectedCount = nullptr;
    QLabel *m_added = nullptr;
    QLabel *m_modified = nullptr;
    QLabel *m_wait = nullptr;
    QProgressBar *m_progress = nullptr;
};

} // namespace merrow
