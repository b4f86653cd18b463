#pragma once

#include "configuration.h"

#include <QMap>
#include <QStringList>
#include <QWidget>

#include <optional>

class AppContext;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
enum class ChooserPurpose;
namespace configfields
{
struct Field;
}

// "System Configuration": the paths of the configuration, each with a pick button
// that opens the chooser modally for its purpose. A confirmed OK writes the record and
// reports WindowEvents::configurationSaved.
class SystemConfigWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SystemConfigWindow(AppContext &ctx, QWidget *parent = nullptr);

private:
    void buildFrames(QVBoxLayout *outer);
    void addPathRow(QGridLayout *grid, const configfields::Field &field, int labelWidth);
    void buildButtons(QVBoxLayout *outer);
    void showStoredPaths();
    void pickPath(const configfields::Field &field);
    void takePick(ChooserPurpose purpose, const QString &path);
    void markPath(const configfields::Field &field);
    QStringList pathProblems() const;
    Configuration typedPaths() const;
    void onOkClicked();
    void onDetectClicked();

    AppContext &m_ctx;
    // Each path's box and pick button; object names "<name>Edit" and "<name>PickButton"
    // (configfields::Field::name).
    QMap<Configuration::Path, QLineEdit *> m_pathEdits;
    QMap<Configuration::Path, QPushButton *> m_pickButtons;
    QPushButton *m_detectButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    std::optional<ChooserPurpose> m_awaitedPick;
};
