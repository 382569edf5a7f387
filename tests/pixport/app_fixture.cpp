// Runs the built pixport executable for the command-line tests.
#include "app_fixture.h"

#include <QProcess>

namespace pixport::test {

RunResult runPixport(const QStringList& arguments, const QByteArray& input) {
  QProcess process;
  process.start(QStringLiteral(PIXPORT_EXECUTABLE), arguments);
  process.write(input);
  process.closeWriteChannel();
  RunResult result;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
    return result;
  result.status = process.exitCode();
  result.out = process.readAllStandardOutput();
  result.err = process.readAllStandardError();
  return result;
}

}  // namespace pixport::test
