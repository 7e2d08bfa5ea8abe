#include "controls/Label.h"

#include "platform/qt/QtServices.h"

namespace yv::controls {

Label::Label(QWidget* parent, int x, int y, int w, int h, const std::string& caption) : MouseLabel(parent, x, y, w, h) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setMargin(0);
  setIndent(0);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setAutoFillBackground(true);
  SetCaption(caption);
}

void Label::SetCaption(const std::string& caption) {
  caption_ = caption;
  QString shown = platform::FromCp1252(caption);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QChar('\r'), QChar('\n'));
  setText(shown);
}

void Label::SetAlignment(Align align) {
  align_ = align;
  Qt::Alignment h = align == Align::Right ? Qt::AlignRight : align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
  setAlignment(h | Qt::AlignTop);
}

void Label::SetBackStyle(Back back) {
  back_ = back;
  setAutoFillBackground(back == Back::Opaque);
  update();
}

void Label::SetBackColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setAutoFillBackground(back_ == Back::Opaque);
}

}  // namespace yv::controls
