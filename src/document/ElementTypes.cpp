#include "document/ElementTypes.h"

#include <mutex>

namespace loopora {

void installElementTypes()
{
    static std::once_flag once;
    std::call_once(once, [] {});
}

} // namespace loopora
