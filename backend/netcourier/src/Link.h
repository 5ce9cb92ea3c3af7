// The connection table of the process, built when the library is loaded (which also starts
// the receive thread).
#pragma once

#include "LinkTable.h"

CLinkTable& TheLinkTable();
