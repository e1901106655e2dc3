#include "workbench/workbench.h"

namespace vormak {

Workbench::Workbench(Host& host) : PaneBench(host) {}

Workbench::~Workbench() = default;

}  // namespace vormak
