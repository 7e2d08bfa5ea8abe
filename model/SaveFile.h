// Building a file text and putting it in place of a file, with the box that
// tells the user how it went: written once for every writer (level, info,
// world map, help).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace yv {

// A writer's own failure box: its text and title, shown critical with OK.
struct SaveBox {
  const char* text;
  const char* title;
};

// The second line of a writer's box when the text could not be built.
inline constexpr const char* kTooLargeToSave = "The map is too large to save.";
inline constexpr const char* kNoMemoryToBuild = "There is not enough memory to build the file.";

// What a build or a save came to, and what its box, if any, will say. The box
// text is settled when the save ends, so a caller may first put its window
// back in order and then show it.
class SaveResult {
 public:
  enum class Outcome {
    Nothing,  // a blank path: there was nothing to save, so nothing failed
    Done,     // the text is published, or the file holds it (maybe with a warning)
    Refused,  // another build or save was running: nothing changed, nothing to tell
    Failed,   // not built or not written: published text and file are as they were
  };
  SaveResult() = default;  // refused
  SaveResult(Outcome outcome, const SaveBox& box, std::string boxText = {})
      : outcome_(outcome), box_(box), boxText_(std::move(boxText)) {}

  // The text is in place, or there was nothing to do.
  bool Ok() const { return outcome_ == Outcome::Nothing || outcome_ == Outcome::Done; }
  // The new text is published, or is the file's content now.
  bool Done() const { return outcome_ == Outcome::Done; }
  // Shows the box there is to show: why the save failed, or, after a save
  // that is done, why the file may not survive a crash. Returns Ok().
  bool Report() const;

 private:
  Outcome outcome_ = Outcome::Refused;
  SaveBox box_{"", ""};
  std::string boxText_;
};

// One text build. The text grows in a string of the build's own and reaches
// target only once it is whole, so a failed build leaves the published text
// as it was. Made by WorkTextBuild.
struct TextBuild {
  SaveBox box;
  // Switch to LF line ends first (the text of a file).
  bool fileLineEnds = false;
  // When set: the exact length the text will have. A text the readers could
  // not take back (kMaxReadableLength bytes or more) is refused before
  // anything is built; otherwise the string is given that capacity at once.
  std::function<int64_t()> measure;
  std::function<void(std::string&)> build;
  // Where the whole text is published, and a string that takes a copy of it
  // first (none when null); what is published is what a save writes.
  std::string* target = nullptr;
  std::string* copy = nullptr;
};

// The build of a writer's text into target (and copy, when given), with the
// writer's box for its failures. A file build switches to LF line ends first.
TextBuild WorkTextBuild(const SaveBox& box, bool fileLineEnds, std::string& target, std::string* copy,
                        std::function<void(std::string&)> build);

// Builds and publishes under the build lock. Running out of memory, or a
// text too large, is a failure with its reason line; it never ends the program.
SaveResult BuildText(const TextBuild& text);
// Builds, publishes and writes the text as the whole file at path, under one
// hold of the build lock, then runs the event pump once, whether the write
// succeeded or not. A blank path builds and writes nothing.
SaveResult BuildAndWriteText(const std::string& path, const TextBuild& text);
// Writes bytes as the whole file at path under the build lock; the old file
// stays whole until the new one is written. A blank path writes nothing.
SaveResult WriteText(const std::string& path, const SaveBox& box, std::string_view bytes);

// For tests: a hook run at the start of every build, where the build itself
// would fail; one that throws std::bad_alloc stands for a build that runs
// out of memory. Returns the previous hook.
std::function<void()> InstallBuildHook(std::function<void()> hook);

}  // namespace yv
