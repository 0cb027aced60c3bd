#pragma once

#include "project.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The options file: one 128-byte little-endian record holding Setari.
namespace OptionsFile {

constexpr int RecordSize = 128;
constexpr int PathOffset = 34;
// The record holds 40 bytes of data besides the path.
constexpr int MaxPathLength = RecordSize - 40;

QString defaultFileName(); // "Sirolant.opt"

// Builds the record. Fails (with a Romanian message in *error) when the
// path does not fit the record or holds a character Windows-1250 cannot
// hold. Positions outside the 16-bit range are clamped into it.
std::optional<QByteArray> encode(const Setari &setari, QString *error = nullptr);

// Reads a record of any length: missing bytes read as zero, bytes past the
// record are ignored, and a path length that would run past the record
// gives an empty path (the three flags after it then read as zero).
Setari decode(const QByteArray &bytes);

// Reads the file; a missing file is created empty and reads as all zero.
// Returns false (with *error) when the file cannot be opened, in which
// case *setari is all zero.
bool read(const QString &fileName, Setari *setari, QString *error = nullptr);

// Writes the record through a temporary file renamed into place, so a
// failed write leaves the previous file whole.
bool write(const QString &fileName, const Setari &setari, QString *error = nullptr);

} // namespace OptionsFile
