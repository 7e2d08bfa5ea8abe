// A file list: the names of all ordinary files of one folder, one per row,
// sorted as the file system lists them. Path is a Windows path; setting it
// (or Refresh) reads the folder again and leaves no row selected.
//
// Click runs when the selected row changes, by the user (mouse or keys) or by
// SetListIndex; ListIndex is the selected row from 0, -1 for none.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

#include "controls/Control.h"

namespace yv::controls {

class FileList : public Control<QListWidget> {
  Q_OBJECT
 public:
  FileList(QWidget* parent, int x, int y, int w, int h);

  std::function<void()> Click;

  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path);
  void Refresh();

  int ListCount() const { return static_cast<int>(names_.size()); }
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index);
  // Name of row i from 0 (empty out of range), and of the selected row.
  std::string FileName(int i) const;
  std::string SelectedName() const { return FileName(listIndex_); }

 private:
  void OnSelectionChanged();

  std::string path_;
  std::vector<std::string> names_;
  int listIndex_ = -1;
  int filling_ = 0;
};

}  // namespace yv::controls
