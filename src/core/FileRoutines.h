// File routines over one folder (a path ending with the separator). Only ordinary files are
// seen: no folders and no hidden files (names starting with "."). Lists hold bare names in
// byte order of the name.
#pragma once

#include <string>
#include <vector>

namespace selvane {

// Does the name match a mask of "*" and "?" (letter case ignored)? "*.*" matches every name,
// also one without an extension.
bool MatchesMask(const std::string& name, const std::string& mask);

// Clears list, adds the name of every file of folder that matches mask; returns their number.
int ListFiles(const std::string& folder, const std::string& mask, std::vector<std::string>& list);
int CountFiles(const std::string& folder);

// Deletes every file of folder; a file that cannot be deleted is skipped. False, after an error
// box, only when the folder cannot be read at all.
bool DeleteAllFiles(const std::string& folder);

// Copies every file of source matching mask into target, overwriting; with timeStamp the copy's
// name gets "_" and the current time "yyyymmddhhnnss" appended. A failed copy is skipped. False,
// after an error box, only when a folder cannot be read at all.
bool CopyFiles(const std::string& source, const std::string& target, const std::string& mask,
               bool timeStamp);

// Moves the file into folder (created when missing), by rename or else by a copy that is synced
// before the original goes. When the folder already holds that name, "_" and the current time
// "yyyymmddhhnnss" are appended (and a number after that when it is taken too). False with the
// reason when it fails; the file then stays where it was.
bool MoveFileToFolder(const std::string& fileName, const std::string& folder, std::string& error);

// Moves every file of folder into target with MoveFileToFolder. False with the reason of the
// first failure; the files not moved stay.
bool MoveAllFiles(const std::string& folder, const std::string& target, std::string& error);

// The whole file as bytes; false when it is missing, is not a plain file or cannot be read.
bool ReadWholeFile(const std::string& fileName, std::string& bytes);

// Replaces the file with bytes so that a crash leaves either the old or the new file whole:
// writes a copy beside it, syncs it, renames it over the file and syncs the folder (created when
// missing). False with the reason when it fails; the old file is then untouched and no copy is
// left behind.
bool ReplaceFileAtomically(const std::string& fileName, const std::string& bytes,
                           std::string& error);

// Writes the folder's entries (new, renamed or removed names) to the disk; false when the folder
// cannot be opened or synced.
bool SyncFolder(const std::string& folder);

}  // namespace selvane
