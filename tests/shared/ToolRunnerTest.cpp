#include "shared/ToolRunner.h"

#include "shared/Quoting.h"
#include "tests/support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

QString ChildCommand(const QStringList& arguments)
{
  QStringList items{QuoteArgument(TestHelperPath("test_child"))};
  for (const QString& argument : arguments) {
    items << QuoteArgument(argument);
  }
  return items.join(' ');
}

QString CountingPattern(int bytes)
{
  QString text;
  for (int i = 0; i < bytes; ++i) {
    text.append(QChar('a' + (i / 7) % 26));
  }
  return text;
}

double ProcessCpuSeconds()
{
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

TEST(RunAndCapture, TakesABurstLargerThanOnePipeLoadWholeAndInOrder)
{
  const RunResult result = RunAndCapture(ChildCommand({"burst", "100000"}));
  EXPECT_TRUE(result.started);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(CapturedOutput.size(), 100000 + 5);
  EXPECT_EQ(CapturedOutput, CountingPattern(100000) + "|tail");
}

TEST(RunAndCapture, LeavesStandardOutputOut)
{
  CapturedOutput = "previous";
  RunAndCapture(ChildCommand({"stdout", "only on stdout"}));
  EXPECT_EQ(CapturedOutput, "");
}

TEST(RunAndCapture, KeepsWhatTheChildWroteJustBeforeItsExit)
{
  const RunResult result = RunAndCapture(ChildCommand({"lastwords"}));
  EXPECT_EQ(CapturedOutput, "last words");
  EXPECT_EQ(result.exitCode, 3);
}

TEST(RunAndCapture, KeepsTextAfterAZeroByte)
{
  RunAndCapture(ChildCommand({"nul"}));
  EXPECT_EQ(CapturedOutput, QString::fromUtf8("before\0after", 12));
}

TEST(RunAndCapture, MissingProgramReturnsPromptlyAndClearsThePreviousText)
{
  CapturedOutput = "left over from the previous run";
  bool finishedHookSawFailure = false;
  RunHooks hooks;
  hooks.started = [](QProcess&) { FAIL() << "a missing program cannot start"; };
  hooks.finished = [&](const RunResult& result) { finishedHookSawFailure = !result.started; };
  QElapsedTimer clock;
  clock.start();
  const RunResult result = RunAndCapture(R"("/nonexistent/folder/ffmpeg" -i "x.flv")", hooks);
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_FALSE(result.started);
  EXPECT_TRUE(finishedHookSawFailure);
  EXPECT_EQ(CapturedOutput, "");
}

TEST(RunAndCapture, EmptyCommandLineStartsNothing)
{
  CapturedOutput = "old";
  EXPECT_FALSE(RunAndCapture("   ").started);
  EXPECT_EQ(CapturedOutput, "");
}

TEST(RunAndCapture, WaitsWithoutSpendingTheProcessor)
{
  const double before = ProcessCpuSeconds();
  QElapsedTimer clock;
  clock.start();
  const RunResult result = RunAndCapture(R"("/bin/sleep" "1")");
  EXPECT_TRUE(result.started);
  EXPECT_GE(clock.elapsed(), 900);
  EXPECT_LT(ProcessCpuSeconds() - before, 0.1);
}

TEST(RunAndCapture, HooksSeeTheStartTheOutputAndTheEnd)
{
  int startedCalls = 0;
  QString pieces;
  RunResult seen;
  RunHooks hooks;
  hooks.started = [&](QProcess& process) {
    ++startedCalls;
    EXPECT_EQ(process.state(), QProcess::Running);
  };
  hooks.output = [&](const QString& piece) { pieces += piece; };
  hooks.finished = [&](const RunResult& result) { seen = result; };
  RunAndCapture(ChildCommand({"burst", "40000"}), hooks);
  EXPECT_EQ(startedCalls, 1);
  EXPECT_EQ(pieces, CapturedOutput);
  EXPECT_TRUE(seen.started);
  EXPECT_EQ(seen.exitCode, 0);
}

TEST(RunAndCapture, ARunStartedDuringAnotherClearsTheTextAndTheOuterOneGoesOn)
{
  RunResult inner;
  QString afterInner;
  RunHooks outerHooks;
  outerHooks.started = [&](QProcess&) {
    // As when the user opens a second file while the first probe still runs.
    QTimer::singleShot(0, [&] {
      inner = RunAndCapture(ChildCommand({"lastwords"}));
      afterInner = CapturedOutput;
    });
  };
  const RunResult outer = RunAndCapture(ChildCommand({"burst", "1000"}), outerHooks);
  EXPECT_TRUE(outer.started);
  EXPECT_EQ(outer.exitCode, 0);
  EXPECT_EQ(inner.exitCode, 3);
  EXPECT_EQ(afterInner.left(10), "last words");
  EXPECT_TRUE(CapturedOutput.startsWith("last words"));
  EXPECT_TRUE(CapturedOutput.endsWith("|tail"));
}

TEST(RunAndCapture, StoppingTheChildFromTheStartedHookEndsTheRun)
{
  RunHooks hooks;
  hooks.started = [](QProcess& process) { QTimer::singleShot(0, &process, [&process] { process.kill(); }); };
  QElapsedTimer clock;
  clock.start();
  const RunResult result = RunAndCapture(R"("/bin/sleep" "30")", hooks);
  EXPECT_LT(clock.elapsed(), 5000);
  EXPECT_TRUE(result.started);
  EXPECT_TRUE(result.crashed);
}

}  // namespace
