#pragma once

#include <QByteArrayView>
#include <QString>

// Decoding of the 8-bit texts that older files carry.
namespace kv {

bool IsValidUtf8(QByteArrayView bytes);

// Windows code page for a font character-set number as language files give it
// (204 Cyrillic, 238 Central European, ...); 1252 for anything else.
int CodePageOfCharSet(int charSet);

QString DecodeCodePage(QByteArrayView bytes, int codePage);

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252, so that files written by
// older programs in the Western code page still read correctly.
QString DecodeText(QByteArrayView bytes);

} // namespace kv
