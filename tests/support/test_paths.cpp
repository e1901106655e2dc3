#include "support/test_paths.h"

namespace vormak::test {

std::string SourceDataDir() { return VORMAK_SOURCE_DATA_DIR; }
std::string TestDataDir() { return VORMAK_TEST_DATA_DIR; }
std::string CorpusDir() { return VORMAK_CORPUS_DIR; }

}  // namespace vormak::test
