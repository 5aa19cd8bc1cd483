#include "ZnLockFile.h"

#include "ZnFileName.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSysInfo>

namespace {

// What stands at the path may change between looking at it and opening it; a few rounds settle
// it, more mean somebody keeps changing it on purpose.
constexpr int MaxRounds = 5;

QString KindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QCoreApplication::translate("TZnLockFile", "中身のあるフォルダ");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("TZnLockFile", "デバイス");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("TZnLockFile", "ソケット");
    return QCoreApplication::translate("TZnLockFile", "ロックファイルでないもの");
}

// The system's words for `error`, taken now: errno changes.
std::function<QString()> SystemError(int error) {
    return [text = QString::fromLocal8Bit(std::strerror(error))] { return text; };
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

TZnLockFile::~TZnLockFile() {
    if (Fd < 0)
        return;
    const QByteArray name = EncodeFileName(Path);
    struct stat held {};
    struct stat named {};
    // Removed while still held, so the next copy never finds a free lock of ours.
    if (::fstat(Fd, &held) == 0 && ::lstat(name.constData(), &named) == 0 && SameFile(held, named))
        ::unlink(name.constData());
    ::close(Fd);
}

TZnLockFile::TResult TZnLockFile::Blocked(std::function<QString()> reason) {
    Error = [path = Path, reason = std::move(reason)] {
        return QCoreApplication::translate(
                   "TZnLockFile",
                   "ロックファイル %1 を使えないため、二重起動を確かめられません: %2")
            .arg(path, reason());
    };
    return TResult::Blocked;
}

// Leaves the path empty or holding a regular file. A FIFO (whose opening could wait for ever), a
// symbolic link (leading anywhere) and an empty folder cannot be a copy's lock: they go.
bool TZnLockFile::ClearPath(const QByteArray& name) {
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno == ENOENT)
            return true;
        Blocked(SystemError(errno));
        return false;
    }
    if (S_ISREG(info.st_mode))
        return true;
    if (S_ISDIR(info.st_mode) || S_ISFIFO(info.st_mode) || S_ISLNK(info.st_mode)) {
        // rmdir takes only an empty folder.
        const int removed =
            S_ISDIR(info.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData());
        if (removed == 0 || errno == ENOENT)
            return true;
    }
    Blocked([mode = info.st_mode] {
        return QCoreApplication::translate("TZnLockFile", "%1があります").arg(KindOf(mode));
    });
    return false;
}

TZnLockFile::TResult TZnLockFile::TryLock() {
    if (Fd >= 0)
        return TResult::Taken;
    const QByteArray name = EncodeFileName(Path);
    for (int round = 0; round < MaxRounds; ++round) {
        if (!ClearPath(name))
            return TResult::Blocked;
        const int fd = ::open(name.constData(),
                              O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                              S_IRUSR | S_IWUSR);
        if (fd < 0) {
            // A copy's lock is always readable: one that is not is nobody's, in our own folder.
            if (errno == EACCES && ::unlink(name.constData()) == 0)
                continue;
            if (errno == ELOOP || errno == EISDIR || errno == ENXIO)
                continue; // replaced since it was looked at
            return Blocked(SystemError(errno));
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return TResult::Held;
            return Blocked(SystemError(error));
        }
        // The holder before may have removed the file between our opening and locking it.
        if (::lstat(name.constData(), &named) != 0 || !SameFile(opened, named)) {
            ::close(fd);
            continue;
        }
        const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                 QCoreApplication::applicationName().toUtf8() + '\n' +
                                 QSysInfo::machineHostName().toUtf8() + '\n';
        // Only for people reading it: a short or failed write changes nothing.
        if (::ftruncate(fd, 0) == 0) {
            [[maybe_unused]] const ssize_t written =
                ::write(fd, owner.constData(), static_cast<size_t>(owner.size()));
        }
        Fd = fd;
        return TResult::Taken;
    }
    return Blocked(
        [] { return QCoreApplication::translate("TZnLockFile", "置き換えられ続けています"); });
}
