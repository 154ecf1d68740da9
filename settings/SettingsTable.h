#pragma once

// The program's settings, registered by the main window when it is created.
namespace velmar {

class IniStore;

// Key and section of all of the program's settings.
inline constexpr const char* kSettingsKey = "Software\\Velmar";
inline constexpr const char* kSettingsSection = "Main";

// Registers the 15 settings in their fixed order (the order IniLoadAll and IniStoreAll visit).
void RegisterSettings(IniStore& store);

}  // namespace velmar
