#pragma once
// Programs of a lathe with two turrets. One file holds both turrets' blocks: a "G13" line
// opens a turret-A section, a "G14" line a turret-B section. In twin-turret mode turret A is
// shown in pane 1 and turret B in pane 2, line for line, so the plot runs line n of both panes
// as one pair. The turrets wait for each other at blocks carrying the same P number; lining up
// puts such partner blocks on the same line number of both panes.

#include <optional>
#include <string>
#include <vector>

namespace vormak {

class Workbench;

inline constexpr const char* kTwinEmptyFile = "Error: File Size = 0";
inline constexpr const char* kTwinNoMarkers = "No G13 or G14 Found";
inline constexpr const char* kBadSyncNumber = "Bad P Number in\r\n";
inline constexpr const char* kSyncOutOfOrder = "P Number out of Order in\r\n";
inline constexpr const char* kDuplicateSyncA = "Duplicate P Number in A turret\r\n";
inline constexpr const char* kDuplicateSyncB = "Duplicate P Number in B turret\r\n";
inline constexpr const char* kSyncBBeforeA = "Found Sync Turret B Before Sync Turret A";
inline constexpr const char* kSectionWithoutSyncA =
    "Can't Save Section Without P number in Turret A\r\nAborting Save";
inline constexpr const char* kSectionWithoutSyncB =
    "Can't Save Section Without P number in Turret B\r\nAborting Save";
inline constexpr const char* kUnmatchedSync =
    "Unmatched P number in Syncronized Turret\r\nAborting Save";

// The lines of both turret panes, worked on in memory so that a long program is split, lined
// up and joined without one editor edit per line.
struct TwinPanes {
  std::vector<std::string> a;  // pane 1, turret A
  std::vector<std::string> b;  // pane 2, turret B
};

TwinPanes ReadTwinPanes(const Workbench& bench);
// Replaces the text of panes 1 and 2 (each as one edit).
void WriteTwinPanes(Workbench& bench, const TwinPanes& panes);

// Splits file text into the two turrets: each line goes to the pane of the last marker seen
// (pane 1 before any), with an empty partner line in the other. `markers` tells whether any
// line held "G13" or "G14".
TwinPanes SplitTwinText(const std::string& bytes, bool& markers);

// Reads the file into panes 1 and 2 and lines them up. False (message shown, panes as they
// were) when the file cannot be read.
bool LoadTwinTurretFile(Workbench& bench, const std::string& path);

// The P number checks of both turrets: numbers 0, falling or repeated. Each finding is a
// warning with OK and Cancel; Cancel answers false.
bool CheckSyncNumbers(Workbench& bench, const TwinPanes& panes);
bool CheckSyncNumbers(Workbench& bench);

// Tells once when a turret-B sync block stands above its turret-A partner.
void CheckSyncOrder(Workbench& bench, const TwinPanes& panes);

// "Line up P#": pads the panes with empty lines so that partner sync blocks share a line
// number, drops lines empty in both panes, and goes to line 1.
void LineUpSyncNumbers(Workbench& bench);
// The same on lines in memory, without touching the panes' caret.
void LineUpSyncNumbers(Workbench& bench, TwinPanes& panes);

// Joins both panes into one file at `path`: turret A's lines above its first section, then
// turret B's, then the sections in sync order. Refused with a message when a section lacks
// its P number, when partner numbers do not pair up, or when the number checks are cancelled.
// The file is written whole to a scratch file and renamed over the old one (kept as the
// backup when backups are on). False when nothing was written.
bool SaveTwinTurretFile(Workbench& bench, const std::string& path);

// The joined file's lines in the order SaveTwinTurretFile writes them, empty lines left out;
// nothing when the save would be refused (message shown).
std::optional<std::vector<std::string>> JoinTwinPanes(Workbench& bench, const TwinPanes& panes);

}  // namespace vormak
