// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Loading the 27 embedded lists (inflate with progress, split into lines) against a bare raw
// inflate of the same streams into a buffer reserved in advance.

#include "data/ListLoader.h"
#include "resources/QtResourceStore.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace quillby;

long ResidentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// The baseline: zlib alone, one call per stream, into a buffer big enough for the largest text.
void BM_BareInflate(benchmark::State &state)
{
    const QtResourceStore store;
    const auto names = AllListNames();
    std::vector<unsigned char> out(8 << 20);
    for (auto _ : state) {
        std::size_t total = 0;
        for (const std::string &name : names) {
            const ResourceBytes in = OpenResource(store, kRcData, name);
            z_stream zs{};
            inflateInit2(&zs, -MAX_WBITS);
            zs.next_in = const_cast<Bytef *>(in.data());
            zs.avail_in = static_cast<uInt>(in.size());
            zs.next_out = out.data();
            zs.avail_out = static_cast<uInt>(out.size());
            inflate(&zs, Z_FINISH);
            total += zs.total_out;
            inflateEnd(&zs);
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_BareInflate)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The baseline as a loader that knew each text's size would run: zlib alone, each stream into a
// fresh buffer of exactly its text's size, so it pays for new memory as the program does.
void BM_BareInflateFreshBuffers(benchmark::State &state)
{
    const QtResourceStore store;
    const auto names = AllListNames();
    std::vector<std::size_t> textSizes;
    for (const std::string &name : names)
        textSizes.push_back(LoadListResource(store, name, {}).textSize());
    for (auto _ : state) {
        std::vector<std::unique_ptr<unsigned char[]>> texts;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const ResourceBytes in = OpenResource(store, kRcData, names[i]);
            texts.push_back(std::make_unique_for_overwrite<unsigned char[]>(textSizes[i]));
            z_stream zs{};
            inflateInit2(&zs, -MAX_WBITS);
            zs.next_in = const_cast<Bytef *>(in.data());
            zs.avail_in = static_cast<uInt>(in.size());
            zs.next_out = texts.back().get();
            zs.avail_out = static_cast<uInt>(textSizes[i]);
            inflate(&zs, Z_FINISH);
            inflateEnd(&zs);
        }
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(BM_BareInflateFreshBuffers)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The program's loading: inflate in blocks with a progress report per block, then split.
void BM_LoadAllLists(benchmark::State &state)
{
    const QtResourceStore store;
    const auto names = AllListNames();
    long residentAfter = 0, residentBefore = ResidentBytes();
    for (auto _ : state) {
        std::vector<TextLines> lists;
        lists.reserve(names.size());
        int reports = 0;
        for (const std::string &name : names)
            lists.push_back(LoadListResource(store, name, [&](int) { ++reports; }));
        benchmark::DoNotOptimize(reports);
        residentAfter = ResidentBytes();
    }
    state.counters["resident_MiB_after_load"] = double(residentAfter) / (1 << 20);
    state.counters["resident_MiB_added"] = double(residentAfter - residentBefore) / (1 << 20);
}
BENCHMARK(BM_LoadAllLists)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
