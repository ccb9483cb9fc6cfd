#include "component/module/classfactory.h"

#include "component/brisko.h"
#include "platform/com/classfactory.h"

namespace tb {

IClassFactory& BriskoClassFactory() {
    static CClassFactory<CBrisko> factory;
    return factory;
}

} // namespace tb
