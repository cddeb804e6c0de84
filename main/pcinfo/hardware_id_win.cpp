#include "main/pcinfo/hardware_id_win.h"

#include <windows.h>
#include <nb30.h>

#include <cstring>

#include "main/pcinfo/hardware_id.h"

namespace qb {
namespace {

// NetBIOS through netapi32, one zero-filled control block per request, all synchronous.
class SystemNetBios : public NetBios {
 public:
  void Enumerate(LanaList& lanas) override {
    NCB ncb = Block(NCBENUM, 0);
    ncb.ncb_buffer = lanas.data();
    ncb.ncb_length = static_cast<WORD>(lanas.size());
    ::Netbios(&ncb);
  }

  void Reset(std::uint8_t lana) override {
    NCB ncb = Block(NCBRESET, lana);
    ::Netbios(&ncb);
  }

  std::uint8_t AdapterStatus(std::uint8_t lana, AdapterStatusHead& status) override {
    NCB ncb = Block(NCBASTAT, lana);
    static constexpr char kAnyName[] = "*               ";  // "*" and fifteen blanks
    static_assert(sizeof kAnyName - 1 == sizeof ncb.ncb_callname);
    std::memcpy(ncb.ncb_callname, kAnyName, sizeof ncb.ncb_callname);
    ncb.ncb_buffer = status.data();
    ncb.ncb_length = static_cast<WORD>(status.size());
    return ::Netbios(&ncb);
  }

 private:
  static NCB Block(UCHAR command, std::uint8_t lana) {
    NCB ncb;
    std::memset(&ncb, 0, sizeof ncb);
    ncb.ncb_command = command;
    ncb.ncb_lana_num = lana;
    return ncb;
  }
};

}  // namespace

std::string GetMACAddress() {
  SystemNetBios netBios;
  return FindMacAddress(netBios);
}

std::string GetVolumeSerial() {
  char volumeName[256] = {};
  char fileSystemName[256] = {};
  DWORD serial = 0, maxComponentLength = 0, fileSystemFlags = 0;
  if (!::GetVolumeInformationA("C:\\", volumeName, sizeof volumeName, &serial,
                               &maxComponentLength, &fileSystemFlags, fileSystemName,
                               sizeof fileSystemName)) {
    return VolumeSerialText(std::nullopt);
  }
  return VolumeSerialText(static_cast<std::uint32_t>(serial));
}

std::string GetHardwareId() { return ChooseHardwareId(GetMACAddress(), GetVolumeSerial); }

}  // namespace qb
