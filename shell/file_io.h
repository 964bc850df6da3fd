// Reading the start of a small file, and replacing a file so that it is never half-written.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kestalon {

// Reads up to maxBytes from the start of an existing regular file into bytes. False, with a
// reason in error, when it is missing, not a regular file (a folder, a pipe) or unreadable.
bool ReadFileHead(const QString& path, qint64 maxBytes, QByteArray& bytes, QString* error);

// Writes data to a temporary file in the target's folder and renames it over path only when
// all of it was written: on any failure an existing file at path stays as it was. False,
// with a reason in error, on failure.
bool WriteFileAtomically(const QString& path, QByteArrayView data, QString* error);

}  // namespace kestalon
