#pragma once
// clsIniFile: one INI file read and written through the system's profile functions.
#include <string>

namespace qbp {

class clsIniFile {
 public:
  const std::wstring& FileName() const { return fileName_; }
  void FileName(const std::wstring& sNewValue) { fileName_ = sNewValue; }

  // Sets strKeyValue to the key's value (at most 12286 characters); leaves it unchanged when
  // the key is missing or its value is empty. The only run-time error that can arise here is
  // running out of memory; it is offered as an Abort/Retry/Ignore box titled
  // "ProjectINI, Sub GetKeyValue" (Retry reads again; Abort and Ignore keep strKeyValue).
  void GetKeyValue(const std::wstring& strSection, const std::wstring& strKey,
                   std::wstring& strKeyValue) const;

  // Writes the key, creating file, section and key as needed. A write the system refuses
  // raises VbError: the system's error number, source "clsIniFile - WriteKeyValue", and the
  // file's path followed by the system's reason.
  void WriteKeyValue(const std::wstring& sSection, const std::wstring& sKey,
                     const std::wstring& sKeyValue) const;

 private:
  std::wstring fileName_;
};

}  // namespace qbp
