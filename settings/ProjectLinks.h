#pragma once

// The web addresses the program opens: the project's own pages, kept in this one place.
namespace velmar::links {

inline constexpr const char* kLatestVersion = "https://velmar.example.org/download";
inline constexpr const char* kDiscussion = "https://velmar.example.org/forum/velmar";
inline constexpr const char* kLibrarian = "https://velmar.example.org/forum/librarian";
inline constexpr const char* kSoundPatches = "https://velmar.example.org/sounds";
inline constexpr const char* kDonation = "https://velmar.example.org/donate";

}  // namespace velmar::links
