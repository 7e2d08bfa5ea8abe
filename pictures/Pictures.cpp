#include "pictures/Pictures.h"

#include <QString>

namespace yv::pictures {
namespace {
QPixmap Load(const QString& path) { return QPixmap(path); }
QString Numbered(const char* folder, const char* stem, int n) {
  return QString(":/pictures/%1/%2_%3.png").arg(folder).arg(stem).arg(n, 3, 10, QChar('0'));
}
}  // namespace

QPixmap Tile(int n) { return n >= 1 && n <= 204 ? Load(Numbered("tiles", "tile", n)) : QPixmap(); }
QPixmap BadGuy(int n) { return n >= 1 && n <= 10 ? Load(Numbered("badguys", "badguy", n)) : QPixmap(); }
QPixmap Toolbar(int n) { return n >= 1 && n <= 10 ? Load(Numbered("toolbar", "tb", n)) : QPixmap(); }
QPixmap World(int n) { return n >= 1 && n <= 76 ? Load(Numbered("world", "world", n)) : QPixmap(); }
QPixmap WorldToolbar(int n) { return n >= 1 && n <= 6 ? Load(Numbered("worldtoolbar", "wtb", n)) : QPixmap(); }
QPixmap Named(const std::string& name) {
  return Load(QString(":/pictures/single/%1.png").arg(QString::fromStdString(name)));
}

}  // namespace yv::pictures
