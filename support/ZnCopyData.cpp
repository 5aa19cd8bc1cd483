#include "ZnCopyData.h"

#include <utility>

#include <QCoreApplication>

#include "ZnFileName.h"

TZnCopyDataEvent::TZnCopyDataEvent(int identifier, QByteArray bytes,
                                   std::shared_ptr<void> keepAlive)
    : QEvent(Type()), CopyIdentifier(identifier), CopyBytes(std::move(bytes)),
      CopyKeepAlive(std::move(keepAlive)) {}

QEvent::Type TZnCopyDataEvent::Type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QString TZnCopyDataEvent::Text() const {
    return CopyDataText(CopyBytes);
}

QByteArray CopyDataBytes(const QString& text) {
    QByteArray bytes = EncodeFileName(text);
    bytes.append('\0');
    return bytes;
}

QString CopyDataText(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf('\0');
    return DecodeFileName(end < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(end));
}

bool DeliverCopyData(QObject* receiver, int identifier, const QByteArray& bytes,
                     std::shared_ptr<void> keepAlive) {
    if (receiver == nullptr)
        return false;
    TZnCopyDataEvent event(identifier, bytes, std::move(keepAlive));
    return QCoreApplication::sendEvent(receiver, &event);
}

bool SendCopyData(QObject* receiver, const QString& text, int identifier) {
    return DeliverCopyData(receiver, identifier, CopyDataBytes(text));
}
