// Small-file reading and atomic replacement through QFile and QSaveFile.
#include "shell/file_io.h"

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kestalon {
namespace {

void SetError(QString* error, const QString& text) {
  if (error) *error = text;
}

}  // namespace

bool ReadFileHead(const QString& path, qint64 maxBytes, QByteArray& bytes, QString* error) {
  const QFileInfo info(path);
  // Checked before opening: opening a pipe for reading would wait for a writer.
  if (info.exists() && !info.isFile()) {
    SetError(error, QStringLiteral("it is not a regular file"));
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    SetError(error, file.errorString());
    return false;
  }
  QByteArray read = file.read(maxBytes);
  if (file.error() != QFileDevice::NoError) {
    SetError(error, file.errorString());
    return false;
  }
  bytes = std::move(read);
  return true;
}

bool WriteFileAtomically(const QString& path, QByteArrayView data, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    SetError(error, file.errorString());
    return false;
  }
  if (file.write(data.data(), data.size()) != data.size()) {
    SetError(error, file.errorString());
    file.cancelWriting();
    return false;
  }
  // QSaveFile::commit() reports success after a write that stopped part-way (a full disk,
  // a file-size limit), so the data is flushed and checked here, before the rename.
  errno = 0;
  if (!file.flush()) {
    const int code = errno;
    SetError(error, code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString());
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    SetError(error, file.errorString());
    return false;
  }
  return true;
}

}  // namespace kestalon
