#pragma once

#include "tuneinfo.h"

#include <QGroupBox>

#include <array>

class Dialogs;
class QLineEdit;

// "Music": the HVSC folder (song lengths, STIL) and the C64 ROM files that some tunes need,
// each typed or picked.
class MusicSourcesBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit MusicSourcesBox(Dialogs &dialogs, QWidget *parent = nullptr);

    void showSources(const MusicSources &sources);
    MusicSources sources() const;

private:
    struct Row {
        QLineEdit *edit = nullptr;
        QString MusicSources::*value = nullptr;
    };
    void pick(const Row &row);

    Dialogs &m_dialogs;
    std::array<Row, 4> m_rows;
};
