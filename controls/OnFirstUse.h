// Controls made the first time one of them is touched. A window leaves the
// rows of a panel that is hidden at start unmade until the panel is used:
// making them is a good part of a start-up, and a hidden panel shows nothing.
//
// A window declares one OnFirstUse per group of controls made together, and
// the group's control arrays on it:
//   controls::OnFirstUse rows_{[this] { BuildRows(); }};
//   controls::ArrayOnFirstUse<controls::Label, 10> NameBox{rows_};
// Touching an element of any array of the group (NameBox[3], a loop over
// NameBox) makes the whole group first. The builder fills the arrays through
// Items(), which makes nothing, and runs once.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <utility>

namespace yv::controls {

class OnFirstUse {
 public:
  explicit OnFirstUse(std::function<void()> build) : build_(std::move(build)) {}
  OnFirstUse(const OnFirstUse&) = delete;
  OnFirstUse& operator=(const OnFirstUse&) = delete;

  // Makes the group unless it is made (or being made) already.
  void Make() {
    if (made_) return;
    made_ = true;  // first: the builder touches the arrays it fills
    build_();
  }
  bool Made() const { return made_; }

 private:
  std::function<void()> build_;
  bool made_ = false;
};

template <class C, std::size_t N>
class ArrayOnFirstUse {
 public:
  explicit ArrayOnFirstUse(OnFirstUse& group) : group_(group) {}
  ArrayOnFirstUse(const ArrayOnFirstUse&) = delete;
  ArrayOnFirstUse& operator=(const ArrayOnFirstUse&) = delete;

  C* operator[](std::size_t i) {
    group_.Make();
    return items_[i];
  }
  typename std::array<C*, N>::iterator begin() {
    group_.Make();
    return items_.begin();
  }
  typename std::array<C*, N>::iterator end() {
    group_.Make();
    return items_.end();
  }
  static constexpr std::size_t size() { return N; }

  // The elements as they are, made or not: for the builder.
  std::array<C*, N>& Items() { return items_; }

 private:
  OnFirstUse& group_;
  std::array<C*, N> items_{};
};

}  // namespace yv::controls
