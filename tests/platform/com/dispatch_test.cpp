// The table-driven dispatch base and the host-side driver, in one process.

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/com/dispatchimpl.h"
#include "platform/com/dispdriver.h"

namespace {

class CSample : public CDispatchImpl<CSample> {
public:
    static std::span<const DispEntry<CSample>> DispTable();
    static int s_nAlive;
    CSample() { ++s_nAlive; }

    HRESULT GetName(const DispArgs&, VARIANT* r) {
        *r = tb::VariantString(m_strName);
        return S_OK;
    }
    HRESULT PutName(const DispArgs& a, VARIANT*) {
        m_strName = a[0].bstrVal;
        return S_OK;
    }
    HRESULT GetStamp(const DispArgs&, VARIANT* r) {
        *r = tb::VariantDate(m_dStamp);
        return S_OK;
    }
    HRESULT PutStamp(const DispArgs& a, VARIANT*) {
        m_dStamp = a[0].date;
        return S_OK;
    }
    HRESULT GetVersion(const DispArgs&, VARIANT* r) {
        *r = tb::VariantString("7"); // coerced to the declared short
        return S_OK;
    }
    HRESULT Body(const DispArgs& a, VARIANT* r) {
        // Arguments arrive in call order, already of the declared types.
        *r = tb::VariantString(std::to_string(a[0].iVal) + "/" + std::to_string(a[1].iVal));
        return S_OK;
    }
    HRESULT Throw(const DispArgs&, VARIANT*) { throw std::runtime_error("disk on fire"); }

protected:
    ~CSample() override { --s_nAlive; }

private:
    std::string m_strName;
    double m_dStamp = 0.0;
};
int CSample::s_nAlive = 0;

const DispEntry<CSample> kSampleTable[] = {
    {"Name", 1, DispKind::Property, {}, VT_BSTR, &CSample::GetName, &CSample::PutName},
    {"Stamp", 2, DispKind::Property, {}, VT_DATE, &CSample::GetStamp, &CSample::PutStamp},
    {"Version", 3, DispKind::PropertyGet, {}, VT_I2, &CSample::GetVersion},
    {"GetBody", 19, DispKind::Method, {VT_I2, VT_I2}, VT_BSTR, &CSample::Body},
    {"Throw", 20, DispKind::Method, {}, VT_BOOL, &CSample::Throw},
};

std::span<const DispEntry<CSample>> CSample::DispTable() {
    return kSampleTable;
}

IDispatch* NewSample() {
    return new CSample;
}

TEST(DispatchTable, ResolvesNamesCaseInsensitively) {
    COleDispatchDriver driver(NewSample());
    DISPID id = 0;
    EXPECT_EQ(driver.GetIDOfName("getbody", &id), S_OK);
    EXPECT_EQ(id, 19);
    EXPECT_EQ(driver.GetIDOfName("NAME", &id), S_OK);
    EXPECT_EQ(id, 1);
    EXPECT_EQ(driver.GetIDOfName("GetBod", &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);

    const char* names[] = {"GetBody", "segment"};
    DISPID ids[2] = {0, 0};
    EXPECT_EQ(driver.GetDispatch()->GetIDsOfNames(IID_NULL, names, 2, 0, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[0], 19);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
}

TEST(DispatchTable, PassesArgumentsInCallOrderAndCoercesThem) {
    COleDispatchDriver driver(NewSample());
    // The driver reverses them for Invoke and the base reverses them back.
    tb::DispResult r = driver.CallMethod(19, VT_BSTR, int16_t(5), std::string("1"));
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.bstrVal, "5/1");
    r = driver.CallMethod("getBODY", VT_BSTR, true, 2.6);
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.bstrVal, "-1/3");
}

TEST(DispatchTable, PropertiesGetAndPut) {
    COleDispatchDriver driver(NewSample());
    EXPECT_EQ(driver.SetProperty(1, tb::VariantString("Normal")), S_OK);
    VARIANT v;
    EXPECT_EQ(driver.GetProperty("name", VT_BSTR, &v), S_OK);
    EXPECT_EQ(v.bstrVal, "Normal");
    // A double put into a date property keeps its fraction.
    EXPECT_EQ(driver.SetProperty("Stamp", tb::VariantR8(36526.123456789)), S_OK);
    EXPECT_EQ(driver.GetProperty(2, VT_R8, &v), S_OK);
    EXPECT_DOUBLE_EQ(v.dblVal, 36526.123456789);
    // The handler's string result is coerced to the declared short.
    EXPECT_EQ(driver.GetProperty(3, VT_I2, &v), S_OK);
    EXPECT_EQ(v.vt, VT_I2);
    EXPECT_EQ(v.iVal, 7);
    // Read-only.
    EXPECT_EQ(driver.SetProperty(3, tb::VariantI2(1)), DISP_E_MEMBERNOTFOUND);
}

TEST(DispatchTable, RejectsWrongCallsWithTheirOwnCodes) {
    COleDispatchDriver driver(NewSample());
    EXPECT_EQ(driver.CallMethod(99, VT_EMPTY).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(driver.CallMethod(0, VT_EMPTY).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(driver.CallMethod(19, VT_BSTR, int16_t(1)).hr, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(driver.CallMethod(19, VT_BSTR, int16_t(1), int16_t(2), int16_t(3)).hr,
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(driver.CallMethod(19, VT_BSTR, "one", int16_t(2)).hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(driver.CallMethod(19, VT_BSTR, int16_t(1), int32_t(70000)).hr, DISP_E_TYPEMISMATCH);
    // A property is not a method, and a method cannot be put.
    EXPECT_EQ(driver.CallMethod(1, VT_BSTR).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(driver.InvokeHelper(19, DISPATCH_PROPERTYPUT, VT_EMPTY, int16_t(1)).hr,
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(driver.CallMethod("Nothing", VT_EMPTY).hr, DISP_E_UNKNOWNNAME);
}

TEST(DispatchTable, TellsWhichArgumentDidNotFit) {
    IDispatch* d = NewSample();
    VARIANT args[2] = {tb::VariantString("x"), tb::VariantI2(1)}; // reversed: (1, "x")
    DISPPARAMS params;
    params.rgvarg = args;
    params.cArgs = 2;
    UINT argErr = 99;
    VARIANT result;
    EXPECT_EQ(d->Invoke(19, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, &argErr),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argErr, 0u);
    d->Release();
}

TEST(DispatchTable, HandlerExceptionsBecomeDispatchExceptions) {
    COleDispatchDriver driver(NewSample());
    EXPECT_EQ(driver.CallMethod(20, VT_BOOL).hr, DISP_E_EXCEPTION);
    EXPECT_EQ(driver.LastException(), "disk on fire");
}

TEST(DispatchTable, ObjectLivesUntilItsLastRelease) {
    ASSERT_EQ(CSample::s_nAlive, 0);
    IDispatch* d = NewSample();
    EXPECT_TRUE(tb::ServerModuleInUse());
    void* unk = nullptr;
    ASSERT_EQ(d->QueryInterface(IID_IUnknown, &unk), S_OK);
    void* none = nullptr;
    EXPECT_EQ(d->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    d->Release();
    EXPECT_EQ(CSample::s_nAlive, 1);
    static_cast<IUnknown*>(unk)->Release();
    EXPECT_EQ(CSample::s_nAlive, 0);
    EXPECT_FALSE(tb::ServerModuleInUse());
}

TEST(DispatchDriver, WithoutAnObjectEveryCallFailsQuietly) {
    COleDispatchDriver driver;
    EXPECT_EQ(driver.CallMethod(1, VT_BSTR).hr, E_POINTER);
    VARIANT v;
    EXPECT_EQ(driver.GetProperty("Name", VT_BSTR, &v), E_POINTER);
    EXPECT_FALSE(driver.LastException().empty());
}

} // namespace
