// The About box.
#pragma once
#include "framework/dialog.h"
#include "res/resource.h"

class About1 : public CDialog {
  DECLARE_DYNAMIC(About1)
 public:
  explicit About1(CWnd* parent = nullptr) : CDialog(IDD_ABOUT, parent) {}
  ~About1() override = default;

  DECLARE_MESSAGE_MAP()
};
