#pragma once
// The values the host's installer would write for the assistant, written when absent:
// "SoundPath" (the narration beside the program) and "SampleCompany" (the sample company
// database beside the program).
#include <string>

namespace demohost {

inline constexpr wchar_t kTutorialKey[] = L"Software\\Tavrilenk\\Zendri Accounting 2000\\Tutorial";
inline constexpr wchar_t kSampleCompanyFile[] = L"SampleCompany.gdb";

void RegisterInstallValues(const std::wstring& programFolder);

}  // namespace demohost
