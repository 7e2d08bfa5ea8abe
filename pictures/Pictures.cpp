#include "pictures/Pictures.h"

#include <QString>
#include <QtGlobal>
#include <map>
#include <vector>

// The resources live in the static library yv_pictures; referencing their
// initialiser here makes the linker keep them (Q_INIT_RESOURCE must be used
// outside any namespace).
static void InitPictureResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  (void)done;
}

namespace yv::pictures {
namespace {

QString Numbered(const char* folder, const char* stem, int n) {
  return QString(":/pictures/%1/%2_%3.png").arg(folder).arg(stem).arg(n, 3, 10, QChar('0'));
}

// One list of numbered pictures, each loaded from the resources when it is
// first asked for and kept for the rest of the run, so a look-up is an index
// and a shared copy, and a picture never shown is never decoded.
// The caches are never destroyed (they would outlive the QGuiApplication).
class NumberedList {
 public:
  NumberedList(const char* folder, const char* stem, int count)
      : folder_(folder), stem_(stem), count_(count) {}
  QPixmap Get(int n) {
    if (n < 1 || n > count_) return QPixmap();
    if (!pixmaps_) {
      InitPictureResources();
      pixmaps_ = new std::vector<QPixmap>(static_cast<size_t>(count_));
      loaded_ = new std::vector<bool>(static_cast<size_t>(count_), false);
    }
    const size_t i = static_cast<size_t>(n - 1);
    if (!(*loaded_)[i]) {
      (*pixmaps_)[i] = QPixmap(Numbered(folder_, stem_, n));
      (*loaded_)[i] = true;
    }
    return (*pixmaps_)[i];
  }

 private:
  const char* folder_;
  const char* stem_;
  int count_;
  std::vector<QPixmap>* pixmaps_ = nullptr;
  std::vector<bool>* loaded_ = nullptr;
};

NumberedList& Tiles() { static NumberedList l("tiles", "tile", 204); return l; }
NumberedList& BadGuys() { static NumberedList l("badguys", "badguy", 10); return l; }
NumberedList& Toolbars() { static NumberedList l("toolbar", "tb", 10); return l; }
NumberedList& Worlds() { static NumberedList l("world", "world", 76); return l; }
NumberedList& WorldToolbars() { static NumberedList l("worldtoolbar", "wtb", 6); return l; }

}  // namespace

QPixmap Tile(int n) { return Tiles().Get(n); }
QPixmap BadGuy(int n) { return BadGuys().Get(n); }
QPixmap Toolbar(int n) { return Toolbars().Get(n); }
QPixmap World(int n) { return Worlds().Get(n); }
QPixmap WorldToolbar(int n) { return WorldToolbars().Get(n); }
QPixmap Named(const std::string& name) {
  static auto* cache = new std::map<std::string, QPixmap>();
  auto it = cache->find(name);
  if (it != cache->end()) return it->second;
  InitPictureResources();
  QPixmap pm(QString(":/pictures/single/%1.png").arg(QString::fromStdString(name)));
  if (!pm.isNull()) cache->emplace(name, pm);  // unknown names are not kept
  return pm;
}

}  // namespace yv::pictures
