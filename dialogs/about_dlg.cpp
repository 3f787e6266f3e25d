#include "dialogs/about_dlg.h"

IMPLEMENT_DYNAMIC(About1, CDialog)

BEGIN_MESSAGE_MAP(About1, CDialog)
END_MESSAGE_MAP()
