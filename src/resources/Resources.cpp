#include "resources/Resources.h"

#include <QtGlobal>

void InitVentaroResources()
{
    // The resources live in a static library; without this call the linker may
    // leave their registration out.
    Q_INIT_RESOURCE(resources);
}
