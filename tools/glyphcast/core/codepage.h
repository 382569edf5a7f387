// Character codes 0-255 of the DS strings as the desktop font draws them:
// the Windows-1252 single-byte code page.
#pragma once

#include <QChar>
#include <QList>
#include <QString>

namespace glyphcast {

// Unicode character for a Windows-1252 code. 0x80-0x9F hold signs and letters
// (0x80 the euro sign, 0x99 the trade mark); the five unassigned codes there and
// every other code map to the same Unicode value, as in Latin-1.
QChar unicodeFromWindows1252(int code);

// A character for messages, by code and as drawn: code 34, '"'.
QString codeName(int code);
// Several of them: 34 '"', 65 'A'.
QString codeList(const QList<int>& codes);

}  // namespace glyphcast
