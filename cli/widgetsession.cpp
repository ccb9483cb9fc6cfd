#include "cli/widgetsession.h"

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>

#include "cli/widgetdispids.h"
#include "platform/com/catmgr.h"
#include "platform/core/filedescriptor.h"
#include "platform/core/numfmt.h"
#include "platform/core/paths.h"

namespace tb::cli {

std::string DescribeFailure(HRESULT hr, const std::string& detail) {
    std::string text = HResultText(hr);
    if (!detail.empty() && detail != text)
        text += ": " + detail;
    return text;
}

bool CheckWidgetFile(const std::string& path, std::string* error) {
    const std::string why = WhyNotAFile(path);
    if (why.empty())
        return true;
    if (why == std::strerror(ENOENT))
        *error = "no such widget file: " + path;
    else if (why.rfind("is ", 0) == 0)
        *error = path + " " + why + ", not a widget file";
    else
        *error = "cannot open the widget file " + path + ": " + why;
    return false;
}

std::string CannotReadText(const std::string& path) {
    std::string text = "cannot read the widget file " + path;
    // The component only answers false; opening the file here again tells why, if the
    // failure lies in opening it.
    CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.IsOpen())
        text += std::string(": ") + std::strerror(errno);
    return text;
}

namespace {

// The reading component: ours when installed, else the first of the category.
std::string ReaderProgID() {
    CLSID clsid;
    if (SUCCEEDED(CLSIDFromProgID(kDefaultWidgetProgID, &clsid)))
        return kDefaultWidgetProgID;
    const CATID catid = MakeGuid(kWidgetCategory);
    std::vector<CLSID> classes;
    if (SUCCEEDED(EnumClassesOfCategories(std::span<const CATID>(&catid, 1), &classes))) {
        for (const CLSID& c : classes) {
            std::string progID;
            if (SUCCEEDED(ProgIDFromCLSID(c, &progID)))
                return progID;
        }
    }
    return kDefaultWidgetProgID;
}

} // namespace

bool CWidgetSession::Create(const std::string& progID, std::string* error) {
    CLSID clsid;
    if (HRESULT hr = CLSIDFromProgID(progID, &clsid); FAILED(hr)) {
        // A registry that cannot be read says nothing about what is installed.
        *error = hr == REGDB_E_READREGDB ? "cannot read the registry: " + LastComErrorText()
                                         : "the component \"" + progID + "\" is not installed";
        return false;
    }
    m_pDriver = std::make_unique<COleDispatchDriver>();
    HRESULT hr = m_pDriver->CreateDispatch(clsid);
    if (FAILED(hr)) {
        *error = "cannot create \"" + progID + "\": " + DescribeFailure(hr, LastComErrorText());
        m_pDriver.reset();
        return false;
    }
    m_strProgID = progID;
    return true;
}

bool CWidgetSession::Read(const std::string& path, std::string* error) {
    tb::DispResult r = m_pDriver->CallMethod(dispidReadConfigFile, VT_BOOL, path);
    if (!r.ok()) {
        *error = "ReadConfigFile failed: " + DescribeFailure(r.hr, m_pDriver->LastException());
        return false;
    }
    if (r.value.boolVal == VARIANT_FALSE) {
        *error = CannotReadText(path);
        return false;
    }
    return GetString(dispidProgID, &m_strFileProgID, error);
}

bool CWidgetSession::Open(const std::string& path, bool bNeedOwner, std::string* error) {
    // Only a regular file counts: a directory opens for reading on some systems.
    if (!CheckWidgetFile(path, error))
        return false;
    if (!Create(ReaderProgID(), error) || !Read(path, error))
        return false;
    if (!bNeedOwner || ReadByOwner())
        return true;
    if (m_strFileProgID.empty()) {
        *error = "the widget file " + path + " names no component";
        return false;
    }
    const std::string owner = m_strFileProgID;
    return Create(owner, error) && Read(path, error);
}

bool CWidgetSession::OpenNew(std::string* error) {
    if (!Create(kDefaultWidgetProgID, error))
        return false;
    m_strFileProgID = kDefaultWidgetProgID;
    return true;
}

bool OpenOwnWidget(const CliArgs& args, CWidgetSession* session, short* pnMode) {
    if (pnMode && !ShortOption(args, "--mode", 0, pnMode))
        return false;
    std::string error;
    if (!session->Open(args.positional[0], true, &error)) {
        Fail(error);
        return false;
    }
    return true;
}

bool CWidgetSession::GetString(DISPID dispid, std::string* value, std::string* error) {
    VARIANT v;
    HRESULT hr = m_pDriver->GetProperty(dispid, VT_BSTR, &v);
    if (FAILED(hr)) {
        *error = "property " + FormatInt(dispid) + ": " +
                 DescribeFailure(hr, m_pDriver->LastException());
        return false;
    }
    *value = v.bstrVal;
    return true;
}

bool CWidgetSession::CallString(DISPID dispid, std::string* value, std::string* error, short a,
                                short b, int nArgs) {
    tb::DispResult r = nArgs == 0   ? m_pDriver->CallMethod(dispid, VT_BSTR)
                       : nArgs == 1 ? m_pDriver->CallMethod(dispid, VT_BSTR, a)
                                    : m_pDriver->CallMethod(dispid, VT_BSTR, a, b);
    if (!r.ok()) {
        *error = "member " + FormatInt(dispid) + ": " +
                 DescribeFailure(r.hr, m_pDriver->LastException());
        return false;
    }
    *value = std::move(r.value.bstrVal);
    return true;
}

} // namespace tb::cli
