#pragma once

class QWidget;

// For the start-up benchmark: when GOALRUN_STARTUP_PROBE is set, prints the time from the
// moment in GOALRUN_STARTUP_T0_NS (CLOCK_REALTIME nanoseconds, taken by the launcher) to the
// first painted frame of `window`, the peak resident memory and the CPU time (user and
// system) so far, then quits.
// Does nothing otherwise.
void InstallStartupProbe(QWidget& window);
