#pragma once
// Start-up figures for the README: time from process start to the first board painted, the
// resident memory then, and optionally the time of rebuilding the board.
#include <QStringList>

namespace sv {

class frmSOLVER;

// The N of "--measure-rebuild=N", or 0.
int RebuildCountArgument(const QStringList& args);
// Once `window` has painted for the first time: prints "startup_ms=... rss_kb=...", then,
// when `rebuilds` > 0, rebuilds the 16x16 board that many times and prints the mean time
// "rebuild16_ms=...", and quits.
void MeasureWhenShown(frmSOLVER& window, int rebuilds);

} // namespace sv
