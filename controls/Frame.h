// A frame: a border with an optional caption that groups the controls made
// with it as their parent. Children are placed in pixels from the frame's own
// top-left corner; there is no layout. A frame without a caption draws only
// its border.
#pragma once

#include <QGroupBox>
#include <string>

#include "controls/Control.h"

namespace yv::controls {

class Frame : public Control<QGroupBox> {
  Q_OBJECT
 public:
  Frame(QWidget* parent, int x, int y, int w, int h, const std::string& caption = std::string());

  std::string Caption() const;
  void SetCaption(const std::string& caption);
};

}  // namespace yv::controls
