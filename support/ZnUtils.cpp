#include "ZnUtils.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QStandardPaths>

QString AppFolder() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

bool IsWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.isDir() && info.isWritable() && (info.permissions() & anyWrite) != 0;
}

QString SaveDataFolder(const QString& appFolder) {
    QString folder = appFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (!IsWritableFolder(folder) ||
        QFileInfo::exists(folder + QStringLiteral("goalrun.installed"))) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (!data.isEmpty())
            return data + QStringLiteral("/goalrun/savedata/");
    }
    return folder + QStringLiteral("savedata/");
}

QFont SystemIconFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), font.family()});
    return font;
}

bool TZnDesktopOpener::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool OpenWithAssociatedProgram(TZnOpener& opener, const QString& file) {
    return opener.OpenUrl(QUrl::fromLocalFile(file));
}

bool OpenFolder(TZnOpener& opener, const QString& folder) {
    QString path = folder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return opener.OpenUrl(QUrl::fromLocalFile(path));
}
