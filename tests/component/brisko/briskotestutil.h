#pragma once
// Shared set-up of the CBrisko unit tests: an object held by its dispatch reference, a
// component folder with a class file, and calls by DISPID.

#include <filesystem>
#include <string>

#include "component/brisko.h"
#include "component/componentstate.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/com/interfaceptr.h"
#include "tests/support/tempdir.h"

namespace tb::test {

struct BriskoHolder {
    CInterfacePtr<CBrisko> ptr = CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    CBrisko* p = ptr.Get();
    CBrisko* operator->() { return p; }
};

// A component folder holding the applet class file, made current for the test.
struct ComponentFolderFixture {
    TempDir dir;
    ComponentFolderFixture() {
        WriteFileBytes(dir.file("tlwbtn.class"), "CLASSBYTES");
        WriteFileBytes(dir.file("tlwbtn.js"), "PLAYERBYTES");
        SetComponentFolder(dir.path());
    }
    ~ComponentFolderFixture() { SetComponentFolder(""); }
};

inline CMarquelItem& AddButton(CAppletParameters& applet, int left = 10) {
    CDrawRect* p = applet.AddButton(std::make_unique<CDrawRect>(CRect(left, 10, left + 80, 40)));
    return *p->menu->m_items.front();
}

inline VARIANT Invoke(IDispatch* d, DISPID id, WORD flags, std::vector<VARIANT> args, HRESULT* hr) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params;
    DISPID put = DISPID_PROPERTYPUT;
    params.rgvarg = reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    if (flags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &put;
        params.cNamedArgs = 1;
    }
    VARIANT result;
    EXCEPINFO excep;
    UINT argErr = 0;
    *hr = d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result, &excep, &argErr);
    return result;
}

} // namespace tb::test
