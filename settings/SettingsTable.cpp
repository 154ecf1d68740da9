#include "settings/SettingsTable.h"

#include "settings/IniStore.h"

namespace velmar {

void RegisterSettings(IniStore& store) {
    const QString key = QString::fromLatin1(kSettingsKey);
    const QString section = QString::fromLatin1(kSettingsSection);
    const QString main = QStringLiteral("FormMain");
    const QString options = QStringLiteral("FormOptions");
    const QString none;

    // Last opened file; the main window stores it again through the name "FileName".
    store.IniAdd(key, section, "Filename", "EditFileName", main, QString(), IniType::Text);
    store.IniAddInt(key, section, "LastSetList", none, none, 0);
    store.IniAddInt(key, section, "LastSlot", none, none, 0);
    // Slot columns, 0 = as many as fit.
    store.IniAddInt(key, section, "Columns", "EditNumCols", main, 0);
    // Criteria of the similar-slot finder.
    store.IniAddBool(key, section, "SameName", "CheckSameName", main, true);
    store.IniAddBool(key, section, "SimilarName", "CheckSimilarName", main, true);
    store.IniAddBool(key, section, "SameComment", "CheckSameComment", main, false);
    store.IniAddBool(key, section, "SimilarComment", "CheckSimilarComment", main, false);
    store.IniAddInt(key, section, "SimilarPercentage", none, none, 50);
    // While false, the about window opens at every start-up.
    store.IniAddBool(key, section, "DonationPressed1.0.4", none, none, false);
    store.IniAddBool(key, section, "AutoOpenFile", "CheckAutoOpen", options, true);
    store.IniAddBool(key, section, "AutoSave", "CheckAutoSave", options, false);
    store.IniAddBool(key, section, "DeleteDragSource", "CheckDeleteDragSource", options, false);
    // Widths in pixels of the set list view and the similar-slot panel.
    store.IniAddInt(key, section, "ListWidth", none, none, 200);
    store.IniAddInt(key, section, "SyncWidth", none, none, 200);
}

}  // namespace velmar
