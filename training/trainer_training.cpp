// The training side of the main dialog: where the data files are, the deal
// of four digits, and the step machine behind "Go".
#include <ctime>

#include "dialogs/fonts.h"
#include "dialogs/statistics_dlg.h"
#include "dialogs/trainer_dlg.h"
#include "framework/app.h"
#include "training/data_paths.h"
#include "training/deal.h"

void CTrainerDlg::ResolveDataPaths() {
  const training::DataPaths paths = training::DeriveDataPaths(
      AfxGetModuleFileName().str(), [](unsigned char c) { return ::IsDBCSLeadByte(c) != FALSE; });
  m_exeName = paths.exeName.c_str();
  m_modulePath = paths.modulePath.c_str();
  m_statPath = paths.statPath.c_str();
  m_helpPath = paths.helpPath.c_str();
}

void CTrainerDlg::NewDigits() {
  const training::Deal deal = training::MakeDeal(static_cast<std::uint32_t>(std::time(nullptr)));
  m_digitSlots[0] = &m_digitTopLeft;
  m_digitSlots[1] = &m_digitBottomRight;
  m_digitSlots[2] = &m_digitTopRight;
  m_digitSlots[3] = &m_digitBottomLeft;
  for (int slot = 0; slot < 4; ++slot) {
    const char text[2] = {static_cast<char>('0' + deal.digits[slot]), '\0'};
    m_digitSlots[slot]->SetWindowText(text);
  }
  m_digitSlots[m_rightIndex]->SetFlashTextColors(m_digitColor, m_digitColor);
  m_rightIndex = deal.rightIndex;
  m_digitSlots[m_rightIndex]->SetFlashTextColors(m_digitColor, m_cueColor);
  m_digitSlots[m_rightIndex]->StartFlashing();
}

void CTrainerDlg::OnGo() {
  if (m_currentStep >= m_stepsPerTraining) {
    // The finished training could not be saved: this press tries again and
    // neither scores nor deals.
    CompleteTraining();
    return;
  }
  if (!m_awaitingFirstGo) {
    if (GetCheckedRadioButton(IDC_RADIO_YES, IDC_RADIO_NO) == IDC_RADIO_YES) ++m_correctCount;
  } else {
    GetDlgItem(IDC_RADIO_YES)->ShowWindow(SW_SHOW);
    GetDlgItem(IDC_RADIO_NO)->ShowWindow(SW_SHOW);
    m_editPrompt.ShowWindow(SW_SHOW);
    m_editReveal.ShowWindow(SW_SHOW);
    m_awaitingFirstGo = false;
    m_editInstructions.ShowWindow(SW_HIDE);
  }

  CString right;
  m_digitSlots[m_rightIndex]->GetWindowText(right);
  m_editReveal.SetTextColor(255);
  SetFont(m_editReveal, m_fontDigits);
  m_editReveal.SetWindowText(right);

  NewDigits();
  ++m_currentStep;

  if (m_currentStep == m_stepsPerTraining - 1) {
    for (CFlashEdit* digit : m_digitSlots) digit->ShowWindow(SW_HIDE);
    m_editLastStepNote.ShowWindow(SW_SHOW);
  }
  if (m_currentStep == m_stepsPerTraining) CompleteTraining();
}

void CTrainerDlg::CompleteTraining() {
  // A failure here leaves the last-step look and the finished training's
  // answers as they are, for the next press to save.
  RecordTraining();
  m_correctCount = 0;
  m_editInstructions.ShowWindow(SW_SHOW);
  m_editPrompt.ShowWindow(SW_HIDE);
  GetDlgItem(IDC_RADIO_YES)->ShowWindow(SW_HIDE);
  GetDlgItem(IDC_RADIO_NO)->ShowWindow(SW_HIDE);
  m_editReveal.ShowWindow(SW_HIDE);
  m_currentStep = 0;
  m_awaitingFirstGo = true;
  for (CFlashEdit* digit : m_digitSlots) digit->ShowWindow(SW_SHOW);
  m_editLastStepNote.ShowWindow(SW_HIDE);

  Statistics dialog(m_trainingCount, m_totalRate, m_lastRate);
  dialog.DoModal();
}
