// The Qt implementations of the platform services: the event pump, message
// box, input box and common file dialog.
#pragma once

#include <QString>
#include <string>

namespace yv::platform {

// The event pump on Qt's event loop (throttled: it skips when it ran less
// than a few milliseconds ago).
void InstallQtEventPump();
// Message box, input box and file dialog as Qt dialogs.
void InstallQtUiServices();

// "desc|pattern|desc|pattern" -> Qt's "desc (pattern);;desc (pattern)".
QString ToQtFilter(const std::string& filter);

// 8-bit text of the Windows-1252 code page to and from Qt's text.
QString FromCp1252(std::string_view bytes);
std::string ToCp1252(const QString& text);

}  // namespace yv::platform
