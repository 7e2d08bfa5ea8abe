// Windows paths as the program builds them, mapped to host paths at the
// operating-system boundary and back.
//
//   C:\...            the drive C: folder (drive_c beside the program, or $YV_DRIVE_C)
//   \...              a path on drive C:
//   Z:\...            the host root /
//   other\relative    relative to the current folder
//   any other drive   not available: maps to an empty host path, so every
//                     operation on it fails
#pragma once

#include <string>

namespace yv::platform {

// The host folder that stands for drive C:.
std::string DriveCFolder();
// Overrides drive C: (tests); an empty text restores the default.
void SetDriveCFolder(const std::string& hostFolder);

std::string ToHostPath(const std::string& windowsPath);
std::string ToWindowsPath(const std::string& hostPath);

// The folder of the running program file, as a host path (no trailing '/').
std::string ProgramHostFolder();
// The same as a Windows path ("Z:\work\build", or "C:\..." when it lies on drive C:).
std::string ProgramFolder();
// Overrides the program folder (tests); an empty text restores the default.
void SetProgramFolder(const std::string& windowsPath);

}  // namespace yv::platform
