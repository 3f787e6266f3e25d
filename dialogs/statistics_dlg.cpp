#include "dialogs/statistics_dlg.h"

#include <cstdio>

#include "dialogs/fonts.h"

IMPLEMENT_DYNAMIC(Statistics, CDialog)

BEGIN_MESSAGE_MAP(Statistics, CDialog)
END_MESSAGE_MAP()

Statistics::Statistics(int trainingCount, int totalRate, int lastRate, CWnd* parent)
    : CDialog(IDD_STATISTICS, parent),
      m_fieldColor(0),
      m_totalRate(totalRate),
      m_lastRate(lastRate),
      m_trainingCount(trainingCount) {}

Statistics::~Statistics() = default;

void Statistics::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_TOTAL_LABEL, m_editTotalLabel);
  DDX_Control(dx, IDC_TOTAL_VALUE, m_editTotalValue);
  DDX_Control(dx, IDC_LAST_LABEL, m_editLastLabel);
  DDX_Control(dx, IDC_LAST_VALUE, m_editLastValue);
  DDX_Control(dx, IDC_COUNT_LABEL, m_editCountLabel);
  DDX_Control(dx, IDC_COUNT_VALUE, m_editCountValue);
}

BOOL Statistics::OnInitDialog() {
  CDialog::OnInitDialog();
  CreateArial(m_fontFields, 20, FW_BOLD);

  m_fieldColor = 0;
  const struct {
    CFlashColorCtrl<CEdit>* field;
    const char* text;
  } labels[] = {{&m_editCountLabel, "Number of trainings:"},
                {&m_editTotalLabel, "Total success rate:"},
                {&m_editLastLabel, "Last training success rate:"}};
  for (const auto& label : labels) {
    label.field->SetTextColor(m_fieldColor);
    label.field->SetWindowText(label.text);
    SetFont(*label.field, m_fontFields);
  }

  m_fieldColor = 255;
  const struct {
    CFlashColorCtrl<CEdit>* field;
    int value;
  } values[] = {{&m_editCountValue, m_trainingCount}, {&m_editTotalValue, m_totalRate}, {&m_editLastValue, m_lastRate}};
  for (const auto& value : values) {
    char text[20];
    std::snprintf(text, sizeof text, "%d", value.value);
    value.field->SetTextColor(m_fieldColor);
    value.field->SetWindowText(text);
    SetFont(*value.field, m_fontFields);
  }
  return TRUE;
}
