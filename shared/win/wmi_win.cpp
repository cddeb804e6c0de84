#include "shared/win/wmi_win.h"

#include <windows.h>
#include <wbemdisp.h>

#include "shared/win/ansi_win.h"
#include "shared/win/com_win.h"

namespace qb::win {
namespace {

// {76A64158-CB41-11D1-8B02-00600806D9B6}
constexpr CLSID kSWbemLocator = {0x76a64158, 0xcb41, 0x11d1, {0x8b, 0x02, 0x00, 0x60, 0x08, 0x06, 0xd9, 0xb6}};
// {76A6415B-CB41-11D1-8B02-00600806D9B6}
constexpr IID kISWbemLocator = {0x76a6415b, 0xcb41, 0x11d1, {0x8b, 0x02, 0x00, 0x60, 0x08, 0x06, 0xd9, 0xb6}};
// {76A6415A-CB41-11D1-8B02-00600806D9B6}
constexpr IID kISWbemObject = {0x76a6415a, 0xcb41, 0x11d1, {0x8b, 0x02, 0x00, 0x60, 0x08, 0x06, 0xd9, 0xb6}};
// {00020404-0000-0000-C000-000000000046}
constexpr IID kIEnumVARIANT = {0x00020404, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) throw WmiError(what, hr);
}

std::string HexCode(long hr) {
  char text[16];
  wsprintfA(text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

ComPtr<ISWbemServices> Connect(const std::wstring& server, const std::wstring& wmiNamespace) {
  ComPtr<ISWbemLocator> locator;
  Check(::CoCreateInstance(kSWbemLocator, nullptr, CLSCTX_INPROC_SERVER, kISWbemLocator,
                           locator.put_void()),
        "Cannot create the WMI locator");
  Bstr serverText(server.c_str()), namespaceText(wmiNamespace.c_str()), empty(L"");
  ComPtr<ISWbemServices> services;
  Check(locator->ConnectServer(serverText.get(), namespaceText.get(), empty.get(), empty.get(),
                               empty.get(), empty.get(), 0, nullptr, services.put()),
        "Cannot connect to WMI");
  return services;
}

ComPtr<IEnumVARIANT> RunQuery(ISWbemServices* services, const std::wstring& query, long flags) {
  Bstr queryText(query.c_str()), language(L"WQL");
  ComPtr<ISWbemObjectSet> objects;
  Check(services->ExecQuery(queryText.get(), language.get(), flags, nullptr, objects.put()),
        "WMI query failed");
  ComPtr<IUnknown> unknown;
  Check(objects->get__NewEnum(unknown.put()), "WMI result has no enumerator");
  ComPtr<IEnumVARIANT> enumerator;
  Check(unknown->QueryInterface(kIEnumVARIANT, enumerator.put_void()),
        "WMI result has no enumerator");
  return enumerator;
}

}  // namespace

WmiError::WmiError(const std::string& what, long hresult)
    : std::runtime_error(what + " (" + HexCode(hresult) + ")"), hresult_(hresult) {}

std::optional<std::string> WmiObject::Text(const wchar_t* property) const {
  ComPtr<ISWbemPropertySet> properties;
  Check(object_->get_Properties_(properties.put()), "Cannot read WMI properties");
  Bstr name(property);
  ComPtr<ISWbemProperty> item;
  Check(properties->Item(name.get(), 0, item.put()), "WMI property not found");
  Variant value;
  Check(item->get_Value(value.put()), "Cannot read a WMI value");
  if (value.get()->vt == VT_NULL || value.get()->vt == VT_EMPTY) return std::nullopt;
  Variant text;
  Check(::VariantChangeType(text.get(), value.get(), 0, VT_BSTR), "WMI value is no text");
  const BSTR s = text.get()->bstrVal;
  return ToAnsi(std::wstring_view(s, ::SysStringLen(s)));
}

void ForEachWmiObject(const std::wstring& server, const std::wstring& wmiNamespace,
                      const std::wstring& query, long flags,
                      const std::function<void(const WmiObject&)>& visit) {
  ComPtr<ISWbemServices> services = Connect(server, wmiNamespace);
  ComPtr<IEnumVARIANT> enumerator = RunQuery(services.get(), query, flags);
  for (;;) {
    Variant item;
    ULONG fetched = 0;
    if (enumerator->Next(1, item.put(), &fetched) != S_OK || fetched != 1) break;
    if (item.get()->vt != VT_DISPATCH || !item.get()->pdispVal) continue;
    ComPtr<ISWbemObject> object;
    Check(item.get()->pdispVal->QueryInterface(kISWbemObject, object.put_void()),
          "WMI result holds no object");
    visit(WmiObject(object.get()));
  }
}

}  // namespace qb::win
