#include "shared/ToolRunner.h"

#include "shared/CommandLine.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringDecoder>

QString CapturedOutput;

namespace {

// Runs in progress, nested through the event loop. Only the innermost one takes its child's output;
// an outer run's output waits in its process until the inner run has returned.
int activeRuns = 0;

class StandardErrorCollector {
 public:
  StandardErrorCollector(QProcess& process, const RunHooks& hooks) : process_(process), hooks_(hooks) {}

  void collect()
  {
    const QByteArray bytes = process_.readAllStandardError();
    if (bytes.isEmpty()) {
      return;
    }
    const QString text = decoder_(bytes);
    CapturedOutput += text;
    if (hooks_.output) {
      hooks_.output(text);
    }
  }

 private:
  QProcess& process_;
  const RunHooks& hooks_;
  QStringDecoder decoder_{QStringDecoder::System};
};

}  // namespace

RunResult RunAndCapture(const QString& commandLine, const RunHooks& hooks)
{
  RunResult result;
  CapturedOutput.clear();

  QStringList items = SplitCommandLine(commandLine);
  const QString program = items.isEmpty() ? QString() : items.takeFirst();

  QProcess process;
  process.setProgram(program);
  process.setArguments(items);
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setProcessChannelMode(QProcess::SeparateChannels);

  StandardErrorCollector collector(process, hooks);
  QEventLoop loop;
  bool over = false;
  const auto end = [&] {
    over = true;
    loop.quit();
  };
  const int depth = ++activeRuns;
  QObject::connect(&process, &QProcess::readyReadStandardError, &loop, [&] {
    if (depth == activeRuns) {
      collector.collect();
    }
  });
  QObject::connect(&process, &QProcess::finished, &loop, end);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) {
      end();
    }
  });
  QObject::connect(&process, &QProcess::started, &loop, [&] {
    result.started = true;
    if (hooks.started) {
      hooks.started(process);
    }
  });

  if (!program.isEmpty()) {
    process.start();
    if (!over) {
      loop.exec();
    }
  }

  --activeRuns;
  if (result.started) {
    collector.collect();
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = result.crashed ? -1 : process.exitCode();
  }
  if (hooks.finished) {
    hooks.finished(result);
  }
  return result;
}
