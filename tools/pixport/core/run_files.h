// The files of one pixport run under the names its messages give them, checked
// alike by the window and the command line before anything is written.
#pragma once

#include "common/output_collision.h"

#include <QFile>
#include <QString>

namespace pixport {

// Why an output would overwrite the picture or another output ("the output
// q.png is the input picture"); empty when none does. Empty paths are not given.
inline QString outputCollision(const QString& picture, const QString& output, const QString& header,
                               const QString& bin) {
  auto file = [](const char* role, const QString& path) {
    return panetools::RunFile{role, QFile::encodeName(path).toStdString()};
  };
  const std::string problem = panetools::outputCollision(
      {file("the input picture", picture)},
      {file("the output", output), file("the header", header), file("the BIN file", bin)});
  return QFile::decodeName(QByteArray::fromStdString(problem));
}

}  // namespace pixport
