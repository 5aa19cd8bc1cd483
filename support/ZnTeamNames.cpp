#include "ZnTeamNames.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include "ZnFileName.h"

namespace {

QString DecodeText(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom))
        return QString::fromUtf8(bytes.mid(bom.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder sjis("windows-31j", QStringDecoder::Flag::Stateless);
    if (!sjis.isValid())
        sjis = QStringDecoder("Shift_JIS", QStringDecoder::Flag::Stateless);
    return sjis.isValid() ? QString(sjis.decode(bytes)) : QString::fromLatin1(bytes);
}

bool IsHiddenControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// One line as a name: without hidden controls, cut to the length limit (in characters, so a
// character outside the basic plane is never split).
std::string CleanName(QStringView line) {
    QString name;
    int length = 0;
    for (qsizetype i = 0; i < line.size() && length < TeamNameLengthLimit; ++i) {
        const qsizetype width =
            line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const char32_t c =
            width == 2 ? QChar::surrogateToUcs4(line[i], line[i + 1]) : line[i].unicode();
        if (!IsHiddenControl(c)) {
            name += line.sliced(i, width);
            ++length;
        }
        i += width - 1;
    }
    return name.toStdString();
}

// Up to `limit` bytes of the regular file at `path`, plus one byte to tell whether there is more.
// Nothing when the file is not a regular one.
bool ReadHead(const QString& path, qsizetype limit, QByteArray& bytes) {
    const int fd =
        ::open(EncodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    bytes.resize(ok ? limit + 1 : 0);
    qsizetype filled = 0;
    while (ok && filled < bytes.size()) {
        const ssize_t got =
            ::read(fd, bytes.data() + filled, static_cast<size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        ok = got >= 0;
        if (got <= 0)
            break;
        filled += got;
    }
    ::close(fd);
    bytes.truncate(filled);
    return ok;
}

} // namespace

std::vector<std::string> DecodeTeamNames(const QByteArray& bytes) {
    const QString text = DecodeText(bytes);
    std::vector<std::string> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.push_back(CleanName(QStringView(text).sliced(start, i - start)));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(CleanName(QStringView(text).sliced(start)));
    return lines;
}

std::vector<std::string> ReadTeamNameFile(const QString& path) {
    constexpr auto limit = static_cast<qsizetype>(TeamNameFileLimit);
    QByteArray bytes;
    if (!ReadHead(path, limit, bytes))
        return {};
    if (bytes.size() > limit) {
        // The line the limit cuts through was not read whole (and may end inside a character):
        // only the lines before it count.
        bytes.truncate(limit);
        const qsizetype lastBreak = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        bytes.truncate(lastBreak + 1);
    }
    return DecodeTeamNames(bytes);
}
