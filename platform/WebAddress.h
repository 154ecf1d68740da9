#pragma once

#include <QString>
#include <functional>

// Opens a web address in the user's default browser.
namespace velmar {

// False when no browser could be started.
bool OpenWebAddress(const QString& url);

// Replaces the browser for tests (the function receives every address); an empty function
// goes back to the browser. Returns the function installed before.
using WebAddressOpener = std::function<bool(const QString&)>;
WebAddressOpener InstallWebAddressOpener(WebAddressOpener opener);

}  // namespace velmar
