// The link editor and the link type picker it waits for: the copy it edits,
// the fields enabled by type, the flags, the number boxes, the level and
// extro choices, OK, Cancel and Delete, and a close while the picker is open.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <functional>
#include <string>

#include "model/Preference.h"
#include "tests/core/WorldTestSupport.h"
#include "tests/support/ProgramFixture.h"
#include "worldeditor/LinkForm.h"
#include "worldeditor/WorldDialogs.h"
#include "worldeditor/zTypeFrm.h"

using namespace yv;

namespace {

WorldLink MakeLink(int16_t type, const std::string& name, int16_t x) {
  WorldLink link;
  link.LinkType = type;
  link.LevelLinkName = name;
  link.X = x;
  link.Y = static_cast<int16_t>(x + 1);
  return link;
}

// The darkest colour in a grab of a field: its text.
QRgb Ink(const QImage& shot) {
  const QImage rgb = shot.convertToFormat(QImage::Format_RGB32);
  const auto* px = reinterpret_cast<const QRgb*>(rgb.constBits());
  return *std::min_element(px, px + rgb.width() * rgb.height(), [](QRgb a, QRgb b) { return qGray(a) < qGray(b); });
}

class LinkEditor : public test::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    test::ResetWorldState();
    Windows.loadZTypeFrm = [] { OpenZTypeFrm(); };
    World.Links = {WorldLink{}, MakeLink(2, "a.yvl", 1), MakeLink(3, "b", 2), MakeLink(4, "c", 3)};
    World.LinkCount = 3;
  }
  LinkForm* Open(int16_t selected) {
    SelectedLink = selected;
    OpenLinkForm();
    return LinkForm::Instance();
  }
  // Clicks the type field and runs act on the picker it waits for.
  static void WithPicker(LinkForm* form, const std::function<void(zTypeFrm*)>& act) {
    test::RunWhileWaiting<zTypeFrm, int>(
        [&] {
          test::Mouse::Click(form->TypeBox);
          return 0;
        },
        act);
  }
  static void Type(controls::TextBox* box, const char* keys) { QTest::keyClicks(box->Editor(), keys); }
};

}  // namespace

TEST_F(LinkEditor, PickerGivesTheTypeOfItsLabelAndMinusOneOtherwise) {
  LinkForm* form = Open(1);
  ASSERT_NE(form, nullptr);
  const struct {
    int label;  // -1 Cancel, -2 close box
    const char* caption;
    const char* tip;
    int16_t result;
  } cases[] = {{0, "Level Link", "Click to select Level Link Type", 2},
               {1, "Map Message", "Click to select Map Message", 3},
               {2, "Teleport", "Click to select Teleport Link", 4},
               {3, "Invisible Teleport", "Click to select Invisible Teleport Link", 5},
               {-1, "Cancel", "Cancel Link Type Selection", -1},
               {-2, "", "", -1}};
  for (const auto& c : cases) {
    SelectedLinkType = 99;
    WithPicker(form, [&](zTypeFrm* picker) {
      EXPECT_EQ(picker->Caption(), "Select Link Type");
      EXPECT_EQ(picker->size(), QSize(126, 112));
      if (c.label == 0) {
        EXPECT_TRUE(picker->grab().save(QString(YV_BINARY_DIR) + "/grab_ztypefrm.png"));
      }
      EXPECT_EQ(SelectedLinkType, -1);
      EXPECT_TRUE(form->FormEnabled());  // the editor stays enabled meanwhile
      EXPECT_FALSE(ShowZTypeDialog());   // and a second wait is refused
      if (c.label >= 0) {
        EXPECT_EQ(picker->TypeBox[c.label]->Caption(), c.caption);
        EXPECT_EQ(picker->TypeBox[c.label]->ToolTip(), c.tip);
        test::Mouse::Click(picker->TypeBox[c.label]);
      } else if (c.label == -1) {
        EXPECT_EQ(picker->CancelCmd->Caption(), c.caption);
        EXPECT_EQ(picker->CancelCmd->ToolTip(), c.tip);
        test::Mouse::Click(picker->CancelCmd);
      } else {
        picker->close();
      }
    });
    EXPECT_EQ(SelectedLinkType, c.result) << c.caption;
    EXPECT_TRUE(DialogDone);
    // A cancel keeps the type chosen last.
    EXPECT_EQ(form->EditLink.LinkType, c.label == 3 || c.label < 0 ? 5 : c.result);
    EXPECT_EQ(form->TypeBox->Caption(), LinkTypeNames[form->EditLink.LinkType]);
  }
  // The picker opens where it was closed last.
  WithPicker(form, [](zTypeFrm* picker) {
    picker->move(30, 40);
    picker->close();
  });
  EXPECT_EQ(Pref.FormLeft[kFormZTypeFrm], 450);
  EXPECT_EQ(Pref.FormTop[kFormZTypeFrm], 600);
  WithPicker(form, [](zTypeFrm* picker) {
    EXPECT_EQ(picker->pos(), QPoint(30, 40));
    picker->close();
  });
  Windows.loadZTypeFrm = nullptr;
  EXPECT_FALSE(ShowZTypeDialog());  // nothing to show: no wait that could never end
}

TEST_F(LinkEditor, FieldsOfTheTypeAreEnabledAndATypeChangeKeepsTheOthers) {
  World.Links[2].Message = "hi";
  World.Links[2].ApplyUp = "F";
  World.Links[2].ApplyLeft = "t";
  World.Links[2].Invisible = "x";
  // type: NameBox, ExtroBox, MessageBox, DestXBox/DestYBox, the check boxes
  const struct {
    int16_t type;
    bool name, extro, message, dest, checks;
  } states[] = {{2, true, true, false, false, false},
                {3, false, false, true, false, true},
                {4, false, false, true, true, false},
                {5, false, false, true, true, false}};
  for (const auto& s : states) {
    World.Links[2].LinkType = s.type;
    LinkForm* form = Open(2);
    EXPECT_EQ(form->NameBox->Enabled(), s.name) << s.type;
    EXPECT_EQ(form->ExtroBox->Enabled(), s.extro) << s.type;
    EXPECT_EQ(form->MessageBox->Enabled(), s.message) << s.type;
    EXPECT_EQ(form->DestXBox->Enabled(), s.dest) << s.type;
    EXPECT_EQ(form->DestYBox->Enabled(), s.dest) << s.type;
    EXPECT_EQ(form->ApplyDownCheck->Enabled(), s.checks) << s.type;
    EXPECT_TRUE(form->XBox->Enabled() && form->YBox->Enabled() && form->CommentBox->Enabled());
    EXPECT_EQ(form->LinkNumBox->Caption(), "2");
    EXPECT_EQ(form->TypeBox->Caption(), LinkTypeNames[s.type]);
    EXPECT_EQ(form->MessageBox->Text(), "hi");
    EXPECT_EQ(form->ApplyUpCheck->Value(), 0);
    EXPECT_EQ(form->ApplyLeftCheck->Value(), 1);
    EXPECT_EQ(form->ApplyRightCheck->Value(), 1);  // the empty flag
    if (s.type == 2 || s.type == 4) {
      const QImage shot = form->grab().toImage();
      EXPECT_EQ(shot.size(), QSize(395, 300));
      EXPECT_TRUE(shot.save(QString(YV_BINARY_DIR) + "/grab_linkform_type" + QString::number(s.type) + ".png"));
    }
    form->CancelCmd->PerformClick();
  }
  // Types 0 and 1 leave every field as laid out: enabled.
  World.Links[2].LinkType = 1;
  LinkForm* form = Open(2);
  for (QWidget* w : std::initializer_list<QWidget*>{form->NameBox, form->ExtroBox, form->MessageBox, form->DestXBox,
                                                    form->ApplyLeftCheck})
    EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(form->TypeBox->Caption(), "Comment");
  WithPicker(form, [](zTypeFrm* picker) { test::Mouse::Click(picker->TypeBox[2]); });  // teleport
  EXPECT_FALSE(form->NameBox->Enabled());
  EXPECT_TRUE(form->DestXBox->Enabled());
  EXPECT_EQ(form->EditLink.Message, "hi");
  EXPECT_EQ(form->EditLink.LevelLinkName, "b");
  EXPECT_EQ(World.Links[2].LinkType, 1);  // only the copy so far
  form->OKCmd->PerformClick();
  EXPECT_EQ(World.Links[2].LinkType, 4);
  EXPECT_EQ(World.Links[2].Invisible, "x");  // never shown, never changed
}

TEST_F(LinkEditor, FlagsAndNumberBoxesEditOnlyTheCopyUntilOk) {
  EXPECT_EQ(LinkForm::FlagToCheckValue("f"), 0);
  EXPECT_EQ(LinkForm::FlagToCheckValue("F"), 0);
  EXPECT_EQ(LinkForm::FlagToCheckValue("t"), 1);
  EXPECT_EQ(LinkForm::FlagToCheckValue(""), 1);
  World.Links[2].ApplyDown = "t";
  const WorldLink before = World.Links[2];
  LinkForm* form = Open(2);
  test::Mouse::Click(form->ApplyDownCheck);
  EXPECT_EQ(form->EditLink.ApplyDown, "f");
  test::Mouse::Click(form->ApplyDownCheck);
  EXPECT_EQ(form->EditLink.ApplyDown, "");  // never "t"

  // box text typed or pasted -> the value kept
  const struct {
    const char* keys;  // typed after the box is emptied; nullptr: pasted text
    const char* paste;
    int16_t value;
    const char* shown;
  } cases[] = {{"4a2b", nullptr, 42, "42"},
               {"", nullptr, 4, ""},  // the digits deleted one by one: 4 was the last number
               {nullptr, "40000", 4, "40000"},
               {nullptr, "32767", 32767, "32767"},
               {"x7", nullptr, 7, "7"}};
  for (const auto& c : cases) {
    if (c.keys) {
      form->XBox->Editor()->setFocus();
      QTest::keyClick(form->XBox->Editor(), Qt::Key_End);
      while (!form->XBox->Text().empty()) QTest::keyClick(form->XBox->Editor(), Qt::Key_Backspace);
      Type(form->XBox, c.keys);
    } else {
      form->XBox->SetText(c.paste);
    }
    EXPECT_EQ(form->EditLink.X, c.value) << c.shown;
    EXPECT_EQ(form->XBox->Text(), c.shown);
  }
  form->XBox->SetText("");
  QTest::keyClick(form->XBox->Editor(), Qt::Key_Return);  // shows the kept value again
  EXPECT_EQ(form->XBox->Text(), "7");
  Type(form->YBox, "9");
  Type(form->CommentBox, "note");
  EXPECT_EQ(World.Links[2], before);
  form->OKCmd->PerformClick();
  EXPECT_EQ(World.Links[2].X, 7);
  EXPECT_EQ(World.Links[2].Y, 39);
  EXPECT_EQ(World.Links[2].Comment, "note");
  EXPECT_EQ(World.Links[2].ApplyDown, "");
}

TEST_F(LinkEditor, OkCancelAndDeleteOnFirstMiddleLastAndLinkZero) {
  const WorldLink a = World.Links[1], b = World.Links[2], c = World.Links[3];
  const struct {
    int16_t selected;
    const char* button;
    std::vector<WorldLink> after;
  } cases[] = {{1, "Delete", {WorldLink{}, b, c}},
               {2, "Delete", {WorldLink{}, a, c}},
               {3, "Delete", {WorldLink{}, a, b}},
               {0, "Delete", {WorldLink{}, a, b, c}},
               {2, "Cancel", {WorldLink{}, a, b, c}}};
  for (const auto& k : cases) {
    World.Links = {WorldLink{}, a, b, c};
    World.LinkCount = 3;
    WorldChanged = false;
    LinkForm* form = Open(k.selected);
    form->CommentBox->SetText("edited");
    (std::string(k.button) == "Delete" ? form->DelCmd : form->CancelCmd)->PerformClick();
    EXPECT_EQ(World.Links, k.after) << k.selected << k.button;
    EXPECT_EQ(World.LinkCount, static_cast<int>(k.after.size()) - 1);
    EXPECT_EQ(SelectedLink, k.selected);
    EXPECT_TRUE(WorldChanged);  // every close, Cancel too
    EXPECT_EQ(LinkForm::Instance(), nullptr);
  }
  // OK on link 0 writes element 0, which no file holds.
  LinkForm* form = Open(0);
  form->CommentBox->SetText("zero");
  form->OKCmd->PerformClick();
  EXPECT_EQ(World.Links[0].Comment, "zero");
  EXPECT_EQ(World.LinkCount, 3);
  // A number that names no link opens an empty copy and OK writes nothing.
  form = Open(-1);
  EXPECT_EQ(form->EditLink, WorldLink{});
  form->OKCmd->PerformClick();
  EXPECT_EQ(World.Links.size(), 4u);
}

TEST_F(LinkEditor, LevelLinkNamesDropOnlyTheLevelSetFolder) {
  const std::string sets = UserLevelsDir;  // C:\Program Files\Yorvane\.yorvane\levels
  const struct {
    std::string path, name;
  } cases[] = {{sets + "\\world1\\level2.yvl", "world1/level2.yvl"},
               {"c:\\PROGRAM FILES\\yorvane\\.Yorvane\\LEVELS\\w\\l.yvl", "w/l.yvl"},
               {sets + "\\", ""},
               {"  ", ""},
               {"", ""},
               {" " + sets + " ", sets},
               {sets + "x\\a.yvl", sets + "x\\a.yvl"},
               {"D:\\Other\\Place\\And\\A\\Long\\Folder\\Name\\level9.yvl",
                "D:\\Other\\Place\\And\\A\\Long\\Folder\\Name\\level9.yvl"},
               {" Z:\\home\\me\\x.yvl ", "Z:\\home\\me\\x.yvl"}};
  for (const auto& c : cases) EXPECT_EQ(LinkForm::GetLevelLinkName(c.path), c.name) << c.path;
}

TEST_F(LinkEditor, LevelAndExtroChoicesUseTheEditorsOwnDialog) {
  World.Links[1].ExtroFile = "C:\\x\\old.txt";
  LinkForm* form = Open(1);
  const struct {
    std::string lastLevel, initDir;
  } folders[] = {
      {"", UserLevelsDir},
      {"   ", UserLevelsDir},
      {"C:\\Program Files\\Yorvane\\data\\levels\\level1.yvl", "C:\\Program Files\\Yorvane\\data\\levels\\"}};
  for (const auto& f : folders) {
    Pref.LastLevelFile = f.lastLevel;
    ui.fileAnswers.push_back(std::nullopt);  // cancel changes nothing
    test::Mouse::Click(form->NameBox);
    ASSERT_FALSE(ui.fileCalls.empty());
    EXPECT_EQ(ui.fileCalls.back().initDir, f.initDir);
    EXPECT_EQ(ui.fileCalls.back().filter, "*.yvl|*.yvl");
    EXPECT_EQ(ui.fileCalls.back().fileName, "");
    EXPECT_FALSE(ui.fileCalls.back().save);
    EXPECT_EQ(form->EditLink.LevelLinkName, "a.yvl");
  }
  ui.fileAnswers.push_back(UserLevelsDir + "\\frostbite\\level3.yvl");
  test::Mouse::Click(form->NameBox);
  EXPECT_EQ(form->NameBox->Caption(), "frostbite/level3.yvl");

  ui.fileAnswers.push_back(std::nullopt);
  test::Mouse::Click(form->ExtroBox);
  EXPECT_EQ(ui.fileCalls.back().initDir, LevelsDir);
  EXPECT_EQ(ui.fileCalls.back().filter, "*.txt|*.txt");
  EXPECT_EQ(ui.fileCalls.back().fileName, "C:\\x\\old.txt");
  EXPECT_EQ(form->EditLink.ExtroFile, "C:\\x\\old.txt");
  ui.fileAnswers.push_back("Z:\\tmp\\end.txt");
  test::Mouse::Click(form->ExtroBox);
  EXPECT_EQ(form->ExtroBox->Caption(), "Z:\\tmp\\end.txt");
  form->OKCmd->PerformClick();
  EXPECT_EQ(World.Links[1].LevelLinkName, "frostbite/level3.yvl");
  EXPECT_EQ(World.Links[1].ExtroFile, "Z:\\tmp\\end.txt");
  EXPECT_TRUE(ui.msgCalls.empty());

  // The editor keeps its place under form index 6.
  form = Open(1);
  form->move(20, 10);
  form->close();
  EXPECT_EQ(Pref.FormLeft[kFormLinkForm], 300);
  EXPECT_EQ(Pref.FormTop[kFormLinkForm], 150);
  EXPECT_EQ(Open(1)->pos(), QPoint(20, 10));
}

TEST_F(LinkEditor, DisabledLevelAndExtroFieldsLookDisabledUntilTheTypeIsALevelLinkAgain) {
  World.Links[1].ExtroFile = "C:\\extro.txt";
  LinkForm* form = Open(1);  // a level link: both fields enabled
  controls::Label* const boxes[] = {form->NameBox, form->ExtroBox};
  const QImage enabled[] = {boxes[0]->grab().toImage(), boxes[1]->grab().toImage()};
  for (int label : {2, 0, 1, 3, 0}) {  // the picker's teleport, level link, message, invisible, level link
    WithPicker(form, [&](zTypeFrm* picker) { test::Mouse::Click(picker->TypeBox[label]); });
    for (int i = 0; i < 2; ++i) {
      const QImage shot = boxes[i]->grab().toImage();
      const QPoint back(shot.width() - 3, shot.height() / 2);  // right of the text
      if (label == 0)
        EXPECT_EQ(shot, enabled[i]) << i;
      else
        EXPECT_TRUE(shot.pixelColor(back) != enabled[i].pixelColor(back) && Ink(shot) != Ink(enabled[i])) << label << i;
    }
    if (label != 0) test::Mouse::Click(form->NameBox);  // takes no click
  }
  EXPECT_TRUE(ui.fileCalls.empty());
}

TEST_F(LinkEditor, ClosingTheEditorWithThePickerOpenCancelsThePicker) {
  for (bool ok : {false, true}) {
    World.Links[1].LinkType = 2;
    LinkForm* form = Open(1);
    form->CommentBox->SetText("c");
    WithPicker(form, [&](zTypeFrm*) { (ok ? form->OKCmd : form->CancelCmd)->PerformClick(); });
    EXPECT_EQ(LinkForm::Instance(), nullptr);
    EXPECT_EQ(SelectedLinkType, -1);
    EXPECT_TRUE(DialogDone);
    EXPECT_EQ(World.Links[1].LinkType, 2);
    EXPECT_EQ(World.Links[1].Comment, ok ? "c" : "");
  }
}
