#pragma once
// `vormak-batch plot --model-link OUT`: the positions a linked CAD model would be sent, written
// to OUT as "DIMENSION=value" lines with a "rebuild" line after each send.

#include <cstdio>
#include <memory>
#include <string>

#include "solidlink/model_link.h"
#include "workbench/workbench.h"

namespace vormak::batch {

class BatchModelLink {
 public:
  BatchModelLink() = default;
  BatchModelLink(const BatchModelLink&) = delete;
  BatchModelLink& operator=(const BatchModelLink&) = delete;
  ~BatchModelLink();
  // Links OUT to the bench, with the option "Solidworks" on for the run; false, said on stderr,
  // when OUT cannot be created.
  bool Open(Workbench& bench, const std::string& path);
  // False, said on stderr, when a line could not be written. True when nothing was opened.
  bool Close();

 private:
  std::FILE* file_ = nullptr;
  std::unique_ptr<ModelLinkFile> link_;
  Workbench* bench_ = nullptr;
  std::string path_;
};

}  // namespace vormak::batch
