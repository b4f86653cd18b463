#pragma once

#include "windowrequests.h"

#include <QObject>

// What windows report back to whoever opened them. Windows of different libraries meet
// here, so that none needs another's header or widgets.
class WindowEvents : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    // A game was stored by an editor, a chooser that stores, or the association editor.
    void gameSaved(int gameId);
    void gameAdded(int gameId);
    void gameDeleted(int gameId);
    // Many games came in or changed at once (a folder scan, a relink): the list is read
    // again once.
    void gamesChanged();
    // The chooser's pick for a purpose that does not store by itself.
    void filePicked(ChooserPurpose purpose, const QString &path);
    void associationMade(AssociationKind kind, int gameId);
    // The configuration record changed (emulators, players, folders).
    void configurationSaved();
    // AppContext::settings changed (layout modes, emulator GUI options).
    void settingsChanged();
};
