// Reading and writing the largest world map the properties dialog allows:
// 1023 x 256 cells with 500 links of every type (about 0.9 MB), and read with
// 8,000 and with 32,000 links (about 5 MB), and a small 64 x 64 world with 500
// links, each beside one plain read of the same file into memory for
// comparison; the three link counts show whether a read grows in step with
// its links. To see the reads under an allocator that hands every large
// block back to the system at once, run with
// GLIBC_TUNABLES=glibc.malloc.mmap_threshold=131072:glibc.malloc.trim_threshold=131072
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "tests/support/MemoryFileSystem.h"
#include "worldeditor/document/YVW_Read.h"
#include "worldeditor/document/YVW_Write.h"

namespace {

const char* const kPath = "C:\\bench\\big.yvwm";

// A world of width x height cells and the given number of links.
void MakeWorld(int width, int height, int links) {
  yv::InitTextConstants();
  yv::InitEditorGlobals();
  yv::Pref = yv::PreferenceRecord{};
  yv::ResetWorldData();
  yv::WorldData& w = yv::World;
  std::mt19937 rng(1023);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  w.Name = "The Great Frozen Continent";
  w.Music = "snowfields.mod";
  w.Width = static_cast<int16_t>(width);
  w.Height = static_cast<int16_t>(height);
  w.Tiles.Create(width, height);
  for (int c = 0; c < width; ++c)
    for (int r = 0; r < height; ++r) w.Tiles.Set(c, r, static_cast<int16_t>(pick(1, 71)));
  for (int i = 0; i < links; ++i) {
    yv::AddInNewLink(static_cast<int16_t>(pick(0, width - 1)), static_cast<int16_t>(pick(0, height - 1)));
    yv::WorldLink& l = w.Links.back();
    l.LinkType = static_cast<int16_t>(2 + i % 4);
    l.LevelLinkName = "frostbite/level" + std::to_string(i) + ".yvl";
    l.ExtroFile = i % 8 == 0 ? "C:\\Program Files\\Yorvane\\data\\levels\\end.txt" : "";
    l.Message = "A message for the traveller at link " + std::to_string(i);
    l.Invisible = "t";
    l.ApplyUp = "t";
    l.ApplyLeft = "f";
    l.DestX = static_cast<int16_t>(pick(0, width - 1));
    l.DestY = static_cast<int16_t>(pick(0, height - 1));
  }
  yv::BuildWorldText();
}

void MakeBigWorld() { MakeWorld(1023, 256, 500); }

// The world a benchmark's arguments name: width, height, links.
void MakeWorld(const benchmark::State& state) {
  MakeWorld(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
}

void WorldSizes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"width", "height", "links"});
  b->Args({1023, 256, 500})->Args({1023, 256, 8000})->Args({1023, 256, 32000})->Args({64, 64, 500});
}

// A host folder standing for drive C:, removed at the end.
struct HostDrive {
  std::filesystem::path folder;
  HostDrive() {
    char tmpl[] = "/tmp/yv_bench_XXXXXX";
    folder = mkdtemp(tmpl);
    yv::platform::SetDriveCFolder(folder.string());
    std::filesystem::create_directory(folder / "bench");
  }
  ~HostDrive() {
    yv::platform::SetDriveCFolder("");
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
};

void ReadOnce(benchmark::State& state) {
  yv::ReadWorldFile(kPath);
  if (yv::WorldReadError != 0 || !yv::WorldLoaded) state.SkipWithError("read failed");
}

void BM_ReadWorld_Memory(benchmark::State& state) {
  MakeBigWorld();
  const std::string text = yv::WorldText;
  yv::platform::MemoryFileSystem mem;
  mem.Put(kPath, text);
  auto* previous = yv::platform::FileSystem::Install(&mem);
  for (auto _ : state) ReadOnce(state);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
  state.counters["file_bytes"] = static_cast<double>(text.size());
  yv::platform::FileSystem::Install(previous);
}
BENCHMARK(BM_ReadWorld_Memory)->Unit(benchmark::kMillisecond);

void BM_ReadWorld_HostFile(benchmark::State& state) {
  MakeWorld(state);
  const std::string text = yv::WorldText;
  HostDrive drive;
  std::ofstream(drive.folder / "bench" / "big.yvwm", std::ios::binary) << text;
  for (auto _ : state) ReadOnce(state);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
  state.counters["file_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ReadWorld_HostFile)->Apply(WorldSizes)->Unit(benchmark::kMillisecond);

// The yardstick: the same file read into memory with one read call.
void BM_PlainRead_HostFile(benchmark::State& state) {
  MakeWorld(state);
  const std::string text = yv::WorldText;
  HostDrive drive;
  const std::string host = (drive.folder / "bench" / "big.yvwm").string();
  std::ofstream(host, std::ios::binary) << text;
  for (auto _ : state) {
    int fd = ::open(host.c_str(), O_RDONLY);
    struct stat st {};
    ::fstat(fd, &st);
    std::string bytes(static_cast<size_t>(st.st_size), '\0');
    if (::read(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) state.SkipWithError("short read");
    ::close(fd);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_PlainRead_HostFile)->Apply(WorldSizes)->Unit(benchmark::kMillisecond);

void BM_BuildWorldText(benchmark::State& state) {
  MakeBigWorld();
  for (auto _ : state) {
    yv::BuildWorldText();
    benchmark::DoNotOptimize(yv::WorldText.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(yv::WorldText.size()));
}
BENCHMARK(BM_BuildWorldText)->Unit(benchmark::kMillisecond);

void BM_BuildAndWriteWorld_HostFile(benchmark::State& state) {
  MakeBigWorld();
  HostDrive drive;
  for (auto _ : state) {
    yv::BuildWorldText();
    if (!yv::WriteWorldFile(kPath)) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(yv::WorldText.size()));
  state.counters["file_bytes"] = static_cast<double>(yv::WorldText.size());
}
BENCHMARK(BM_BuildAndWriteWorld_HostFile)->Unit(benchmark::kMillisecond);

}  // namespace
