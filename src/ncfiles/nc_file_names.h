#pragma once
// The names NC files are saved under: backups, revisions, the name Save As completes and the
// name a merge looks for. Only the file's own name is looked at, never its folders, so a
// folder such as "jobs.2026" does not turn into part of the revision or backup name.

#include <string>

namespace vormak {

// PART.NC gives PART.bak; a name without "." (or whose only "." leads it) gets ".bak" added.
std::string BackupName(const std::string& path);

// PART gives PART.0, PART.NC gives PART.0.NC, PART.0.NC gives PART.1.NC.
std::string RevisionName(const std::string& path);

// The filter of the NC file dialogs; an empty extension offers "*".
std::string NcFileFilter(const std::string& nc_extension);

// Save As: a name without "." gets "." and the NC extension.
std::string WithNcExtension(const std::string& path, const std::string& nc_extension);

// MERGE and Merge: a name without "." gets ".nc", a name without a folder is taken from the NC
// directory; the file is then looked up without regard to case.
std::string MergeFileName(const std::string& name, const std::string& nc_directory);

}  // namespace vormak
