#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Real pixels, as the per-monitor-aware program sees them, at any scaling.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
