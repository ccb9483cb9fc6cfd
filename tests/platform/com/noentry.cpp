// A module that loads but is no component: it lacks DllGetClassObject.

#include "platform/com/interfaces.h"

TB_COM_EXPORT HRESULT DllCanUnloadNow() {
    return S_OK;
}
