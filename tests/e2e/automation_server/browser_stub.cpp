// A stand-in for the browser's automation object, for the end-to-end tests:
// an in-process server with one class that offers IDispatch with type
// information for the property "Visible" and the method "Navigate". It opens
// no window and fetches nothing; it appends every call it receives, with the
// types and values of the arguments, to automation-calls.txt in the folder of
// the program that loaded it, one line each, ending in CR LF, in the ANSI
// code page (as the driver's expect-file-lines compares them):
//   create                             a new object
//   run                                IRunnableObject::Run (OleRun)
//   names <name>                       IDispatch::GetIDsOfNames was asked
//   invoke <member> <flags> named=<named arguments> <type> <value> ...
//   released                           the last reference is gone
#include <ole2.h>
#include <oleauto.h>
#include <windows.h>

#include <string>

namespace {

// {D03980D5-FDF4-4E97-B1A5-41B9BBCF349E}, registered as the class of
// InternetExplorer.Application in the test prefix only.
const CLSID kBrowserStubClassId = {0xd03980d5, 0xfdf4, 0x4e97, {0xb1, 0xa5, 0x41, 0xb9, 0xbb, 0xcf, 0x34, 0x9e}};

// The browser's own dispatch identifiers.
const DISPID kVisibleId = 402;
const DISPID kNavigateId = 104;

LONG gObjects = 0;
LONG gLocks = 0;

std::string Ansi(const wchar_t* text, int length) {
    if (text == nullptr || length <= 0) return std::string();
    int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &out[0], size, nullptr, nullptr);
    return out;
}

void Record(const std::string& line) {
    wchar_t path[MAX_PATH + 32] = {};
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    wchar_t* slash = wcsrchr(path, L'\\');
    if (slash == nullptr) return;
    lstrcpyW(slash + 1, L"automation-calls.txt");
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string MemberName(DISPID id) {
    if (id == kVisibleId) return "Visible";
    if (id == kNavigateId) return "Navigate";
    if (id == DISPID_PROPERTYPUT) return "propertyput";
    return "dispid" + std::to_string(id);
}

std::string FlagNames(WORD flags) {
    static const struct {
        WORD flag;
        const char* name;
    } kFlags[] = {{DISPATCH_METHOD, "method"},
                  {DISPATCH_PROPERTYGET, "propertyget"},
                  {DISPATCH_PROPERTYPUT, "propertyput"},
                  {DISPATCH_PROPERTYPUTREF, "propertyputref"}};
    std::string out;
    for (const auto& f : kFlags) {
        if ((flags & f.flag) == 0) continue;
        if (!out.empty()) out += "|";
        out += f.name;
        flags &= ~f.flag;
    }
    if (flags != 0 || out.empty()) out += (out.empty() ? "" : "|") + std::to_string(flags);
    return out;
}

std::string Describe(const VARIANTARG& v) {
    switch (v.vt) {
        case VT_EMPTY: return "VT_EMPTY";
        case VT_I2: return "VT_I2 " + std::to_string(v.iVal);
        case VT_I4: return "VT_I4 " + std::to_string(v.lVal);
        case VT_INT: return "VT_INT " + std::to_string(v.intVal);
        case VT_UI4: return "VT_UI4 " + std::to_string(v.ulVal);
        case VT_BOOL: return "VT_BOOL " + std::to_string(v.boolVal);
        case VT_ERROR: return "VT_ERROR " + std::to_string(v.scode);
        case VT_BSTR: return "VT_BSTR " + Ansi(v.bstrVal, static_cast<int>(SysStringLen(v.bstrVal)));
        default: return "vt" + std::to_string(v.vt);
    }
}

ITypeInfo* MakeTypeInfo() {
    static PARAMDATA visibleParameters[] = {{const_cast<OLECHAR*>(L"Value"), VT_BOOL}};
    static PARAMDATA navigateParameters[] = {{const_cast<OLECHAR*>(L"URL"), VT_BSTR}};
    static METHODDATA members[] = {
        {const_cast<OLECHAR*>(L"Visible"), visibleParameters, kVisibleId, 7, CC_STDCALL, 1, DISPATCH_PROPERTYPUT,
         VT_EMPTY},
        {const_cast<OLECHAR*>(L"Navigate"), navigateParameters, kNavigateId, 8, CC_STDCALL, 1, DISPATCH_METHOD,
         VT_EMPTY},
    };
    static INTERFACEDATA data = {members, 2};
    ITypeInfo* info = nullptr;
    if (FAILED(CreateDispTypeInfo(&data, LOCALE_SYSTEM_DEFAULT, &info))) return nullptr;
    return info;
}

class BrowserStub : public IDispatch, public IRunnableObject {
public:
    BrowserStub() : typeInfo_(MakeTypeInfo()) { InterlockedIncrement(&gObjects); }
    virtual ~BrowserStub() {
        if (typeInfo_ != nullptr) typeInfo_->Release();
        InterlockedDecrement(&gObjects);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
            *out = static_cast<IDispatch*>(this);
        else if (IsEqualIID(iid, IID_IRunnableObject))
            *out = static_cast<IRunnableObject*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            Record("released");
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) return E_POINTER;
        *count = typeInfo_ != nullptr ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (info == nullptr) return E_POINTER;
        *info = nullptr;
        if (index != 0 || typeInfo_ == nullptr) return DISP_E_BADINDEX;
        typeInfo_->AddRef();
        *info = typeInfo_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
        Record("names " + Ansi(names[0], lstrlenW(names[0])));
        if (typeInfo_ == nullptr) return DISP_E_UNKNOWNNAME;
        return DispGetIDsOfNames(typeInfo_, names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        std::string line = "invoke " + MemberName(id) + " " + FlagNames(flags) + " named=";
        if (parameters == nullptr) {
            Record(line + "none no-parameters");
            return DISP_E_PARAMNOTFOUND;
        }
        for (UINT i = 0; i < parameters->cNamedArgs && parameters->rgdispidNamedArgs != nullptr; ++i)
            line += (i > 0 ? "," : "") + MemberName(parameters->rgdispidNamedArgs[i]);
        if (parameters->cNamedArgs == 0) line += "none";
        // The arguments come last to first.
        for (UINT i = parameters->cArgs; i > 0 && parameters->rgvarg != nullptr; --i)
            line += " " + Describe(parameters->rgvarg[i - 1]);
        Record(line);
        if (id != kVisibleId && id != kNavigateId) return DISP_E_MEMBERNOTFOUND;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetRunningClass(CLSID* classId) override {
        if (classId == nullptr) return E_POINTER;
        *classId = kBrowserStubClassId;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Run(IBindCtx*) override {
        Record("run");
        running_ = true;
        return S_OK;
    }
    BOOL STDMETHODCALLTYPE IsRunning() override { return running_; }
    HRESULT STDMETHODCALLTYPE LockRunning(BOOL, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetContainedObject(BOOL) override { return S_OK; }

private:
    LONG references_ = 1;
    BOOL running_ = FALSE;
    ITypeInfo* typeInfo_;
};

class BrowserStubFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        BrowserStub* stub = new BrowserStub();
        HRESULT result = stub->QueryInterface(iid, out);
        if (SUCCEEDED(result)) Record("create");
        stub->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock)
            InterlockedIncrement(&gLocks);
        else
            InterlockedDecrement(&gLocks);
        return S_OK;
    }
};

BrowserStubFactory gFactory;

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID classId, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(classId, kBrowserStubClassId)) return CLASS_E_CLASSNOTAVAILABLE;
    return gFactory.QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return gObjects == 0 && gLocks == 0 ? S_OK : S_FALSE; }
