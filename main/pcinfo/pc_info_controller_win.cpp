#include "main/pcinfo/pc_info_controller_win.h"

#include <windows.h>

#include <stdexcept>

#include "main/pcinfo/pc_info_collect.h"
#include "main/pcinfo/pc_info_wmi_win.h"

namespace qb {
namespace {

bool Is64BitProcess() {
#ifdef _WIN64
  return true;
#else
  return false;
#endif
}

}  // namespace

PCInfoController::PCInfoController() { CollectInformation(); }

void PCInfoController::CollectInformation() {
  facts_ = CollectWmiFacts(SystemWmiQueries());
  // A 64-bit build runs only on 64-bit Windows, where there is no emulation to ask about.
  facts_.OSArchitecture = ArchitectureText(Is64BitProcess(), !Is64BitProcess() && IsWow64());
}

bool IsWow64Using(IsWow64ProcessFunction isWow64Process) {
  if (!isWow64Process) return false;
  int wow64 = FALSE;
  if (!isWow64Process(::GetCurrentProcess(), &wow64)) throw std::runtime_error("Invalid handle");
  return wow64 != FALSE;
}

bool IsWow64() {
  // kernel32 is mapped into every process: take that module rather than load a file by name,
  // which could pick up a kernel32.dll from the program's or the current folder.
  HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll");
  if (!kernel32) return false;
  const FARPROC function = ::GetProcAddress(kernel32, "IsWow64Process");
  return IsWow64Using(reinterpret_cast<IsWow64ProcessFunction>(reinterpret_cast<void*>(function)));
}

}  // namespace qb
