#include "dialogs/trainer_dlg.h"

#include <shellapi.h>

#include "dialogs/about_dlg.h"
#include "dialogs/fonts.h"
#include "dialogs/statistics_dlg.h"

namespace {

const char kPrompt[] = "Is it your answer? Select radiobutton below";
const char kInstructions[] =
    "You are ready to start training. Each training consists of 7 steps. You see 4 digits below. "
    "Try to concentrate on them during 5-20 seconds. You should choose the 'right' digit. Some of "
    "digits will randomly blink sometimes- don't care about this- just close your eyes and try to "
    "visualize the 'right' answer. After that press 'Go' button. For more info read help.";
const char kLastStepNote[] =
    "This is the last step of this training. After pressing the 'Go' button you will be able to\t"
    "view statistics of this training. Don't get discouraged, if your result is not very good yet- "
    "the more you practice the better you get.";

}  // namespace

// ShellExecuteA, with the shell loaded from the system folder on first use:
// the shell pulls in many libraries that the program's start need not wait for.
static HINSTANCE WINAPI ShellExecuteOnDemand(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder,
                                      INT show) {
  static const auto shellExecute = [] {
    HMODULE shell = ::LoadLibraryExA("shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!shell) shell = ::LoadLibraryA("shell32.dll");  // systems without the search flags
    return shell ? reinterpret_cast<CTrainerDlg::OpenDocumentFn>(
                       reinterpret_cast<void*>(::GetProcAddress(shell, "ShellExecuteA")))
                 : nullptr;
  }();
  if (!shellExecute) return reinterpret_cast<HINSTANCE>(SE_ERR_DLLNOTFOUND);
  return shellExecute(owner, verb, file, parameters, folder, show);
}

CTrainerDlg::OpenDocumentFn CTrainerDlg::s_openDocument = &ShellExecuteOnDemand;

CTrainerDlg::CTrainerDlg(CWnd* parent)
    : CDialog(IDD_MENTAVO_DIALOG, parent),
      m_digitSlots{&m_digitTopLeft, &m_digitBottomRight, &m_digitTopRight, &m_digitBottomLeft},
      m_stepsPerTraining(8),
      m_currentStep(0),
      m_correctCount(0),
      m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      m_cueColor(0x00FE005B),
      m_digitColor(0x00FE0060),
      m_awaitingFirstGo(true),
      m_rightIndex(2),
      m_totalRate(0),
      m_lastRate(0),
      m_trainingCount(0),
      m_statsFromFile(false) {}

// Members go in reverse order of declaration: controls, fonts and strings.
CTrainerDlg::~CTrainerDlg() = default;

BEGIN_MESSAGE_MAP(CTrainerDlg, CDialog)
  ON_WM_SYSCOMMAND()
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_COMMAND(IDC_GO, &CTrainerDlg::OnGo)
  ON_COMMAND(ID_FILE_STATISTICS, &CTrainerDlg::OnStatistics)
  ON_COMMAND(ID_FILE_EXIT, &CTrainerDlg::OnExit)
  ON_COMMAND(IDC_STATISTICS_BUTTON, &CTrainerDlg::OnStatistics)
  ON_COMMAND(IDC_HELP_BUTTON, &CTrainerDlg::OnShowHelp)
  ON_COMMAND(IDC_ABOUT_BUTTON, &CTrainerDlg::OnAbout)
  ON_COMMAND(ID_HELP_ABOUT, &CTrainerDlg::OnAbout)
  ON_COMMAND(ID_HELP_HELP, &CTrainerDlg::OnShowHelp)
END_MESSAGE_MAP()

void CTrainerDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_DIGIT_BOTTOM_RIGHT, m_digitBottomRight);
  DDX_Control(dx, IDC_DIGIT_TOP_LEFT, m_digitTopLeft);
  DDX_Control(dx, IDC_DIGIT_TOP_RIGHT, m_digitTopRight);
  DDX_Control(dx, IDC_DIGIT_BOTTOM_LEFT, m_digitBottomLeft);
  DDX_Control(dx, IDC_REVEAL, m_editReveal);
  DDX_Control(dx, IDC_INSTRUCTIONS, m_editInstructions);
  DDX_Control(dx, IDC_NOISE_SLIDER, m_sliderNoise);
  DDX_Control(dx, IDC_GO, m_btnGo);
  DDX_Control(dx, IDC_LAST_STEP_NOTE, m_editLastStepNote);
  DDX_Control(dx, IDC_PROMPT, m_editPrompt);
}

BOOL CTrainerDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ResolveDataPaths();
  try {
    LoadStatistics();
  } catch (const CException& e) {
    // The user is told, and the window is still made whole: with the counters
    // at 0 until the file can be read again at the next save.
    e.ReportError();
  }

  if (HMENU sysMenu = GetSystemMenu(FALSE)) {
    char about[256] = "";
    if (::LoadStringA(AfxGetResourceHandle(), IDS_ABOUTBOX, about, sizeof about) > 0 && about[0]) {
      ::AppendMenuA(sysMenu, MF_SEPARATOR, 0, nullptr);
      ::AppendMenuA(sysMenu, MF_STRING, IDM_ABOUTBOX, about);
    }
  }

  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);

  GetDlgItem(IDC_RADIO_YES)->ShowWindow(SW_HIDE);
  GetDlgItem(IDC_RADIO_NO)->ShowWindow(SW_HIDE);
  CheckRadioButton(IDC_RADIO_YES, IDC_RADIO_NO, IDC_RADIO_YES);

  m_sliderNoise.SendMessage(TBM_SETTICFREQ, 20, 0);

  CreateArial(m_fontDigits, 80, FW_NORMAL);
  CreateArial(m_fontPrompt, 18, FW_BOLD);
  CreateArial(m_fontText, 15, FW_BOLD);

  for (CFlashEdit* digit : m_digitSlots) SetFont(*digit, m_fontDigits);

  m_cueColor = 0x00FE005B;
  m_digitColor = 0x00FE0060;
  for (CFlashEdit* digit : m_digitSlots) digit->SetTextColor(m_digitColor);
  m_rightIndex = 2;
  NewDigits();
  m_awaitingFirstGo = true;

  SetFont(m_editPrompt, m_fontPrompt);
  m_editPrompt.SetTextColor(0);
  m_editPrompt.SetWindowText(kPrompt);
  m_editPrompt.ShowWindow(SW_HIDE);

  SetFont(m_editInstructions, m_fontText);
  m_editInstructions.SetTextColor(0x0000FF);
  m_editInstructions.SetWindowText(kInstructions);

  SetFont(m_editLastStepNote, m_fontText);
  m_editLastStepNote.SetTextColor(0xFF0000);
  m_editLastStepNote.SetWindowText(kLastStepNote);

  m_sliderNoise.SetRange(0, 250, FALSE);

  m_editReveal.ShowWindow(SW_HIDE);
  m_editLastStepNote.ShowWindow(SW_HIDE);
  return TRUE;
}

void CTrainerDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
  RECT rect;
  GetClientRect(&rect);
  const int x = (rect.right - rect.left - cx + 1) / 2;
  const int y = (rect.bottom - rect.top - cy + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CTrainerDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CTrainerDlg::OnSysCommand(UINT id, LPARAM lParam) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    OnAbout();
    return;
  }
  CDialog::OnSysCommand(id, lParam);
}

void CTrainerDlg::OnStatistics() {
  Statistics dialog(m_trainingCount, m_totalRate, m_lastRate);
  dialog.DoModal();
}

void CTrainerDlg::OnAbout() {
  About1 dialog;
  dialog.DoModal();
}

void CTrainerDlg::OnShowHelp() { s_openDocument(m_hWnd, "open", m_helpPath, nullptr, nullptr, SW_SHOWNORMAL); }

void CTrainerDlg::OnExit() { OnOK(); }
