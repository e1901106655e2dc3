#include <memory>

#include "nctext/text_buffer.h"
#include "support/edit_control_conformance.h"
#include "support/fake_host.h"

namespace vormak {

template <>
struct EditControlMaker<TextBuffer> {
  std::unique_ptr<TextBuffer> Make() { return std::make_unique<TextBuffer>(&host); }
  FakeHost host;
};

INSTANTIATE_TYPED_TEST_SUITE_P(TextBuffer, EditControlConformance, ::testing::Types<TextBuffer>);

}  // namespace vormak
