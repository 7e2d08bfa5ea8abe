// The life cycle every dialog shares: shown over its owner and kept above it,
// the owner held and given back whatever closes the dialog, one instance at a
// time, and one wait at a time.
#include <gtest/gtest.h>

#include <QTimer>
#include <QWindow>

#include "controls/Dialog.h"
#include "leveleditor/BackGndFrm.h"
#include "leveleditor/Dialogs.h"
#include "leveleditor/HelpFrm.h"
#include "leveleditor/NewInfoFrm.h"
#include "leveleditor/VarsFrm.h"
#include "leveleditor/ZunboTextFrm.h"
#include "leveleditor/zBGEditFrm.h"
#include "tests/support/ProgramFixture.h"

using namespace yv;
using controls::Form;
using controls::OwnerUse;
using controls::Pointer;
using controls::ShowDialog;

namespace {

std::vector<std::string> g_unloads;  // Form_Unload calls, in order

struct Owner : Form {
  Owner() : Form(200, 100) {}
  void Form_Unload() override { g_unloads.push_back("owner"); }
};
struct Dialog : Form {
  Dialog() : Form(100, 50) {}
  void Form_Unload() override { g_unloads.push_back("dialog"); }
};
struct OtherDialog : Form {
  OtherDialog() : Form(100, 50) {}
};

bool KeptAbove(Form* dialog, Form* owner) {
  return dialog->windowType() == Qt::Dialog && dialog->windowHandle() &&
         dialog->windowHandle()->transientParent() == owner->windowHandle();
}

}  // namespace

TEST(DialogLifeCycle, TheOwnerIsGivenBackWhateverClosesTheDialog) {
  struct Case {
    std::string_view way;
    OwnerUse use;
    bool ownerFirst;
  };
  for (const Case c :
       {Case{"button", OwnerUse::DisableWithHourglass, false}, Case{"close box", OwnerUse::DisableWithHourglass, false},
        Case{"close box, owner left enabled", OwnerUse::LeaveEnabled, false},
        Case{"owner unloads first", OwnerUse::Disable, true},
        Case{"button, owner hidden", OwnerUse::HideWhileOpen, false},
        Case{"deleted without its unload", OwnerUse::HideWhileOpen, false},
        Case{"owner unloads first, owner hidden", OwnerUse::HideWhileOpen, true}}) {
    g_unloads.clear();
    Owner* owner = new Owner();
    owner->Show();
    Dialog* d = ShowDialog<Dialog>({owner, c.use});
    ASSERT_NE(d, nullptr) << c.way;
    // A window that takes the owner's place is a window of its own.
    const bool hides = c.use == OwnerUse::HideWhileOpen;
    EXPECT_EQ(KeptAbove(d, owner), !hides) << c.way;
    EXPECT_TRUE(d->isVisible() && owner->isVisible() != hides) << c.way;
    EXPECT_EQ(owner->FormEnabled(), c.use == OwnerUse::LeaveEnabled) << c.way;
    EXPECT_EQ(owner->MousePointer() == Pointer::Hourglass, c.use == OwnerUse::DisableWithHourglass || hides) << c.way;
    if (c.ownerFirst) {
      owner->Unload();
      // The dialog goes first, and leaves the owner that is closing alone.
      EXPECT_EQ(g_unloads, (std::vector<std::string>{"dialog", "owner"})) << c.way;
      EXPECT_FALSE(owner->FormEnabled()) << c.way;
    } else {
      if (c.use != OwnerUse::LeaveEnabled) owner->close();  // refused while held, and not kept for later
      const bool deleted = c.way.starts_with("deleted");
      if (deleted)
        delete d;
      else
        c.way.starts_with("button") ? d->Unload() : (void)d->close();
      QCoreApplication::processEvents();
      EXPECT_EQ(g_unloads, deleted ? std::vector<std::string>{} : std::vector<std::string>{"dialog"}) << c.way;
      EXPECT_TRUE(owner->FormEnabled() && owner->isVisible()) << c.way;
      EXPECT_EQ(owner->MousePointer(), Pointer::Default) << c.way;
      owner->Unload();
    }
    EXPECT_EQ(controls::OpenDialog<Dialog>(), nullptr) << c.way;
    test::Settle();
  }
}

TEST(DialogLifeCycle, OneInstanceAtATimeAndAWaitAtATime) {
  test::ResetProgramState();
  Owner* owner = new Owner();
  owner->Show();
  bool wasOpen = true;
  Dialog* d = ShowDialog<Dialog>({owner, OwnerUse::DisableWithHourglass}, &wasOpen);
  EXPECT_FALSE(wasOpen);
  EXPECT_EQ(ShowDialog<Dialog>({owner, OwnerUse::DisableWithHourglass}, &wasOpen), d);
  EXPECT_TRUE(wasOpen);
  // A second window over the same owner keeps it held until it is gone too.
  OtherDialog* other = ShowDialog<OtherDialog>({owner, OwnerUse::Disable});
  d->Unload();
  EXPECT_FALSE(owner->FormEnabled());
  EXPECT_EQ(owner->MousePointer(), Pointer::Default);  // only the first set the hourglass
  other->Unload();
  EXPECT_TRUE(owner->FormEnabled());
  test::Settle();

  // A wait started from inside a wait is refused and opens nothing; the
  // close box and the owner's unload both end a wait. A wait that does not
  // end within five seconds fails the test.
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, [] {
    ADD_FAILURE() << "the wait did not end";
    DialogDone = true;
  });
  guard.start(5000);
  bool innerWait = true;
  QTimer::singleShot(0, [&] {
    innerWait = WaitForDialog([&] { ShowDialog<OtherDialog>({owner, OwnerUse::Disable, true}); });
    controls::OpenDialog<Dialog>()->close();
  });
  EXPECT_TRUE(WaitForDialog([&] { ShowDialog<Dialog>({owner, OwnerUse::LeaveEnabled, true}); }));
  EXPECT_FALSE(innerWait);
  EXPECT_EQ(controls::OpenDialog<OtherDialog>(), nullptr);
  QTimer::singleShot(0, [&] { owner->Unload(); });
  EXPECT_TRUE(WaitForDialog([&] { ShowDialog<Dialog>({owner, OwnerUse::LeaveEnabled, true}); }));
  test::Settle();
}

// Each of the level editor's dialogs opens over the window that opens it.
class LevelEditorDialogs : public test::ProgramTest {};

TEST_F(LevelEditorDialogs, EachIsKeptAboveItsOpener) {
  MainFrm* main = StartProgram();
  ASSERT_NE(main, nullptr);
  test::MakeOpenLevel(40);
  AppendObject() = {0, BadGuyFileNames[0], 64, 64, 0};
  SelectedObject = 1;
  for (auto open : {OpenVarsFrm, OpenZunboTextFrm, OpenHelpFrm, OpenZBGEditFrm}) {
    open();
    Form* d = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* f = qobject_cast<Form*>(w); f && f != main && !f->IsUnloaded()) d = f;
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(KeptAbove(d, main)) << d->Caption();
    EXPECT_FALSE(main->FormEnabled()) << d->Caption();
    d->close();
    EXPECT_TRUE(main->FormEnabled()) << d->Caption();
    test::Settle();
  }
  // The waited ones: the new-set dialog over the main window, which stays
  // enabled; the background picker over the variables dialog.
  Windows.loadNewInfoFrm = [] { OpenNewInfoFrm(); };
  test::RunWhileWaiting<NewInfoFrm, bool>([] { return ShowNewInfoDialog(); },
                                          [&](NewInfoFrm* d) {
                                            EXPECT_TRUE(KeptAbove(d, main));
                                            EXPECT_TRUE(main->FormEnabled());
                                            d->close();
                                          });
  OpenVarsFrm();
  VarsFrm* vars = VarsFrm::Instance();
  ASSERT_NE(vars, nullptr);
  test::RunWhileWaiting<BackGndFrm, bool>([] { return WaitForDialog([] { OpenBackGndFrm(); }); },
                                          [&](BackGndFrm* d) {
                                            EXPECT_TRUE(KeptAbove(d, vars));
                                            d->close();
                                          });
  EXPECT_TRUE(vars->FormEnabled());
  EXPECT_FALSE(main->FormEnabled());
}
