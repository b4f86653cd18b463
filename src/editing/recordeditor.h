#pragma once

#include "editorrules.h"

#include <QHash>
#include <QVariantMap>
#include <QWidget>

class AppContext;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Credits: the record editor. Adds games one after the other ("new") or changes every
// field of one game ("mod"); file fields are picked through the chooser and taken on
// the next activation.
class Credits : public QWidget
{
    Q_OBJECT
public:
    explicit Credits(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    void Form_Activate();

    void DFx_Click();
    void CloseDisk_Click();
    void SaveRecord_Click();
    void Modify_Click();
    void CloseEditor_Click();

    bool isModifying() const { return m_modifying; }
    int diskSlot() const { return m_diskSlot; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    QLineEdit *addBox(const QString &column);
    void pick(editorrules::PickButton button);
    bool takePick(const QString &mode, QLineEdit *box);
    QString machine() const;
    QString boxText(const QString &column) const;
    void setBoxText(const QString &column, const QString &text);
    void showRecord(const QVariantMap &row);
    void clearBoxes();
    QVariantMap gatherFields() const;
    void reportSaveFailure(const QString &error);

    AppContext &m_ctx;
    bool m_modifying = false;
    // The game could not be read: its boxes are empty, not its fields.
    bool m_unread = false;
    int m_id = 0;
    int m_diskSlot = 0;
    bool m_inActivate = false;

    QHash<QString, QLineEdit *> m_boxes; // by column, lower case
    QPlainTextEdit *m_others = nullptr;
    QPlainTextEdit *m_note = nullptr;
    QComboBox *m_formato = nullptr;
    QLineEdit *m_idBox = nullptr;
    QLineEdit *m_dbver = nullptr;
    QGroupBox *m_amigaDisk = nullptr;
    QPushButton *m_dfx = nullptr;
    QPushButton *m_saveRecord = nullptr;
    QPushButton *m_modify = nullptr;
};
