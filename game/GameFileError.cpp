#include "GameFileError.h"

#include <cerrno>

TZnFileErrorReason FileErrorReason(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return TZnFileErrorReason::NotFound;
    case EACCES:
    case EPERM:
        return TZnFileErrorReason::NoPermission;
    case EROFS:
        return TZnFileErrorReason::ReadOnly;
    case ENOSPC:
    case EDQUOT:
        return TZnFileErrorReason::NoSpace;
    case EISDIR:
        return TZnFileErrorReason::NotRegularFile;
    case ENAMETOOLONG:
        return TZnFileErrorReason::BadName;
    default:
        return TZnFileErrorReason::SystemError;
    }
}
