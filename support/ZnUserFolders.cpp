#include "ZnUserFolders.h"

#include <QStandardPaths>

QString UserDataFolder(const QString& name) {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/goalrun/%1/").arg(name);
}

QString AutosaveFolder() {
    return UserDataFolder(QStringLiteral("autosave"));
}

QString GamesFolder() {
    return UserDataFolder(QStringLiteral("games"));
}

QString AchievementsFile() {
    QString folder = UserDataFolder(QStringLiteral("achievements"));
    folder.chop(1); // "goalrun/achievements/" names a file here
    return folder;
}
