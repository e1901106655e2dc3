#include "app/batch_model_link.h"

namespace vormak::batch {

BatchModelLink::~BatchModelLink() {
  Close();
}

bool BatchModelLink::Open(Workbench& bench, const std::string& path) {
  file_ = std::fopen(path.c_str(), "w");
  if (file_ == nullptr) {
    std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", path.c_str());
    return false;
  }
  link_ = std::make_unique<ModelLinkFile>(file_);
  bench_ = &bench;
  path_ = path;
  bench.interp.model_link = link_.get();
  bench.settings.use.Set(kUseSolidworks, true);
  return true;
}

bool BatchModelLink::Close() {
  if (file_ == nullptr) return true;
  bench_->interp.model_link = nullptr;
  const bool good = link_->Good() & (std::fclose(file_) == 0);
  file_ = nullptr;
  link_.reset();
  if (!good) std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", path_.c_str());
  return good;
}

}  // namespace vormak::batch
