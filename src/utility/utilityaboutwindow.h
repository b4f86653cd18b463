#pragma once

#include <QWidget>

class AppContext;
class QLabel;
class QPushButton;

namespace merrow
{

// The utility's About window.
class UtilityAboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit UtilityAboutWindow(AppContext &ctx, QWidget *parent = nullptr);

private:
    QLabel *addLine(const QString &name, const QString &text);

    QPushButton *m_okButton = nullptr;
};

} // namespace merrow
