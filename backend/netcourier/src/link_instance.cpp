#include "Link.h"

namespace {

CLinkTable g_linkTable;

} // namespace

CLinkTable& TheLinkTable()
{
    return g_linkTable;
}
