// Loading the default skin into a skin registry (inflate, pictures, definition, descriptors)
// against a bare inflate of the same compressed bytes, measured in the same run. Prints the
// median of several rounds and the ratio.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

using namespace tmv;

namespace {

constexpr int kRounds = 15;

double Milliseconds(const std::function<void()>& run) {
  auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double MedianMilliseconds(const std::function<void()>& run) {
  std::vector<double> times;
  for (int i = 0; i < kRounds; ++i) times.push_back(Milliseconds(run));
  return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : TM_DEFAULT_SKIN_PACKAGE;
  TMemoryStream compressed;
  compressed.LoadFromFile(path);

  // The package size, so the bare inflate writes into a buffer made once.
  TspCompressedStoredSkin stored(nullptr);
  stored.SetCompressedData(compressed.Bytes());
  TMemoryStream package;
  stored.ExtractPackage(package);
  std::vector<uint8_t> inflated(static_cast<size_t>(package.Size()));

  bool inflateFailed = false;
  double bare = MedianMilliseconds([&] {
    uLongf size = static_cast<uLongf>(inflated.size());
    inflateFailed |= uncompress(inflated.data(), &size, compressed.Memory(),
                                static_cast<uLong>(compressed.Size())) != Z_OK;
  });

  // The same inflate into memory taken fresh each round, as any load must write the skin into
  // new pixel memory: what the warm buffer of the baseline is spared.
  double fresh = MedianMilliseconds([&] {
    std::unique_ptr<uint8_t[]> target(new uint8_t[inflated.size()]);
    uLongf size = static_cast<uLongf>(inflated.size());
    inflateFailed |= uncompress(target.get(), &size, compressed.Memory(),
                                static_cast<uLong>(compressed.Size())) != Z_OK;
  });

  // A program loads its skin once and keeps it: destroying the registry is timed apart.
  bool loadFailed = false;
  size_t controls = 0;
  std::vector<double> loadTimes, freeTimes;
  for (int i = 0; i < kRounds; ++i) {
    std::unique_ptr<TspSkinData> registry;
    loadTimes.push_back(Milliseconds([&] {
      registry = std::make_unique<TspSkinData>(nullptr);
      registry->ApplyStoredSkin(stored);
    }));
    loadFailed |= registry->SkinEmpty();
    controls = registry->CtrlList.size();
    freeTimes.push_back(Milliseconds([&] { registry.reset(); }));
  }
  const double load = Median(loadTimes), freeing = Median(freeTimes);

  if (inflateFailed || loadFailed) {
    std::fprintf(stderr, "skin_load_bench: the skin did not load\n");
    return 1;
  }
  std::printf("compressed %lld bytes, package %lld bytes, %zu controls, median of %d rounds\n",
              static_cast<long long>(compressed.Size()), static_cast<long long>(package.Size()),
              controls, kRounds);
  std::printf("bare inflate           %8.3f ms\n", bare);
  std::printf("inflate, fresh memory  %8.3f ms   (%.2f x bare inflate)\n", fresh, fresh / bare);
  std::printf("load into the registry %8.3f ms   (%.2f x bare inflate)\n", load, load / bare);
  std::printf("free the loaded skin   %8.3f ms   (load and free: %.2f x bare inflate)\n", freeing,
              (load + freeing) / bare);
  return 0;
}
