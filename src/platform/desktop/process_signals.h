// Signals whose default action would end the program in the middle of its work.
#pragma once

namespace desktop {

// A write past the file-size limit (ulimit -f) raises SIGXFSZ, which by default ends the process
// and takes every unsaved drawing with it. Ignored, the write fails with EFBIG and the save is
// refused with its cause. Called first thing at start-up.
void ignoreFileSizeSignal();

} // namespace desktop
