// A label: a caption drawn as plain text (no markup, "&" shown as it is),
// wrapped at word boundaries inside its fixed box and aligned to its top edge;
// a caption that does not fit the box so is shown in a smaller size of the
// font, as large as lets it fit.
// It has the mouse events of an image box; the windows use Click and
// MouseMove.
// A disabled label takes no clicks and shows that it is off as a disabled
// text box of its window does: greyed text on its back colour faded towards
// the back of such a text box.
#pragma once

#include <string>

#include "controls/MouseLabel.h"

namespace yv::controls {

enum class Align { Left, Right, Center };
enum class Back { Transparent, Opaque };

class Label : public MouseLabel {
  Q_OBJECT
 public:
  Label(QWidget* parent, int x, int y, int w, int h, const std::string& caption = std::string());

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  Align Alignment() const { return align_; }
  void SetAlignment(Align align);
  Back BackStyle() const { return back_; }
  void SetBackStyle(Back back);
  // Setting a back colour keeps the back style: a transparent label stays transparent.
  void SetBackColor(const QColor& color) override;
  void SetForeColor(const QColor& color) override;

  QFont ChosenFont() const override { return chosen_; }
  void SetChosenFont(const QFont& font) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitCaption();
  void SetDisabledColors(QPalette& p) const;
  QFont chosen_;
  std::string caption_;
  Align align_ = Align::Left;
  Back back_ = Back::Opaque;
};

}  // namespace yv::controls
