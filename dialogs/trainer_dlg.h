// The main window: the training dialog.
#pragma once
#include "controls/flash_color_ctrl.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "res/resource.h"

using CFlashEdit = CFlashColorCtrl<CEdit>;

class CTrainerDlg : public CDialog {
 public:
  explicit CTrainerDlg(CWnd* parent = nullptr);
  ~CTrainerDlg() override;

  // Opens a document with the shell; replaceable so that tests see the call.
  using OpenDocumentFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  static OpenDocumentFn s_openDocument;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;

  // Data paths (training/)
  void ResolveDataPaths();
  // One deal of four different digits with a flickering right one (training/)
  void NewDigits();
  // The "Go" step machine (training/)
  void OnGo();
  // Statistics file (stats/)
  void LoadStatistics();
  void RecordTraining();

  // Commands
  void OnSysCommand(UINT id, LPARAM lParam);
  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnStatistics();
  void OnAbout();
  void OnShowHelp();
  void OnExit();

  CFlashEdit m_editPrompt;
  CFlashEdit m_editLastStepNote;
  CFlashEdit m_editInstructions;
  CFlashEdit m_editReveal;
  CFlashEdit m_digitTopLeft;
  CFlashEdit m_digitBottomRight;
  CFlashEdit m_digitTopRight;
  CFlashEdit m_digitBottomLeft;
  CFlashEdit* m_digitSlots[4];
  int m_stepsPerTraining;
  int m_currentStep;
  int m_correctCount;
  HICON m_hIcon;
  CString m_statPath;
  CString m_helpPath;
  CString m_exeName;
  CString m_modulePath;
  COLORREF m_cueColor;
  COLORREF m_digitColor;
  bool m_awaitingFirstGo;
  int m_rightIndex;
  int m_totalRate;
  int m_lastRate;
  int m_trainingCount;
  CFont m_fontDigits;
  CFont m_fontPrompt;
  CFont m_fontText;
  CSliderCtrl m_sliderNoise;
  CButton m_btnGo;
  // False while the counters in memory may not be the file's (the file
  // existed but could not be read): the next save reads it first.
  bool m_statsFromFile;

 private:
  void CompleteTraining();

  DECLARE_MESSAGE_MAP()
};
