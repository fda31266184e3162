#pragma once
// Settings and names shared by the window and the pages.
#include <array>
#include <string>

namespace tutorial {

// The assistant's registry key under the current user, and its sub-keys.
inline constexpr const char* kRegistryKey = "Software\\Tavrilenk\\Zendri Accounting 2000";
inline constexpr const char* kTutorialSubKey = "Tutorial";
// The narration mute of the "Tutorial" sub-key: "1" muted, anything else not.
inline constexpr const char* kNarrationMutedValue = "NarrationMuted";

// The folder of the narration files, ending in a separator; set when the window is created.
std::string& SoundFolder();

// The narration file of each voice-button or data-edit Tag, 1 to 21 (index Tag - 1).
inline constexpr std::array<const char*, 21> WaveFiles = {
    "4.wav",  "6.wav",  "7.wav",  "9.wav",  "10.wav", "11.wav", "13.wav",
    "14.wav", "15.wav", "16.wav", "19.wav", "21.wav", "22.wav", "23.wav",
    "24.wav", "31.wav", "32.wav", "33.wav", "31.wav", "32.wav", "33.wav"};

// What the narration of each Tag (as WaveFiles) is about, for the voice buttons' names.
inline constexpr std::array<const char*, 21> NarrationTopics = {
    "Company path",      "Company name",       "Company address",    "Fiscal year",
    "Number of periods", "Company creation",   "Main currency",      "Secondary currency",
    "Other currencies",  "Chart of accounts",  "Default accounts",   "Vendors",
    "Employees",         "Customers",          "Stock",              "Jobs",
    "Banks",             "Inventory locations", "Jobs",              "Banks",
    "Inventory locations"};

// Periods per fiscal year offered by the fiscal-year page, by choice 0 to 3; the last is
// also the default.
inline constexpr std::array<int, 4> PeriodChoices = {1, 2, 4, 12};

// The host's business-section number of the default-account actions with tags 8 to 14.
inline constexpr std::array<int, 7> SectionNumbers = {0, 1, 2, 3, 4, 5, 6};

}  // namespace tutorial
