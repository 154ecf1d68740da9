#pragma once

#include <QString>

// Plain text on the system clipboard, behind a hook so that tests never touch the user's
// clipboard.
namespace velmar {

class ClipboardText {
  public:
    virtual ~ClipboardText() = default;
    [[nodiscard]] virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
};

// The clipboard in use: the system's unless a test installed another.
[[nodiscard]] ClipboardText& SystemClipboard();
// Installs `clipboard` (not owned); nullptr goes back to the system clipboard. Returns the
// one installed before, nullptr when that was the system clipboard.
ClipboardText* InstallClipboard(ClipboardText* clipboard);

}  // namespace velmar
