#include "ZnTeamNames.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringDecoder>

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

} // namespace

std::vector<std::string> DecodeTeamNames(const QByteArray& bytes) {
    const QString text = DecodeText(bytes);
    std::vector<std::string> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.push_back(text.mid(start, i - start).toStdString());
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.mid(start).toStdString());
    return lines;
}

std::vector<std::string> ReadTeamNameFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    return DecodeTeamNames(bytes);
}
