// The link list panel (frame "Level Links") of the world window (to be built).
#include "worldeditor/WorldFrm.h"

namespace yv {

using namespace controls;

void WorldFrm::BuildLinkFrame() { LinkFrame = new Frame(this, 658, 194, 201, 373, "Level Links"); }

void WorldFrm::UpdateLinkList() {}
void WorldFrm::OpenLinkEditor() {}
void WorldFrm::LinkScroll_Change() {}
void WorldFrm::LinkScroll_Scroll() {}
void WorldFrm::LinkIndImg_Click(int) {}
void WorldFrm::LinkNumBox_Click(int) {}
void WorldFrm::LinkTypeBox_Click(int) {}

}  // namespace yv
