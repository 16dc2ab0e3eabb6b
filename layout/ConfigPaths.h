#pragma once
// Where the configuration folder lives and how the relative paths of the
// layout documents become file-system paths.
//
// The documents write their paths the way they were first written, with
// backslashes ("\ZelvoSearchTools\Picture\logo.png"), and those texts are kept
// unchanged wherever they are stored as text. Only the join with the base
// folder, which forms a file-system path, turns each backslash of the
// relative part into "/".
#include <string>
#include <string_view>

// The folder under which the configuration folder is created, without a
// trailing separator: $SCOUTREL_BASE_DIR when set (tests, packagers), else
// $XDG_DATA_HOME, else $HOME/.local/share. Empty when none of them gives a
// folder.
std::string GetConfigBaseFolder();

// base + relative, with the backslashes of the relative part turned into "/".
// A plain join: an empty base gives the relative part alone.
std::string JoinConfigPath(std::string_view base, std::string_view relative);

// The base folder joined with the relative path; empty when there is no base
// folder (never the relative path alone).
std::string MakeConfigPath(std::string_view relative);

// The configuration folder (base + "\ZelvoSearchTools") and the picture folder
// (base + "\ZelvoSearchTools\Picture"). Plain joins: with an empty base they
// give the relative part alone.
std::string GetToolFolder();
std::string GetPictureFolder();

// The relative names of the configuration folder and its picture folder, as
// the documents write them.
inline constexpr std::string_view kToolFolderName = "\\ZelvoSearchTools";
inline constexpr std::string_view kPictureFolderName = "\\ZelvoSearchTools\\Picture";
