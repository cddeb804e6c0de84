#pragma once
#include <string>

#include "main/pcinfo/computer_facts.h"

namespace qb {

// Computer facts from WMI, gathered once by the constructor (CollectInformation).
// COM must be initialised on the calling thread.
class PCInfoController {
 public:
  PCInfoController();
  const ComputerFacts& Facts() const { return facts_; }

 private:
  void CollectInformation();
  ComputerFacts facts_;
};

// Whether this process runs under the 32-bit emulation of 64-bit Windows.
// Throws std::runtime_error("Invalid handle") when the query fails.
bool IsWow64();

// The shape of kernel32's IsWow64Process (BOOL WINAPI (HANDLE, PBOOL)).
using IsWow64ProcessFunction = int(__stdcall*)(void* process, int* wow64);
// IsWow64 through the given function; a null function (older Windows) answers false.
bool IsWow64Using(IsWow64ProcessFunction isWow64Process);

}  // namespace qb
