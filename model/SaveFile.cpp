#include "model/SaveFile.h"

#include <new>
#include <stdexcept>
#include <utility>

#include "model/BuildLock.h"
#include "model/General.h"
#include "model/LineEnds.h"
#include "model/ReaderState.h"
#include "platform/FileSystem.h"
#include "platform/System.h"
#include "platform/Ui.h"

namespace yv {
namespace {

std::function<void()> g_buildHook;

std::string WithReason(const SaveBox& box, const char* reason) { return std::string(box.text) + CrLf + reason; }

// Builds and publishes; the caller holds the build lock.
SaveResult BuildHoldingLock(const TextBuild& text, const std::string** published) {
  if (text.fileLineEnds) UseLfLineEnds();
  try {
    const int64_t length = text.measure ? text.measure() : 0;
    if (length >= kMaxReadableLength)
      return {SaveResult::Outcome::Failed, text.box, WithReason(text.box, kTooLargeToSave)};
    if (g_buildHook) g_buildHook();
    std::string out;
    out.reserve(static_cast<size_t>(length));
    text.build(out);
    if (text.copy) *text.copy = out;
    *text.target = std::move(out);
    if (published) *published = text.target;
  } catch (const std::bad_alloc&) {
    return {SaveResult::Outcome::Failed, text.box, WithReason(text.box, kNoMemoryToBuild)};
  } catch (const std::length_error&) {
    return {SaveResult::Outcome::Failed, text.box, WithReason(text.box, kNoMemoryToBuild)};
  }
  return {SaveResult::Outcome::Done, text.box};
}

// Writes bytes; the caller holds the build lock. The whole-file replace keeps
// the old file until the new text is completely on disk, so a full disk or a
// vanished folder costs nothing. A replace that put the file in place but
// could not make it durable counts as done, with its warning in the box.
SaveResult WriteHoldingLock(const std::string& path, const SaveBox& box, std::string_view bytes) {
  platform::FileSystem& fs = platform::Fs();
  if (!fs.ReplaceWholeFile(path, bytes))
    return {SaveResult::Outcome::Failed, box, platform::WithWriteFailure(box.text, path)};
  if (fs.LastWriteWarned(path)) return {SaveResult::Outcome::Done, box, platform::WithWriteFailure(box.text, path)};
  return {SaveResult::Outcome::Done, box};
}

}  // namespace

TextBuild WorkTextBuild(const SaveBox& box, bool fileLineEnds, std::string& target, std::string* copy,
                        std::function<void(std::string&)> build) {
  return {.box = box,
          .fileLineEnds = fileLineEnds,
          .measure = nullptr,
          .build = std::move(build),
          .target = &target,
          .copy = copy};
}

bool SaveResult::Report() const {
  if (!boxText_.empty()) ShowMsgBox(boxText_, platform::kCriticalOk, box_.title);
  return Ok();
}

SaveResult BuildText(const TextBuild& text) {
  BuildLock lock;
  if (!lock.Held()) return {};
  return BuildHoldingLock(text, nullptr);
}

SaveResult BuildAndWriteText(const std::string& path, const TextBuild& text) {
  if (Trim(path).empty()) return {SaveResult::Outcome::Nothing, text.box};
  SaveResult result;
  {
    BuildLock lock;
    if (!lock.Held()) return {};
    const std::string* published = nullptr;
    result = BuildHoldingLock(text, &published);
    if (result.Done()) result = WriteHoldingLock(path, text.box, *published);
  }
  platform::DoEvents();
  return result;
}

SaveResult WriteText(const std::string& path, const SaveBox& box, std::string_view bytes) {
  if (Trim(path).empty()) return {SaveResult::Outcome::Nothing, box};
  BuildLock lock;
  if (!lock.Held()) return {};
  return WriteHoldingLock(path, box, bytes);
}

std::function<void()> InstallBuildHook(std::function<void()> hook) {
  return std::exchange(g_buildHook, std::move(hook));
}

}  // namespace yv
