// Signal dispositions set at start-up.
#include "platform/desktop/process_signals.h"

#include <csignal>

namespace desktop {

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

} // namespace desktop
