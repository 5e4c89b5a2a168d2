#pragma once
// Timing shared by the benchmarks. Each compares against a baseline measured in the same run,
// so medians and their ratios are what they report.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/gui/Graphics.h"

namespace tmbench {

inline double Milliseconds(const std::function<void()>& step) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  step();
  QueryPerformanceCounter(&end);
  return 1e3 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The median time of step over runs, in microseconds. prepare runs untimed before each; GDI's
// batch is flushed before the clock stops, so drawing is counted where it happens.
inline double MedianMicroseconds(int runs, const std::function<void()>& prepare,
                                 const std::function<void()>& step) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    prepare();
    times.push_back(1e3 * Milliseconds([&] {
                      step();
                      GdiFlush();
                    }));
  }
  return Median(times);
}

inline double MedianMicroseconds(int runs, const std::function<void()>& step) {
  return MedianMicroseconds(runs, [] {}, step);
}

// One BitBlt of a width x height area between two memory bitmaps: the baseline of drawing.
inline double BlitMicroseconds(int width, int height) {
  tmv::TBitmap from, to;
  from.SetSize(width, height);
  to.SetSize(width, height);
  return MedianMicroseconds(200, [&] {
    BitBlt(to.Canvas()->Handle(), 0, 0, width, height, from.Canvas()->Handle(), 0, 0, SRCCOPY);
  });
}

}  // namespace tmbench
