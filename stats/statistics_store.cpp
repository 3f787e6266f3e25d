// The statistics file: read once at start-up, replaced whole at the end of
// every training.
#include "dialogs/trainer_dlg.h"
#include "framework/file.h"
#include "stats/stats_rules.h"

namespace {

stats::Counters ReadCounters(CStdioFile& file) {
  stats::Counters counters;
  CString line;
  file.ReadString(line);
  counters.trainingCount = stats::ParseLine(line.str());
  file.ReadString(line);
  counters.totalRate = stats::ParseLine(line.str());
  file.ReadString(line);
  counters.lastRate = stats::ParseLine(line.str());
  return counters;
}

bool IsMissing(const CFileException& e) {
  return e.m_lOsError == ERROR_FILE_NOT_FOUND;
}

}  // namespace

void CTrainerDlg::LoadStatistics() {
  CStdioFile file;
  CFileException error;
  if (!file.Open(m_statPath, CFile::modeRead | CFile::typeText, &error)) {
    // A missing file starts from zero and is created by the first save; any
    // other failure means the file holds counters we could not see.
    m_statsFromFile = IsMissing(error);
    throw error;
  }
  m_statsFromFile = false;
  const stats::Counters counters = ReadCounters(file);
  m_trainingCount = counters.trainingCount;
  m_totalRate = counters.totalRate;
  m_lastRate = counters.lastRate;
  file.Close();
  m_statsFromFile = true;
}

void CTrainerDlg::RecordTraining() {
  stats::Counters before{m_trainingCount, m_totalRate, m_lastRate};
  {
    // Opening comes first, before any counter changes: a file another
    // program holds, or a folder in its place, stops the save here.
    CStdioFile file;
    CFileException error;
    if (file.Open(m_statPath, CFile::modeReadWrite | CFile::typeText, &error)) {
      if (!m_statsFromFile) before = ReadCounters(file);
      file.Close();
    } else if (!IsMissing(error)) {
      throw error;
    }
  }
  const stats::Counters after = stats::AfterTraining(before, m_correctCount, m_stepsPerTraining);
  CStdioFile::ReplaceContent(m_statPath, stats::FormatCounters(after).c_str());
  m_trainingCount = after.trainingCount;
  m_totalRate = after.totalRate;
  m_lastRate = after.lastRate;
  m_statsFromFile = true;
}
