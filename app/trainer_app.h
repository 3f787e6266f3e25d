// The application object.
#pragma once
#include "framework/app.h"

class CTrainerApp : public CWinApp {
 public:
  CTrainerApp();
  ~CTrainerApp() override;
  BOOL InitInstance() override;

  DECLARE_MESSAGE_MAP()
};
