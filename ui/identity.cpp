#include "identity.h"

#include "icons/zorvan-16.xpm"
#include "icons/zorvan-32.xpm"

const toolkit::Identity& identity()
{
    static const toolkit::Identity program{
        .productName = u"Zorvan Calculator",
        .productVersion = u"" ZORVAN_VERSION,
        .desktopId = ZORVAN_APP_ID,
        .iconArt = {zorvan_16, zorvan_32},
    };
    return program;
}
