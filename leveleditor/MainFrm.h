// The level editor's main window, the program's first window.
#pragma once

#include <QPointer>

#include "controls/Form.h"

namespace yv {

class MainFrm : public controls::Form {
  Q_OBJECT
 public:
  MainFrm();
  ~MainFrm() override;

  // The one instance while it is loaded (nullptr before and after).
  static MainFrm* Instance();
  // Creates the instance (not yet loaded) when there is none.
  static MainFrm& Create();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
};

}  // namespace yv
