#include "controls/CheckBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

#include "platform/qt/QtServices.h"

namespace yv::controls {

CheckBox::CheckBox(QWidget* parent, int x, int y, int w, int h, const std::string& caption)
    : Control<QCheckBox>(parent, x, y, w, h) {
  setTristate(true);  // grayed is a value the program sets; nextCheckState keeps the user to 0 and 1
  setCheckState(Qt::Unchecked);
  SetCaption(caption);
}

std::string CheckBox::Caption() const { return caption_; }

void CheckBox::SetCaption(const std::string& caption) {
  caption_ = caption;
  LayOutCaption();
}

void CheckBox::resizeEvent(QResizeEvent* event) {
  QCheckBox::resizeEvent(event);
  LayOutCaption();
}

void CheckBox::changeEvent(QEvent* event) {
  QCheckBox::changeEvent(event);
  if (event->type() == QEvent::FontChange) LayOutCaption();
}

void CheckBox::LayOutCaption() {
  QString text = platform::FromCp1252(caption_);
  QFontMetrics fm(font());
  QStyleOptionButton option;
  initStyleOption(&option);
  int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
                  style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
  int room = width() - indicator;
  // Half a line to spare is enough: a bold two-line caption fits a box a
  // pixel or two short of two full lines.
  if (2 * height() < 3 * fm.height() || room <= 0 || fm.horizontalAdvance(text) <= room) {
    setText(text);
    return;
  }
  QStringList lines;
  QString line;
  for (const QString& word : text.split(' ')) {
    QString candidate = line.isEmpty() ? word : line + ' ' + word;
    if (!line.isEmpty() && fm.horizontalAdvance(candidate) > room) {
      lines << line;
      line = word;
    } else {
      line = candidate;
    }
  }
  lines << line;
  setText(lines.join('\n'));
}

void CheckBox::SetValue(int value) {
  if (value < 0 || value > 2) value = value ? 1 : 0;
  if (value == value_) return;
  value_ = value;
  setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
  Raise(Click);
}

void CheckBox::nextCheckState() { SetValue(value_ == 1 ? 0 : 1); }

}  // namespace yv::controls
