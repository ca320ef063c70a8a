// TEMPORARY until the headless material editor lands.
#include <iparamb2.h>
IAutoMParamDlg* ClassDesc2::CreateParamDlgs(HWND, IMtlParams*, ReferenceTarget*) { return nullptr; }
HINSTANCE ShellExecuteW(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT) { return nullptr; }
