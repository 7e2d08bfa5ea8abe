// Reading and writing the largest world map the properties dialog allows:
// 1023 x 256 cells and 500 links of every type (about 1.1 MB), beside one
// plain read of the same file into memory for comparison.
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

void MakeBigWorld() {
  yv::InitTextConstants();
  yv::InitEditorGlobals();
  yv::Pref = yv::PreferenceRecord{};
  yv::ResetWorldData();
  yv::WorldData& w = yv::World;
  std::mt19937 rng(1023);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  w.Name = "The Great Frozen Continent";
  w.Music = "snowfields.mod";
  w.Width = 1023;
  w.Height = 256;
  w.Tiles.Create(1023, 256);
  for (int c = 0; c < 1023; ++c)
    for (int r = 0; r < 256; ++r) w.Tiles.Set(c, r, static_cast<int16_t>(pick(1, 71)));
  for (int i = 0; i < 500; ++i) {
    yv::AddInNewLink(static_cast<int16_t>(pick(0, 1022)), static_cast<int16_t>(pick(0, 255)));
    yv::WorldLink& l = w.Links.back();
    l.LinkType = static_cast<int16_t>(2 + i % 4);
    l.LevelLinkName = "frostbite/level" + std::to_string(i) + ".yvl";
    l.ExtroFile = i % 8 == 0 ? "C:\\Program Files\\Yorvane\\data\\levels\\end.txt" : "";
    l.Message = "A message for the traveller at link " + std::to_string(i);
    l.Invisible = "t";
    l.ApplyUp = "t";
    l.ApplyLeft = "f";
    l.DestX = static_cast<int16_t>(pick(0, 1022));
    l.DestY = static_cast<int16_t>(pick(0, 255));
  }
  yv::BuildWorldText();
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
  MakeBigWorld();
  const std::string text = yv::WorldText;
  HostDrive drive;
  std::ofstream(drive.folder / "bench" / "big.yvwm", std::ios::binary) << text;
  for (auto _ : state) ReadOnce(state);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadWorld_HostFile)->Unit(benchmark::kMillisecond);

// The yardstick: the same file read into memory with one read call.
void BM_PlainRead_HostFile(benchmark::State& state) {
  MakeBigWorld();
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
BENCHMARK(BM_PlainRead_HostFile)->Unit(benchmark::kMillisecond);

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
