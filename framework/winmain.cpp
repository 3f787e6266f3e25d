// The program's entry point: runs the one application object.
#include "framework/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return AfxWinMain(instance); }
