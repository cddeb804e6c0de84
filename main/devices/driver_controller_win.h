#pragma once
#include <memory>
#include <vector>

#include "main/devices/driver_record.h"

namespace qb {
namespace win {
struct DeviceApi;
}

// The present devices of every class and their drivers, through SetupAPI, CfgMgr32 and the
// device class keys. The set of present devices is opened once, by the constructor.
class DriverController {
 public:
  // Binds the system interfaces and opens the set; throws qb::win::SystemError on failure.
  DriverController();
  ~DriverController();
  DriverController(const DriverController&) = delete;
  DriverController& operator=(const DriverController&) = delete;

  // Empties the list and fills it afresh from the set, in enumeration order.
  void EnumerateDrivers();
  const std::vector<TDriverRecord>& Drivers() const { return drivers_; }

 private:
  std::shared_ptr<const win::DeviceApi> api_;  // counted binding; freed with the last controller
  void* device_info_set_ = nullptr;            // HDEVINFO, closed by the destructor
  std::vector<TDriverRecord> drivers_;
};

}  // namespace qb
