#pragma once

// The look every dialog of the program shares: amber on black, labels and check boxes in
// Verdana, amber buttons. Each dialog appends its own button and field sizes.
namespace velmar {

inline constexpr char kAmberDialogStyle[] =
    "QDialog { background: black; }"
    "QCheckBox, QLabel { color: #FDBE02; font-family: Verdana; font-weight: bold;"
    " font-size: 11px; }"
    "QCheckBox::indicator { width: 12px; height: 12px; border: 1px solid #FDBE02;"
    " background: black; }"
    "QCheckBox::indicator:checked { background: #FDBE02; }"
    "QPushButton:focus { border: 1px solid white; }"
    "QPushButton:pressed { background: #C89600; }";

}  // namespace velmar
