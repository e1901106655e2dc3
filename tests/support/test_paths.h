#pragma once
// Where the tests find the shipped data, their own data files and the corpus of real programs.

#include <string>

namespace vormak::test {

std::string SourceDataDir();  // data/ of the tree: machines, examples, help
std::string TestDataDir();    // tests/data/
std::string CorpusDir();      // the shared corpus of real NC programs

}  // namespace vormak::test
