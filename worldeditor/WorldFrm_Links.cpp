// The link list panel (frame "Level Links"): 16 rows of links by number and
// type, the selected link's mark and read-outs, and the opening of the link
// editor.
#include "model/General.h"
#include "model/YVE_Main.h"
#include "pictures/Pictures.h"
#include "worldeditor/WorldDialogs.h"
#include "worldeditor/WorldFrm.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {

using namespace controls;

namespace {
constexpr int kLinkRows = 16;
constexpr int kRowTop = 30;
constexpr int kRowPitch = 18;
const QColor kRed(255, 0, 0);
const QColor kLineGrey(128, 128, 128);
const char* const kRowTip = "Click to Edit Link Parameters";
}  // namespace

void WorldFrm::BuildLinkFrame() {
  LinkFrame = new Frame(this, 658, 194, 201, 373, "Level Links");

  auto label = [this](int x, int y, int w, const char* caption, Align align = Align::Left) {
    Label* l = new Label(LinkFrame, x, y, w, 17, caption);
    l->SetAlignment(align);
    return l;
  };
  LinkNumHeader = label(24, 16, 40, "Link #");
  LinkNumHeader->SetBold(true);
  LinkTypeHeader = label(98, 16, 40, "Type");
  LinkTypeHeader->SetBold(true);

  const QPixmap mark = pictures::Named("link_selection_mark");
  for (int i = 0; i < kLinkRows; ++i) {
    const int y = kRowTop + kRowPitch * i;
    LinkIndImg[i] = new ImageBox(LinkFrame, 6, y, 16, 16);
    LinkIndImg[i]->SetPicture(mark);
    LinkNumBox[i] = new Label(LinkFrame, 24, y, 31, 17);
    LinkNumBox[i]->SetBackColor(kRed);
    LinkNumBox[i]->SetForeColor(Qt::white);
    LinkNumBox[i]->SetBold(true);
    LinkNumBox[i]->SetAlignment(Align::Center);
    LinkTypeBox[i] = new Label(LinkFrame, 56, y, 115, 17);
    LinkTypeBox[i]->SetBold(true);
    LinkTypeBox[i]->SetAlignment(Align::Center);
    for (MouseLabel* row : {static_cast<MouseLabel*>(LinkIndImg[i]), static_cast<MouseLabel*>(LinkNumBox[i]),
                            static_cast<MouseLabel*>(LinkTypeBox[i])}) {
      row->SetToolTip(kRowTip);
      row->SetMousePointer(Pointer::Hand);
    }
    LinkIndImg[i]->Click = [this, i] { LinkIndImg_Click(i); };
    LinkNumBox[i]->Click = [this, i] { LinkNumBox_Click(i); };
    LinkTypeBox[i]->Click = [this, i] { LinkTypeBox_Click(i); };
  }
  LinkScroll = new ScrollBar(LinkFrame, 176, kRowTop, 19, 287, Qt::Vertical);
  LinkScroll->SetMin(0);
  LinkScroll->SetMax(0);
  LinkScroll->Change = [this] { LinkScroll_Change(); };
  LinkScroll->Scroll = [this] { LinkScroll_Scroll(); };

  LinkLine = new Label(LinkFrame, 4, 322, 193, 1);
  LinkLine->SetBackColor(kLineGrey);

  LinkNameLabel = label(6, 326, 30, "Name");
  LinkNameBox = label(38, 326, 157, "");
  LinkXLabel = label(4, 348, 12, "X", Align::Right);
  LinkXBox = label(18, 348, 28, "", Align::Center);
  LinkYLabel = label(48, 348, 12, "Y", Align::Right);
  LinkYBox = label(62, 348, 28, "", Align::Center);
  LinkDXLabel = label(94, 348, 20, "DX", Align::Right);
  LinkDXBox = label(116, 348, 28, "", Align::Center);
  LinkDYLabel = label(146, 348, 18, "DY", Align::Right);
  LinkDYBox = label(166, 348, 28, "", Align::Center);
}

void WorldFrm::UpdateLinkList() {
  if (!LinkFrame || !LinkFrame->Visible()) return;
  FillLinkRows(World.LinkCount);
}

void WorldFrm::FillLinkRows(int count) {
  // A new value or a maximum below the value runs LinkScroll_Change, which
  // fills the list itself; the fill below then finds everything in place.
  if (count >= kLinkRows + 1) {
    LinkScroll->SetMax(count - kLinkRows);
    LinkScroll->SetEnabled(true);
  } else {
    LinkScroll->SetValue(0);
    LinkScroll->SetMax(0);
    LinkScroll->SetEnabled(false);
  }

  const int first = LinkScroll->Value() + 1;
  for (int i = 0; i < kLinkRows; ++i) {
    const int n = first + i;
    if (n > count || n >= static_cast<int>(World.Links.size())) {
      LinkIndImg[i]->SetVisible(false);
      LinkNumBox[i]->SetVisible(false);
      LinkTypeBox[i]->SetVisible(false);
      continue;
    }
    const WorldLink& link = World.Links[static_cast<size_t>(n)];
    LinkNumBox[i]->SetVisible(true);
    LinkTypeBox[i]->SetVisible(true);
    if (n == SelectedLink) {
      LinkIndImg[i]->SetVisible(true);
      LinkXBox->SetCaption(FormatInt(link.X));
      LinkYBox->SetCaption(FormatInt(link.Y));
      const bool teleport = link.LinkType == 4 || link.LinkType == 5;
      LinkDXBox->SetVisible(teleport);
      LinkDYBox->SetVisible(teleport);
      if (teleport) {
        LinkDXBox->SetCaption(FormatInt(link.DestX));
        LinkDYBox->SetCaption(FormatInt(link.DestY));
      }
      LinkNameBox->SetCaption(link.LinkType == 2 ? link.LevelLinkName : "");
    } else {
      LinkIndImg[i]->SetVisible(false);
    }
    LinkNumBox[i]->SetCaption(FormatInt(n));
    const int type = link.LinkType;
    LinkTypeBox[i]->SetCaption(type >= 0 && type < static_cast<int>(LinkTypeNames.size()) ? LinkTypeNames[type] : "");
  }
}

void WorldFrm::ClearLinkList() {
  FillLinkRows(0);
  for (Label* box : {LinkNameBox, LinkXBox, LinkYBox, LinkDXBox, LinkDYBox}) box->SetCaption("");
}

void WorldFrm::OpenLinkEditor() { OpenLinkForm(); }

void WorldFrm::LinkScroll_Change() {
  if (DummyCmd) DummyCmd->SetFocus();
  UpdateLinkList();
}

void WorldFrm::LinkScroll_Scroll() {
  if (DummyCmd) DummyCmd->SetFocus();
  UpdateLinkList();
}

// The rows past the last link are hidden and take no clicks.
void WorldFrm::LinkIndImg_Click(int index) {
  SelectedLink = static_cast<int16_t>(LinkScroll->Value() + index + 1);
  OpenLinkEditor();
}

void WorldFrm::LinkNumBox_Click(int index) {
  SelectedLink = static_cast<int16_t>(LinkScroll->Value() + index + 1);
  OpenLinkEditor();
}

void WorldFrm::LinkTypeBox_Click(int index) {
  SelectedLink = static_cast<int16_t>(LinkScroll->Value() + index + 1);
  OpenLinkEditor();
}

}  // namespace yv
