#include "controls/FileList.h"

#include <QItemSelectionModel>

#include "platform/FileSystem.h"
#include "platform/qt/QtServices.h"

namespace yv::controls {

FileList::FileList(QWidget* parent, int x, int y, int w, int h) : Control<QListWidget>(parent, x, y, w, h) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setUniformItemSizes(true);
  // The selection, not the current row: Qt makes the first row current when
  // the list takes the focus, which is no choice of the user's.
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { OnSelectionChanged(); });
}

void FileList::SetPath(const std::string& path) {
  path_ = path;
  Refresh();
}

void FileList::Refresh() {
  ++filling_;
  clear();
  names_ = platform::Fs().ListFiles(path_);
  for (const std::string& name : names_) addItem(platform::FromCp1252(name));
  listIndex_ = -1;
  --filling_;
}

std::string FileList::FileName(int i) const {
  if (i < 0 || i >= ListCount()) return std::string();
  return names_[static_cast<size_t>(i)];
}

void FileList::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return;
  if (index == listIndex_) return;
  if (index < 0) {
    ++filling_;
    clearSelection();
    --filling_;
    listIndex_ = -1;
    return;
  }
  setCurrentRow(index, QItemSelectionModel::ClearAndSelect);  // runs Click through the selection change
}

void FileList::OnSelectionChanged() {
  if (filling_) return;
  const QModelIndexList rows = selectionModel()->selectedRows();
  const int row = rows.isEmpty() ? -1 : rows.first().row();
  if (row == listIndex_) return;
  listIndex_ = row;
  if (row >= 0) Raise(Click);
}

}  // namespace yv::controls
