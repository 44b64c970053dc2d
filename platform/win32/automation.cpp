// Late-bound automation: create an object by its programmatic identifier,
// write a property and call a method by name, let the object go. Every
// failure is silent; the commands never learn of one.
#include "platform/win32/win32_system_services.h"

#include <ole2.h>
#include <oleauto.h>

#include <string>

namespace ruvelka {

namespace {

// All server contexts as systems with remote activation know them
// (in-process server and handler, local and remote server).
const DWORD kAllServerContexts = 0x17;
// The same without the remote server, for systems that reject the above.
const DWORD kLocalServerContexts = 0x7;

std::wstring WideFromAnsi(const Text& text) {
    if (text.empty()) return std::wstring();
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

// A system without remote activation turns the remote-server bit down either
// as an invalid argument or as a class it cannot find for that context; both
// are worth one more try with the local contexts only.
bool RejectsServerContexts(HRESULT result) { return result == E_INVALIDARG || result == REGDB_E_CLASSNOTREG; }

// The member's dispatch identifier, looked up in the object's type information
// when it offers some, else through the object itself; DISPID_UNKNOWN when
// neither knows the name.
DISPID BindName(IDispatch* object, const Text& name) {
    std::wstring wide = WideFromAnsi(name);
    if (wide.empty()) return DISPID_UNKNOWN;
    LPOLESTR names[1] = {&wide[0]};
    DISPID id = DISPID_UNKNOWN;
    UINT typeInfoCount = 0;
    ITypeInfo* typeInfo = nullptr;
    if (SUCCEEDED(object->GetTypeInfoCount(&typeInfoCount)) && typeInfoCount > 0 &&
        SUCCEEDED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, &typeInfo)) && typeInfo != nullptr) {
        HRESULT found = typeInfo->GetIDsOfNames(names, 1, &id);
        typeInfo->Release();
        if (SUCCEEDED(found)) return id;
    }
    if (SUCCEEDED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return id;
    return DISPID_UNKNOWN;
}

IDispatch* AsDispatch(AutomationObject object) { return static_cast<IDispatch*>(object); }

}  // namespace

AutomationObject Win32SystemServices::CreateAutomationObject(const Text& progId) {
    std::wstring wide = WideFromAnsi(progId);
    if (wide.empty()) return nullptr;
    CLSID classId;
    if (FAILED(CLSIDFromProgID(wide.c_str(), &classId))) return nullptr;
    IDispatch* object = nullptr;
    HRESULT created = CoCreateInstance(classId, nullptr, kAllServerContexts, IID_IDispatch, (void**)&object);
    if (RejectsServerContexts(created))
        created = CoCreateInstance(classId, nullptr, kLocalServerContexts, IID_IDispatch, (void**)&object);
    if (FAILED(created) || object == nullptr) return nullptr;
    OleRun(object);
    return object;
}

void Win32SystemServices::SetObjectProperty(AutomationObject object, const Text& name, std::int32_t value) {
    if (object == nullptr) return;
    DISPID id = BindName(AsDispatch(object), name);
    if (id == DISPID_UNKNOWN) return;
    VARIANTARG argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&argument, &named, 1, 1};
    AsDispatch(object)->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr,
                               nullptr);
}

void Win32SystemServices::CallObjectMethod(AutomationObject object, const Text& name, const Text& argument) {
    if (object == nullptr) return;
    DISPID id = BindName(AsDispatch(object), name);
    if (id == DISPID_UNKNOWN) return;
    std::wstring wide = WideFromAnsi(argument);
    VARIANTARG value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(wide.c_str());
    if (value.bstrVal == nullptr) return;
    DISPPARAMS parameters = {&value, nullptr, 1, 0};
    VARIANT result;
    VariantInit(&result);
    AsDispatch(object)->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, &result, nullptr,
                               nullptr);
    VariantClear(&result);
    VariantClear(&value);  // frees the string
}

void Win32SystemServices::ReleaseObject(AutomationObject object) {
    if (object == nullptr) return;
    AsDispatch(object)->Release();
}

}  // namespace ruvelka
