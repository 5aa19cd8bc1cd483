#pragma once

// File names are bytes. Qt decodes them as UTF-8 and turns every byte that is not valid UTF-8
// into U+FFFD, so a file whose name is not valid UTF-8 could never be opened again from the text.
// These two functions translate without loss: valid UTF-8 reads as usual, and each byte of an
// invalid sequence stands as the lone low surrogate U+DC80 + (byte - 0x80), which valid text
// never holds. For names that are valid UTF-8 they give what QFile::decodeName/encodeName give.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

[[nodiscard]] QString DecodeFileName(QByteArrayView bytes);
// The exact bytes that DecodeFileName read; other text is encoded as UTF-8.
[[nodiscard]] QByteArray EncodeFileName(const QString& name);
