// A host that reaches into the component instead of going through the registry, and one
// include that is allowed to it.
#include "component/browserlist.h"
#include "component/brisko.h"
