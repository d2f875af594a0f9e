#pragma once

#include <QString>

#include <functional>

class QProcess;

// Everything the last run's child wrote to its standard error, decoded from the locale's codec.
// Cleared at the start of each run; a run started while another one waits clears it too, and the
// outer run then goes on appending to it.
extern QString CapturedOutput;

struct RunResult {
  bool started = false;   // the child was started at all
  bool crashed = false;   // the child ended through a signal
  int exitCode = -1;      // the child's exit code when it ended normally
};

struct RunHooks {
  // Called right after the child has started; the process may be kept to stop it early.
  std::function<void(QProcess&)> started;
  // Called with each decoded piece of standard error, after it was appended to CapturedOutput.
  std::function<void(const QString&)> output;
  // Called once the run is over (also after a failed start), with its result.
  std::function<void(const RunResult&)> finished;
};

// Runs a console program without a window and waits for it to end while the event loop keeps
// running. The command line is the quoted program followed by its arguments, read by
// SplitCommandLine. Standard input reads as empty, standard output goes nowhere, standard error is
// collected whole into CapturedOutput.
RunResult RunAndCapture(const QString& commandLine, const RunHooks& hooks = {});
