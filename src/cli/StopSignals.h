#pragma once

#include <csignal>
#include <string_view>

#include "UserDialogs.h"

namespace tarvik {

// SIGINT and SIGTERM ask a command to stop. The handler only notes the signal; the command
// looks at the note when its load reports and between its later steps, leaves no file half
// written, and ends with the status a shell expects of that signal.
void InstallStopSignals();

// The signal that asked for the stop, or 0.
int StopSignal();

// 128 plus the signal, as a shell reports a command that the signal ended.
int StoppedStatus();

// The status sink of the commands' loads: silent, and asking the load to stop after a signal.
class SignalStopStatus final : public StatusSink {
  public:
    void StatusText(std::string_view) override {}
    bool StopRequested() override { return StopSignal() != 0; }
};

// Holds the stop signals back while it lives, so that a step which must not be cut in two (a
// file taking its name) either happens whole or not at all; a signal that came meanwhile is
// taken at its end.
class StopSignalsHeld {
  public:
    StopSignalsHeld();
    ~StopSignalsHeld();
    StopSignalsHeld(const StopSignalsHeld&) = delete;
    StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

  private:
    sigset_t before_;
};

}  // namespace tarvik
