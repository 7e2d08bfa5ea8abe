#include "controls/Toolbar.h"

#include <QIcon>
#include <QToolButton>
#include <algorithm>

#include "platform/qt/QtServices.h"

namespace yv::controls {
namespace {
constexpr int kMargin = 2;
constexpr int kSeparatorWidth = 8;
}  // namespace

Toolbar::Toolbar(QWidget* parent, int x, int y, int w, int h) : Control<QFrame>(parent, x, y, w, h) {
  setFrameShape(QFrame::NoFrame);
}

const Toolbar::Entry* Toolbar::At(int index) const {
  if (index < 1 || index > Count()) return nullptr;
  return &entries_[static_cast<size_t>(index - 1)];
}

int Toolbar::AddButton(const std::string& caption, const std::string& toolTip, const QPixmap& picture) {
  Entry e;
  e.caption = caption;
  e.toolTip = toolTip;
  e.button = new QToolButton(this);
  e.button->setAutoRaise(true);
  e.button->setFocusPolicy(Qt::NoFocus);  // a toolbar click leaves the focus where it was
  e.button->setText(platform::FromCp1252(caption));
  e.button->setToolButtonStyle(caption.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
  if (!picture.isNull()) {
    e.button->setIcon(QIcon(picture));
    e.button->setIconSize(picture.size());
  }
  ApplyToolTip(e.button, toolTip);
  entries_.push_back(e);
  const int index = Count();
  connect(e.button, &QToolButton::clicked, this, [this, index] { Raise(ButtonClick, index); });
  e.button->show();
  Arrange();
  return index;
}

int Toolbar::AddSeparator() {
  Entry e;
  e.separator = new QFrame(this);
  e.separator->setFrameShape(QFrame::VLine);
  e.separator->setFrameShadow(QFrame::Sunken);
  e.separator->show();
  entries_.push_back(e);
  Arrange();
  return Count();
}

bool Toolbar::IsSeparator(int index) const {
  const Entry* e = At(index);
  return e && !e->button;
}

std::string Toolbar::ButtonCaption(int index) const {
  const Entry* e = At(index);
  return e ? e->caption : std::string();
}

std::string Toolbar::ButtonToolTip(int index) const {
  const Entry* e = At(index);
  return e ? e->toolTip : std::string();
}

void Toolbar::SetButtonToolTip(int index, const std::string& toolTip) {
  if (index < 1 || index > Count()) return;
  Entry& e = entries_[static_cast<size_t>(index - 1)];
  e.toolTip = toolTip;
  if (e.button) ApplyToolTip(e.button, toolTip);
}

void Toolbar::SetButtonPicture(int index, const QPixmap& picture) {
  const Entry* e = At(index);
  if (!e || !e->button) return;
  e->button->setIcon(picture.isNull() ? QIcon() : QIcon(picture));
  if (!picture.isNull()) e->button->setIconSize(picture.size());
  Arrange();
}

bool Toolbar::ButtonEnabled(int index) const {
  const Entry* e = At(index);
  return e && e->button && !e->button->testAttribute(Qt::WA_ForceDisabled);
}

void Toolbar::SetButtonEnabled(int index, bool enabled) {
  const Entry* e = At(index);
  if (e && e->button) e->button->setEnabled(enabled);
}

QWidget* Toolbar::ButtonWidget(int index) const {
  const Entry* e = At(index);
  if (!e) return nullptr;
  if (e->button) return e->button;
  return e->separator;
}

void Toolbar::Arrange() {
  int buttons = 0;
  int separators = 0;
  for (const Entry& e : entries_) (e.button ? buttons : separators) += 1;
  const int room = width() - 2 * kMargin - separators * kSeparatorWidth;
  auto widest = [&] {
    int w = 0;
    for (const Entry& e : entries_)
      if (e.button) w = std::max(w, e.button->sizeHint().width());
    return w;
  };
  // The bar's size is fixed by its window; when the captions in this font do
  // not fit it, they get a smaller font rather than buttons that run off the end.
  int w = widest();
  for (double points = font().pointSizeF(); buttons > 0 && w * buttons > room && points > 6;) {
    points -= 0.5;
    for (const Entry& e : entries_) {
      if (!e.button) continue;
      QFont f = e.button->font();
      f.setPointSizeF(points);
      e.button->setFont(f);
    }
    w = widest();
  }
  if (buttons > 0) w = std::min(w, room / buttons);
  int h = 0;
  for (const Entry& e : entries_)
    if (e.button) h = std::max(h, e.button->sizeHint().height());
  h = std::min(h, height() - 2 * kMargin);
  int x = kMargin;
  for (const Entry& e : entries_) {
    if (e.button) {
      e.button->setGeometry(x, kMargin, w, h);
      x += w;
    } else {
      e.separator->setGeometry(x, kMargin, kSeparatorWidth, std::max(h, 1));
      x += kSeparatorWidth;
    }
  }
}

}  // namespace yv::controls
