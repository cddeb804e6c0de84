// Fills the main edition's submission page from a values file, writes it and opens it in the
// browser, the way a scan delivers its page online. For the end-to-end tests.
//
//   main_write_page.exe VALUES PAGE SERVICE_ADDRESS [--open]
//
// VALUES holds "name=value" lines (version, email, password, drivers, proc, hwid,
// setup_api_log, scanid, portable); a missing scanid is made new. Prints the scan id.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>

#include "main/app/scan_id_win.h"
#include "main/app/shell_open_win.h"
#include "main/app/submission_page.h"
#include "main/app/text_file_win.h"

namespace {

std::map<std::string, std::string> ReadValues(const char* path) {
  std::map<std::string, std::string> values;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto eq = line.find('=');
    if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

qb::PageValues ToPageValues(std::map<std::string, std::string> v) {
  qb::PageValues page;
  page.version = v["version"];
  if (v.count("portable")) page.portable = v["portable"];
  page.email = v["email"];
  page.password = v["password"];
  page.drivers = v["drivers"];
  page.scanid = v.count("scanid") ? v["scanid"] : qb::NewScanId();
  page.proc = v["proc"];
  page.hwid = v["hwid"];
  page.setup_api_log = v["setup_api_log"];
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: main_write_page VALUES PAGE SERVICE_ADDRESS [--open]\n");
    return 2;
  }
  try {
    const qb::PageValues values = ToPageValues(ReadValues(argv[1]));
    qb::SaveTextFile(argv[2], qb::FillPage(qb::PageTemplate(argv[3]), values));
    if (argc > 4 && std::strcmp(argv[4], "--open") == 0) qb::OpenInBrowser(nullptr, argv[2]);
    std::printf("%s\n", values.scanid.c_str());
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
}
