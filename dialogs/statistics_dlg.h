// The Statistics dialog: the three counters, as they were when it opened.
#pragma once
#include "controls/flash_color_ctrl.h"
#include "framework/dialog.h"
#include "res/resource.h"

class Statistics : public CDialog {
  DECLARE_DYNAMIC(Statistics)
 public:
  Statistics(int trainingCount, int totalRate, int lastRate, CWnd* parent = nullptr);
  ~Statistics() override;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;

  COLORREF m_fieldColor;
  int m_totalRate;
  int m_lastRate;
  int m_trainingCount;
  CFont m_fontFields;
  CFlashColorCtrl<CEdit> m_editCountLabel;
  CFlashColorCtrl<CEdit> m_editCountValue;
  CFlashColorCtrl<CEdit> m_editTotalLabel;
  CFlashColorCtrl<CEdit> m_editTotalValue;
  CFlashColorCtrl<CEdit> m_editLastLabel;
  CFlashColorCtrl<CEdit> m_editLastValue;

  DECLARE_MESSAGE_MAP()
};
