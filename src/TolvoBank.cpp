// The default bank: "Tolvo default bank.FXB" beside the plug-in library.
#include <stdio.h>

#include "DefaultBank.h"
#include "Tolvo.h"

#if defined(_WIN32)
#include <string>

#include "TolvoModule.h"

namespace {
// The library's folder as wide characters, so that any path opens.
FILE* OpenDefaultBank()
{
  wchar_t module[2048];
  const DWORD n = GetModuleFileNameW(gHInstance, module, sizeof module / sizeof module[0]);
  if (n == 0 || n >= sizeof module / sizeof module[0]) return nullptr;
  std::wstring path(module, n);
  const size_t cut = path.find_last_of(L"\\/");
  path.erase(cut == std::wstring::npos ? 0 : cut);
  path += L"\\Tolvo default bank.FXB";
  return _wfopen(path.c_str(), L"rb");
}
}  // namespace

#else
#include <dlfcn.h>

#include <string>

namespace {
FILE* OpenDefaultBank()
{
  Dl_info info;
  if (!dladdr(reinterpret_cast<void*>(&OpenDefaultBank), &info) || !info.dli_fname) return nullptr;
  std::string path(info.dli_fname);
  const size_t cut = path.find_last_of('/');
  path.erase(cut == std::string::npos ? 0 : cut);
  path += "/Tolvo default bank.FXB";
  return fopen(path.c_str(), "rb");
}
}  // namespace
#endif

void Tolvo::LoadDefaultBank()
{
  FILE* file = OpenDefaultBank();
  std::vector<BankProgram> programs;
  const bool read = file && ReadBank(file, NParams(), &programs);
  if (file) fclose(file);
  // The programs read before a failure make their presets all the same;
  // those past the last free preset make none.
  for (const BankProgram& p : programs) MakePresetFromNormalizedArray(p.name, p.values.data(), (int)p.values.size());
  if (!read) fprintf(stderr, "Exception opening/reading file\n");
}
