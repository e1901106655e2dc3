#pragma once
// Where each help topic the program opens lives among the pages of the help folder. The old
// help books named topics ("IDH_CONTENTS", "idh_set_punch" ...); each maps to a page and an
// anchor on it, matched without regard to case.

#include <string>
#include <vector>

namespace vormak {

struct HelpPlace {
  std::string page;    // file name inside the help folder
  std::string anchor;  // id on that page; empty for the page's top
};

// The place of `topic` in the book `help_file` ("vormak2.hlp" or the tutorial "vortutor.hlp").
// An unknown topic opens the book's first page, so a Help button never leads nowhere.
HelpPlace HelpPlaceOf(const std::string& help_file, const std::string& topic);

// Every topic of the table, lower case: the help pages must hold an anchor for each.
std::vector<std::string> KnownHelpTopics();

// The topic F1 opens in a dialog of this caption (without "&"); empty when it has none.
std::string DialogHelpTopic(const std::string& caption);

}  // namespace vormak
