// PC1 over a report of the longest enciphered length.
#include <benchmark/benchmark.h>

#include <string>

#include "main/support/pc1.h"

namespace {

std::string ReportLikeText() {
  std::string text;
  for (int n = 1; text.size() < qb::kPC1MaxPlainBytes; ++n)
    text += "\r\ndriver_" + std::to_string(n) +
            "=PCI Express Root Port[;]10.0.19041.1[;]Microsoft[;]6-21-2006[;]PCI\\VEN_8086";
  text.resize(qb::kPC1MaxPlainBytes);
  return text;
}

void BM_PC1Encrypt(benchmark::State& state) {
  const std::string text = ReportLikeText();
  for (auto _ : state) benchmark::DoNotOptimize(qb::PC1EncryptText("plumwake", text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_PC1Encrypt)->Unit(benchmark::kMillisecond);

void BM_PC1Decrypt(benchmark::State& state) {
  const std::string cipher = qb::PC1EncryptText("plumwake", ReportLikeText());
  for (auto _ : state) benchmark::DoNotOptimize(qb::PC1DecryptText("plumwake", cipher));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * cipher.size() / 2);
}
BENCHMARK(BM_PC1Decrypt)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
