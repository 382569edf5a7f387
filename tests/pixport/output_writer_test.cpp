// The output writer's five steps for array text and for BIN files.
#include "core/output_writer.h"
#include "test_pictures.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pixport;

namespace {

// Runs the steps for rows of values, with an optional header.
void writeRows(OutputWriter& out, const QList<QList<int>>& rows, bool header, qint32 w1,
               qint32 h1) {
  QString error;
  ASSERT_TRUE(out.start(&error)) << qPrintable(error);
  if (header) out.sizeHeader(w1, h1);
  for (const QList<int>& row : rows) {
    for (int v : row) out.value(static_cast<quint16>(v));
    out.lineEnd();
  }
}

}  // namespace

TEST(PixportOutputWriter, ArrayTextPiecesAndClosing) {
  OutputWriter out = OutputWriter::arrayText();
  writeRows(out, {{32767, 31}, {992, 31744}}, true, 1, 1);
  QString error;
  ASSERT_TRUE(out.finish(&error));
  EXPECT_EQ(out.text(), QByteArray("{ 1, 1, //width, height\r\n\t32767, 31, \r\n\t992, 31744};"));

  writeRows(out, {{0, 7}, {12345, 65535}}, false, 0, 0);
  ASSERT_TRUE(out.finish(&error));
  EXPECT_EQ(out.text(), QByteArray("{ 0, 7, \r\n\t12345, 65535};"))
      << "a second start begins afresh";
}

TEST(PixportOutputWriter, BinFileHoldsLittleEndianWordsOnly) {
  QTemporaryDir dir;
  const QString path = dir.filePath("out.bin");
  OutputWriter out = OutputWriter::binFile(path);
  EXPECT_FALSE(out.isArrayText());
  writeRows(out, {{0x1234, 0x7FFF}, {1, 0}}, true, 2, 32767);
  QString error;
  ASSERT_TRUE(out.finish(&error)) << qPrintable(error);
  EXPECT_EQ(test::readFile(path), QByteArray::fromHex("02 00 ff 7f 34 12 ff 7f 01 00 00 00"));
  EXPECT_TRUE(out.text().isEmpty());
}

TEST(PixportOutputWriter, BinFileReplacesTargetOnlyWhenFinished) {
  QTemporaryDir dir;
  const QString path = dir.filePath("sprite.bin");
  test::writeFile(path, "users file");
  {
    OutputWriter out = OutputWriter::binFile(path);
    writeRows(out, {QList<int>(40000, 7)}, false, 0, 0);  // more than one pending block
    EXPECT_EQ(test::readFile(path), QByteArray("users file")) << "not replaced mid-way";
    out.cancel();
  }
  {
    OutputWriter out = OutputWriter::binFile(path);
    writeRows(out, {{1, 2}}, false, 0, 0);
  }  // dropped without finish
  EXPECT_EQ(test::readFile(path), QByteArray("users file"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"sprite.bin"})
      << "no temporary file left";

  OutputWriter out = OutputWriter::binFile(path);
  writeRows(out, {QList<int>(40000, 7)}, false, 0, 0);
  QString error;
  ASSERT_TRUE(out.finish(&error));
  EXPECT_EQ(test::readFile(path).size(), 80000);
}

TEST(PixportOutputWriter, UnwritableBinTargetFailsWithReason) {
  QTemporaryDir dir;
  const QString path = dir.filePath("no/such/dir/out.bin");
  OutputWriter out = OutputWriter::binFile(path);
  QString error;
  EXPECT_FALSE(out.start(&error));
  EXPECT_TRUE(error.contains(path)) << qPrintable(error);
  error.clear();
  EXPECT_FALSE(out.finish(&error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}
