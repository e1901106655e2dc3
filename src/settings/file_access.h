#pragma once
// File names as settings files and NC programs write them, and whole-file reads and writes.
// Names written on Windows use "\" and drive forms ("C:\NC\PART1.NC") and often differ in case
// from the files on disk; both separators are accepted and a name is looked up without regard
// to case when the exact name does not exist.

#include <string>
#include <string_view>

namespace vormak {

// Every "\" turned into "/".
std::string WithForwardSlashes(std::string_view name);

// Starts with "/" or "\" or a drive form like "C:".
bool IsAbsolutePath(std::string_view name);

// Holds "/" or "\".
bool HasDirectorySeparator(std::string_view name);

// The part after the last separator.
std::string_view FileNamePart(std::string_view name);

// `dir` and `name` joined by exactly one "/"; `name` alone when `dir` is empty.
std::string JoinPath(std::string_view dir, std::string_view name);

// The name as it exists on disk: separators turned into "/", and, when the exact name does not
// exist, each missing component matched without regard to case. A name found nowhere comes
// back with its separators turned and its case unchanged.
std::string FindFileIgnoringCase(std::string_view name);

// Reads the whole file as bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` to a temporary file in the target's folder and renames it over the target, so
// a crash or a full disk never leaves a half-written file behind. The target keeps its
// permissions; a symbolic link keeps pointing where it did. On failure `error` holds the
// system's error text and the target is untouched.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error);

}  // namespace vormak
