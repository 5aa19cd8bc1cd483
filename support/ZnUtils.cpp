#include "ZnUtils.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QProcess>
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
        if (QString user = UserDataFolder(QStringLiteral("savedata")); !user.isEmpty())
            return user;
    }
    return folder + QStringLiteral("savedata/");
}

QFont SystemIconFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), font.family()});
    return font;
}

bool TZnDesktopOpener::OpenUrl(const QUrl& url, TFailed failed) {
    const QString program = QStandardPaths::findExecutable(Program);
    if (program.isEmpty())
        return QDesktopServices::openUrl(url);
    // Owned by the application, so one still running at exit is ended with it.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(program);
    // The encoded address is plain ASCII: a path's bytes reach the handler unchanged.
    process->setArguments({QString::fromLatin1(url.toEncoded())});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->setChildProcessModifier([] { ::setsid(); });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed = std::move(failed)](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if ((status != QProcess::NormalExit || code != 0) && failed)
                             failed();
                     });
    process->start();
    // Only the start is waited for (fork and exec), never the handler.
    if (process->waitForStarted())
        return true;
    delete process;
    return false;
}

bool OpenWithAssociatedProgram(TZnOpener& opener, const QString& file, TZnOpener::TFailed failed) {
    return opener.OpenUrl(QUrl::fromLocalFile(file), std::move(failed));
}

bool OpenFolder(TZnOpener& opener, const QString& folder, TZnOpener::TFailed failed) {
    QString path = folder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return opener.OpenUrl(QUrl::fromLocalFile(path), std::move(failed));
}
