// MD5 throughput over memory and over a file read in chunks, as the file digest reads it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shared/md5.h"

namespace {

constexpr std::size_t kBytes = 64u << 20;
constexpr std::size_t kChunk = 1u << 20;

std::vector<unsigned char> Pattern() {
  std::vector<unsigned char> bytes(kBytes);
  unsigned x = 12345;
  for (auto& b : bytes) b = static_cast<unsigned char>((x = x * 1103515245 + 12345) >> 16);
  return bytes;
}

void BM_Md5Memory(benchmark::State& state) {
  const std::vector<unsigned char> bytes = Pattern();
  for (auto _ : state) {
    qb::Md5 md5;
    md5.Update(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(md5.Final());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(BM_Md5Memory)->Unit(benchmark::kMillisecond);

// The file is QB_MD5_BENCH_FILE when set (to compare with md5sum on the very same file),
// else a 64 MiB file written once under /tmp.
std::string BenchFile() {
  if (const char* given = std::getenv("QB_MD5_BENCH_FILE")) return given;
  static const std::string path = [] {
    const std::string p = "/tmp/qb_md5_bench_64MiB.bin";
    const std::vector<unsigned char> bytes = Pattern();
    if (FILE* f = std::fopen(p.c_str(), "wb")) {
      std::fwrite(bytes.data(), 1, bytes.size(), f);
      std::fclose(f);
    }
    return p;
  }();
  return path;
}

void BM_Md5File(benchmark::State& state) {
  const std::string path = BenchFile();
  std::vector<unsigned char> chunk(kChunk);
  std::size_t total = 0;
  for (auto _ : state) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
      state.SkipWithError("cannot open the benchmark file");
      break;
    }
    qb::Md5 md5;
    for (std::size_t n; (n = std::fread(chunk.data(), 1, chunk.size(), f)) > 0; total += n)
      md5.Update(chunk.data(), n);
    std::fclose(f);
    benchmark::DoNotOptimize(md5.Final());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(total));
}
BENCHMARK(BM_Md5File)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
