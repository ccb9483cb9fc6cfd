#include "platform/com/hresult.h"

#include <cstdio>

namespace tb {

std::string HResultText(HRESULT hr) {
    switch (hr) {
    case S_OK:
        return "The operation completed successfully";
    case S_FALSE:
        return "The operation completed with a negative answer";
    case E_NOTIMPL:
        return "Not implemented";
    case E_NOINTERFACE:
        return "No such interface supported";
    case E_POINTER:
        return "Invalid pointer";
    case E_FAIL:
        return "Unspecified error";
    case E_UNEXPECTED:
        return "Catastrophic failure";
    case E_OUTOFMEMORY:
        return "Out of memory";
    case E_INVALIDARG:
        return "The parameter is incorrect";
    case CLASS_E_NOAGGREGATION:
        return "Class does not support aggregation";
    case CLASS_E_CLASSNOTAVAILABLE:
        return "Class not available from this module";
    case REGDB_E_READREGDB:
        return "Could not read key from registry";
    case REGDB_E_WRITEREGDB:
        return "Could not write key to registry";
    case REGDB_E_CLASSNOTREG:
        return "Class not registered";
    case CO_E_CLASSSTRING:
        return "Invalid class string";
    case SELFREG_E_CLASS:
        return "The server could not register its classes";
    case CO_E_DLLNOTFOUND:
        return "Module file not found";
    case CO_E_ERRORINDLL:
        return "Error in the module file";
    case DISP_E_UNKNOWNINTERFACE:
        return "Unknown interface";
    case DISP_E_MEMBERNOTFOUND:
        return "Member not found";
    case DISP_E_PARAMNOTFOUND:
        return "Parameter not found";
    case DISP_E_TYPEMISMATCH:
        return "Type mismatch";
    case DISP_E_UNKNOWNNAME:
        return "Unknown name";
    case DISP_E_NONAMEDARGS:
        return "No named arguments";
    case DISP_E_BADVARTYPE:
        return "Bad variable type";
    case DISP_E_EXCEPTION:
        return "Exception occurred";
    case DISP_E_OVERFLOW:
        return "Out of present range";
    case DISP_E_PARAMNOTOPTIONAL:
        return "Parameter not optional";
    case DISP_E_BADPARAMCOUNT:
        return "Invalid number of parameters";
    default:
        break;
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "Unknown error 0x%08X", static_cast<unsigned>(hr));
    return buf;
}

} // namespace tb
