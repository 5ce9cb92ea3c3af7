// The program's one application object.
#include "MainApp.h"

CQuelmar_MainApp theApp;
