// The main dialog with its state opened up for the suites.
#pragma once
#include "dialogs/trainer_dlg.h"

class TrainerProbe : public CTrainerDlg {
 public:
  using CTrainerDlg::LoadStatistics;
  using CTrainerDlg::RecordTraining;
  using CTrainerDlg::ResolveDataPaths;
  using CTrainerDlg::OnGo;
  using CTrainerDlg::NewDigits;
  using CTrainerDlg::m_statPath;
  using CTrainerDlg::m_helpPath;
  using CTrainerDlg::m_exeName;
  using CTrainerDlg::m_modulePath;
  using CTrainerDlg::m_trainingCount;
  using CTrainerDlg::m_totalRate;
  using CTrainerDlg::m_lastRate;
  using CTrainerDlg::m_correctCount;
  using CTrainerDlg::m_currentStep;
  using CTrainerDlg::m_stepsPerTraining;
  using CTrainerDlg::m_awaitingFirstGo;
  using CTrainerDlg::m_rightIndex;
  using CTrainerDlg::m_digitSlots;
  using CTrainerDlg::m_digitTopLeft;
  using CTrainerDlg::m_digitBottomRight;
  using CTrainerDlg::m_digitTopRight;
  using CTrainerDlg::m_digitBottomLeft;
  using CTrainerDlg::m_editReveal;
  using CTrainerDlg::m_editPrompt;
  using CTrainerDlg::m_editInstructions;
  using CTrainerDlg::m_editLastStepNote;
  using CTrainerDlg::m_cueColor;
  using CTrainerDlg::m_digitColor;
  using CTrainerDlg::m_hIcon;
};
