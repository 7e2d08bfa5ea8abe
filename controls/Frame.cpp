#include "controls/Frame.h"

#include "platform/qt/QtServices.h"

namespace yv::controls {

Frame::Frame(QWidget* parent, int x, int y, int w, int h, const std::string& caption)
    : Control<QGroupBox>(parent, x, y, w, h) {
  setFlat(false);
  SetCaption(caption);
}

std::string Frame::Caption() const { return platform::ToCp1252(title()); }
void Frame::SetCaption(const std::string& caption) { setTitle(platform::FromCp1252(caption)); }

}  // namespace yv::controls
