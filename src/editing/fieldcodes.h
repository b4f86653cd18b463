#pragma once

#include <QString>
#include <QVariantMap>

// The field codes of the single-field editor: which columns a code changes and how the
// window is labelled for it.
struct FieldCode {
    QString code;
    QString caption;
    QString label1;
    QString field1;
    QString label2; // empty for a single field
    QString field2;

    bool isPair() const { return !field2.isEmpty(); }
    // The columns to write from the two boxes (box 2 only for a pair); an empty text is
    // stored as Null.
    QVariantMap values(const QString &box1, const QString &box2) const;
};

// The code's entry, or nullptr for a code that is none of the nine.
const FieldCode *findFieldCode(const QString &code);
