// Bitmap resources of the skinned scroll bar, one per orientation and state (read by the
// resource script too, so preprocessor lines only).
#pragma once

#define IDB_XSB_HORZ_DISABLED 20003
#define IDB_XSB_HORZ_PRESSED 20004
#define IDB_XSB_HORZ_HOT 20005
#define IDB_XSB_HORZ_NORMAL 20006
#define IDB_XSB_VERT_DISABLED 20007
#define IDB_XSB_VERT_PRESSED 20008
#define IDB_XSB_VERT_HOT 20009
#define IDB_XSB_VERT_NORMAL 20010
