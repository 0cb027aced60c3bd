#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Windows-1250, the 8-bit code page of program files and of the options
// file's path. Conversion goes through glibc's iconv so that characters the
// code page cannot hold are reported, never replaced silently.
namespace Cp1250 {

// Romanian s and t with a comma below (what today's keyboards type) are
// written as their cedilla twins, the only forms the code page holds; 8-bit
// Romanian text has always treated the two as the same letter.
// Nothing when the text holds a character Windows-1250 cannot hold; then
// *badChar (if given) receives the first such character.
std::optional<QByteArray> encode(const QString &text, QString *badChar = nullptr);

// The bytes the code page leaves undefined decode to U+FFFD.
QString decode(const QByteArray &bytes);

bool canEncode(const QString &text);

} // namespace Cp1250
