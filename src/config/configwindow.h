#pragma once

#include <QHash>
#include <QWidget>

class AppContext;
class QLineEdit;
class QPushButton;

// "System Configuration": the paths of the configuration record, each with a pick button
// that opens the chooser modally.
class Config : public QWidget
{
    Q_OBJECT
public:
    explicit Config(AppContext &ctx, QWidget *parent = nullptr);

    void Form_Load();
    // The pick button of the box bound to column (the fourteen handlers are alike).
    void pick(const QString &column);
    void OK_Click();
    void Esci_Click();

    QLineEdit *box(const QString &column) const { return m_boxes.value(column); }

private:
    void carica();

    AppContext &m_ctx;
    QHash<QString, QLineEdit *> m_boxes;
};
