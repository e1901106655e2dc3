#pragma once
// A model link that records what it is sent, for the tests of the link and its callers.

#include <string>
#include <vector>

#include "solidlink/model_link.h"

namespace vormak::test {

class RecordingLink : public ModelLink {
 public:
  struct Event {
    std::string name;  // the dimension, or "rebuild"
    double value = 0;
  };
  bool Attach() override { return attached; }
  bool SetDimension(const std::string& name, double value) override {
    events.push_back({name, value});
    return name != refused;
  }
  void Rebuild() override { events.push_back({"rebuild", 0}); }

  // The names in order, "rebuild" included.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const Event& e : events) names.push_back(e.name);
    return names;
  }

  std::vector<Event> events;
  bool attached = true;
  std::string refused;  // a dimension the model does not have
};

}  // namespace vormak::test
