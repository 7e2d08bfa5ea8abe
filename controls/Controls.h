// All form controls at once, for the windows.
#pragma once

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/FileList.h"
#include "controls/Form.h"
#include "controls/Frame.h"
#include "controls/ImageBox.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/OptionButton.h"
#include "controls/ScrollBar.h"
#include "controls/TextBox.h"
#include "controls/Timer.h"
#include "controls/Toolbar.h"
