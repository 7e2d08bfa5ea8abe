#include "model/Preference.h"

#include <algorithm>
#include <cmath>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace yv {

PreferenceRecord Pref;

std::string PreferencesPath() { return platform::ProgramFolder() + "\\YV_Editor.Preferences"; }

namespace {

class Writer {
 public:
  void Int(int16_t v) {
    auto u = static_cast<uint16_t>(v);
    out_.push_back(static_cast<char>(u & 0xFF));
    out_.push_back(static_cast<char>(u >> 8));
  }
  template <size_t N>
  void Ints(const std::array<int16_t, N>& values) {
    for (int16_t v : values) Int(v);
  }
  void Str(const std::string& s) {
    // The length field is 16 bits; a longer text is cut to what it can hold.
    size_t n = std::min<size_t>(s.size(), 0xFFFF);
    Int(static_cast<int16_t>(static_cast<uint16_t>(n)));
    out_.append(s, 0, n);
  }
  void Bytes(const uint8_t* p, size_t n) { out_.append(reinterpret_cast<const char*>(p), n); }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

// Reads fields until the data runs out; from then on every read fails and
// leaves its field as it was (zero or empty).
class Reader {
 public:
  explicit Reader(std::string_view bytes) : in_(bytes) {}
  void Int(int16_t& v) {
    if (failed_ || pos_ + 2 > in_.size()) {
      failed_ = true;
      return;
    }
    auto lo = static_cast<uint8_t>(in_[pos_]), hi = static_cast<uint8_t>(in_[pos_ + 1]);
    v = static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
    pos_ += 2;
  }
  template <size_t N>
  void Ints(std::array<int16_t, N>& values) {
    for (int16_t& v : values) Int(v);
  }
  void Str(std::string& s) {
    if (failed_ || pos_ + 2 > in_.size()) {
      failed_ = true;
      return;
    }
    size_t n = static_cast<uint8_t>(in_[pos_]) | (static_cast<uint8_t>(in_[pos_ + 1]) << 8);
    if (pos_ + 2 + n > in_.size()) {
      failed_ = true;
      return;
    }
    s.assign(in_.substr(pos_ + 2, n));
    pos_ += 2 + n;
  }
  void Bytes(uint8_t* p, size_t n) {
    if (failed_ || pos_ + n > in_.size()) {
      failed_ = true;
      return;
    }
    std::copy(in_.begin() + static_cast<long>(pos_), in_.begin() + static_cast<long>(pos_ + n), p);
    pos_ += n;
  }

 private:
  std::string_view in_;
  size_t pos_ = 0;
  bool failed_ = false;
};

// The one description of the layout, walked by both directions.
template <typename IO, typename Record>
void Layout(IO& io, Record& r) {
  io.Ints(r.FormLeft);                                   // block 1
  io.Ints(r.FormTop);                                    // block 2
  io.Bytes(r.Reserved1.data(), r.Reserved1.size());      // block 3
  io.Str(r.LastLevelFile);                               // block 4
  io.Int(r.SavedTile);                                   // block 5
  io.Int(r.SavedLayer);
  io.Int(r.SavedMode);
  io.Int(r.SavedBadGuyKind);
  io.Int(r.Reserved2);
  io.Str(r.LastWorldMapFile);                            // block 6
  io.Int(r.SavedWorldMode);                              // block 7
  io.Int(r.SavedWorldScrollX);
  io.Int(r.SavedWorldScrollY);
  io.Int(r.SavedScrollX);
  io.Int(r.Reserved3);
  io.Int(r.ShowGrid);
  io.Str(r.LastInfoFile);                                // block 8
  io.Int(r.AutoCompleteClouds);                          // block 9
  io.Int(r.SavedTileSet);
  io.Ints(r.FavoritesA);
  io.Ints(r.FavoritesB);
  io.Str(r.DefaultAuthor);                               // block 10
  io.Int(r.AddEndSequence);                              // block 11
  io.Int(r.ShowResetPoints);
  io.Int(r.AddIgloo);
  io.Int(r.FloorTile);
  io.Str(r.Reserved4);                                   // block 12
  io.Int(r.WorldAutoComplete);                           // block 13
  io.Ints(r.WorldFavorites);
}

}  // namespace

std::string EncodePreferences(const PreferenceRecord& record) {
  Writer w;
  PreferenceRecord copy = record;  // the layout walks a mutable record
  Layout(w, copy);
  return w.Take();
}

PreferenceRecord DecodePreferences(std::string_view bytes) {
  PreferenceRecord r;
  Reader reader(bytes);
  Layout(reader, r);
  return r;
}

void LoadPreferences() {
  const std::string path = PreferencesPath();
  std::string bytes;
  if (!platform::Fs().ReadWholeFile(path, bytes)) {
    bytes.clear();
    if (!platform::Fs().FileExists(path)) platform::Fs().ReplaceWholeFile(path, "");
  }
  Pref = DecodePreferences(bytes);
}

bool SavePreferences() {
  const std::string path = PreferencesPath();
  std::string bytes = EncodePreferences(Pref);
  // The file is never shortened: the bytes of a longer earlier record stay
  // after the new one, where the next load ignores them.
  std::string old;
  if (platform::Fs().ReadWholeFile(path, old) && old.size() > bytes.size()) bytes.append(old, bytes.size());
  return platform::Fs().ReplaceWholeFile(path, bytes);
}

bool IsCentredForm(int formIndex) {
  switch (formIndex) {
    case kFormMainFrm:
    case kFormWorldFrm:
    case kFormLinkForm:
    case kFormWorldPropertiesFrm:
    case kFormZTypeFrm:
    case kFormZBGEditFrm:
      return true;
    default:
      return false;
  }
}

WindowPlace PlaceWindow(int formIndex, int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  WindowPlace place;
  if (formIndex < 0 || formIndex > 15) return place;
  if (Pref.FormLeft[formIndex] == 0 && Pref.FormTop[formIndex] == 0) {
    if (IsCentredForm(formIndex)) {
      place.left = (screenWidth - windowWidth) / 2;
      place.top = (screenHeight - windowHeight) / 2;
    }
    return place;
  }
  place.left = Pref.FormLeft[formIndex];
  place.top = Pref.FormTop[formIndex];
  return place;
}

void StoreWindowPlace(int formIndex, double left, double top) {
  if (formIndex < 0 || formIndex > 15) return;
  auto clamp16 = [](double v) {
    if (!std::isfinite(v)) return static_cast<int16_t>(0);
    double r = std::nearbyint(v);
    return static_cast<int16_t>(std::clamp(r, -32768.0, 32767.0));
  };
  Pref.FormLeft[formIndex] = clamp16(left);
  Pref.FormTop[formIndex] = clamp16(top);
}

}  // namespace yv
