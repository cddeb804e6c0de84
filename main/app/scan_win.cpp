// The scan run by a click on the scan picture.
#include <stdexcept>

#include "main/app/main_form_win.h"

namespace qb {

void TForm1::DoScan() {
  // Without the services (start-up failed) there is nothing to take an inventory of.
  if (!FDriverController || !FPCInfoController)
    throw std::runtime_error("The device inventory is not available");
  FDriverController->EnumerateDrivers();
}

}  // namespace qb
