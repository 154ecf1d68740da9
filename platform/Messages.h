#pragma once

#include <QString>

// Every message box of the program goes through this layer, so that the captions, icons,
// buttons and answer codes are the same everywhere and tests can answer boxes in advance
// instead of blocking on a modal dialog.
namespace velmar {

// Answer codes of AskYesNoCancel; callers compare with these (Escape and closing give Cancel).
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
inline constexpr int kAnswerCancel = 2;

inline constexpr const char* kAppCaption = "VELMAR";

class MessageLayer {
  public:
    virtual ~MessageLayer() = default;
    // Caption "Error", error icon, button OK.
    virtual void ShowError(const QString& message) = 0;
    // Caption "VELMAR", no icon, OK and Cancel; true only for OK.
    virtual bool AskOkCancel(const QString& message) = 0;
    // Caption "VELMAR", no icon, Yes and No; true only for Yes.
    virtual bool AskYesNo(const QString& message) = 0;
    // Given caption, no icon, Yes, No and Cancel; kAnswerYes, kAnswerNo or kAnswerCancel.
    virtual int AskYesNoCancel(const QString& message, const QString& caption) = 0;
    // Plain notice with the caption "VELMAR" and OK, also used for unexpected errors.
    virtual void ShowInfo(const QString& message) = 0;
};

// The layer in use: the QMessageBox one unless a test installed another.
[[nodiscard]] MessageLayer& Messages();
// Installs `layer` (not owned) for every later box; nullptr goes back to the real boxes.
// Returns the layer installed before, nullptr when that was the real one.
MessageLayer* InstallMessageLayer(MessageLayer* layer);

// Shorthands for Messages().X(...).
void ShowError(const QString& message);
[[nodiscard]] bool AskOkCancel(const QString& message);
[[nodiscard]] bool AskYesNo(const QString& message);
[[nodiscard]] int AskYesNoCancel(const QString& message, const QString& caption = kAppCaption);
void ShowInfo(const QString& message);

}  // namespace velmar
