// Hooks of the commands that the editing, search, printing, pick-mode, colour-picker and
// similar-slot subsystems bring. Their menu entries and buttons exist with caption, key and
// hint, but stay disabled (TFormMain::IsPending) until the subsystem replaces the body here
// with its command and calls EnableCommand for the handler. Until then each body is empty.

#include "mainwindow/FormMain.h"

namespace velmar {

}  // namespace velmar
