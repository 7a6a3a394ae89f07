#include "core/text/TextCapacity.h"

namespace belvane {

int storedLength(QStringView text)
{
    return static_cast<int>(toWindows1252(text).size());
}

bool fitsCapacity(QStringView text, int capacity)
{
    return storedLength(text) <= capacity;
}

} // namespace belvane
