#pragma once

#include <QObject>
#include <QString>

#include "ZnListColumnInfos.h"

// A non-visual component holding a set of column definitions that views build columns from.
class TZnColumnInfos : public QObject {
    Q_OBJECT
public:
    explicit TZnColumnInfos(QObject* parent = nullptr);

    TZnListColumnInfos& ColumnInfos() { return FColumnInfos; }
    const TZnListColumnInfos& ColumnInfos() const { return FColumnInfos; }
    // Copies `value` into the owned collection; the owned object is never replaced.
    void SetColumnInfos(const TZnListColumnInfos& value) { FColumnInfos.Assign(value); }
    QString IniSectionName() const { return FColumnInfos.IniSectionName; }
    void SetIniSectionName(const QString& value) { FColumnInfos.IniSectionName = value; }

private:
    TZnListColumnInfos FColumnInfos{this};
};
