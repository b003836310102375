#pragma once
// The Western ANSI code page (Windows-1252) that single-byte text of old files is in.

#include <QByteArray>
#include <QString>

namespace AnsiCodePage {

QString Decode(const QByteArray& bytes);
// Characters outside the code page become '?'.
QByteArray Encode(const QString& text);

}  // namespace AnsiCodePage
