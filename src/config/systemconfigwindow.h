#pragma once

#include <QHash>
#include <QStringList>
#include <QWidget>

#include <optional>

class AppContext;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
enum class ChooserPurpose;
namespace configrecord
{
struct Field;
}

// "System Configuration": the paths of the configuration record, each with a pick button
// that opens the chooser modally for its purpose. A confirmed OK writes the record and
// reports WindowEvents::configurationSaved.
class SystemConfigWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SystemConfigWindow(AppContext &ctx, QWidget *parent = nullptr);

private:
    void buildFrames(QVBoxLayout *outer);
    void addPathRow(QGridLayout *grid, const configrecord::Field &field, int labelWidth);
    void buildButtons(QVBoxLayout *outer);
    void showStoredPaths();
    void pickPath(const configrecord::Field &field);
    void takePick(ChooserPurpose purpose, const QString &path);
    void markPath(const configrecord::Field &field);
    QStringList pathProblems() const;
    void onOkClicked();

    AppContext &m_ctx;
    // Column of tabella2 -> its box and pick button; object names "<column>Edit" and
    // "<column>PickButton".
    QHash<QString, QLineEdit *> m_pathEdits;
    QHash<QString, QPushButton *> m_pickButtons;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    std::optional<ChooserPurpose> m_awaitedPick;
};
