#include "platform/qt/QtServices.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "platform/Paths.h"
#include "platform/System.h"
#include "platform/Ui.h"

namespace yv::platform {
namespace {

// Code points of bytes 0x80..0x9F in Windows-1252 (0 where the byte is unused).
constexpr char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void PumpNow() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

PumpThrottle g_throttle;

}  // namespace

QString FromCp1252(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (unsigned char c : bytes) {
    if (c >= 0x80 && c <= 0x9F && kCp1252High[c - 0x80] != 0)
      out.append(QChar(kCp1252High[c - 0x80]));
    else
      out.append(QChar(static_cast<char16_t>(c)));  // the unused bytes keep their own code
  }
  return out;
}

std::string ToCp1252(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar qc : text) {
    char16_t u = qc.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.push_back(static_cast<char>(u));
      continue;
    }
    if (u >= 0x80 && u <= 0x9F) {  // an unused byte that came in as itself
      out.push_back(static_cast<char>(u));
      continue;
    }
    char mapped = '?';
    for (int i = 0; i < 32; ++i)
      if (kCp1252High[i] == u) mapped = static_cast<char>(0x80 + i);
    out.push_back(mapped);
  }
  return out;
}

void InstallQtEventPump() {
  // Readers run the pump for every character; running Qt's event loop that
  // often would make a read of a large level take seconds, so the pump runs
  // it at most every few milliseconds. Once the program is back in its event
  // loop, the next call looks at the clock at once, however fast the calls
  // came before.
  static bool watching = false;
  if (!watching) {
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
      QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [] { g_throttle.Reset(); });
      watching = true;
    }
  }
  EventPump pump;
  pump.doEvents = [] {
    if (g_throttle.Due()) PumpNow();
  };
  pump.waitForEvents = [] { QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents); };
  InstallEventPump(std::move(pump));
}

QString ToQtFilter(const std::string& filter) {
  QStringList parts = FromCp1252(filter).split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) entries << parts[i] + " (" + parts[i + 1] + ")";
  if (entries.isEmpty()) entries << "All files (*)";
  return entries.join(";;");
}

void InstallQtUiServices() {
  UiServices s;
  s.msgBox = [](const std::string& text, int style, const std::string& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(FromCp1252(title));
    box.setText(FromCp1252(text));
    int icon = style & 0xF0;
    box.setIcon(icon == 16   ? QMessageBox::Critical
                : icon == 32 ? QMessageBox::Question
                : icon == 48 ? QMessageBox::Warning
                : icon == 64 ? QMessageBox::Information
                             : QMessageBox::NoIcon);
    int buttons = style & 0x0F;
    if (buttons == 3)
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    else if (buttons == 4)
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    else if (buttons == 1)
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    else
      box.setStandardButtons(QMessageBox::Ok);
    int answer = box.exec();
    switch (answer) {
      case QMessageBox::Yes:
        return static_cast<int>(kYes);
      case QMessageBox::No:
        return static_cast<int>(kNo);
      case QMessageBox::Cancel:
        return static_cast<int>(kCancel);
      case QMessageBox::Ok:
        return static_cast<int>(kOk);
      default:  // closed with Escape or the close box
        return buttons == 0 ? static_cast<int>(kOk) : static_cast<int>(kCancel);
    }
  };
  s.inputBox = [](const std::string& prompt, const std::string& title, const std::string& def) {
    bool ok = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(), FromCp1252(title), FromCp1252(prompt),
                                         QLineEdit::Normal, FromCp1252(def), &ok);
    return ok ? ToCp1252(text) : std::string();
  };
  s.fileDialog = [](const FileDialogRequest& request, std::string& path) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(FromCp1252(request.title.empty() ? (request.save ? "Save As" : "Open") : request.title));
    dialog.setNameFilters(ToQtFilter(request.filter).split(";;"));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // The question before an existing file is replaced comes after the
    // dialog (CommonDialog::ShowSave), which knows the document's own file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // The preset name may hold a whole path: its folder then wins over the initial folder.
    std::string name = request.fileName;
    std::string folder = request.initDir;
    if (auto slash = name.rfind('\\'); slash != std::string::npos) {
      std::string nameFolder = name.substr(0, slash);
      if (!nameFolder.empty()) folder = nameFolder;
      name = name.substr(slash + 1);
    }
    if (!folder.empty()) dialog.setDirectory(QString::fromStdString(ToHostPath(folder)));
    if (!name.empty()) dialog.selectFile(FromCp1252(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    path = ToWindowsPath(dialog.selectedFiles().first().toStdString());
    return true;
  };
  InstallUiServices(std::move(s));
}

}  // namespace yv::platform
