#include "ui/model_link_setup.h"

#include <QObject>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "solidlink/model_link.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

// Closes the file and unhooks the link when the window goes.
class LinkFileHolder : public QObject {
 public:
  LinkFileHolder(Workbench& bench, std::FILE* file, QObject* owner)
      : QObject(owner), bench_(bench), file_(file), link_(file) {
    bench.interp.model_link = &link_;
  }
  ~LinkFileHolder() override {
    if (bench_.interp.model_link == &link_) bench_.interp.model_link = nullptr;
    std::fclose(file_);
  }

 private:
  Workbench& bench_;
  std::FILE* file_;
  ModelLinkFile link_;
};

}  // namespace

bool OpenModelLinkFromEnvironment(Workbench& bench, QObject* owner) {
  const char* path = std::getenv("VORMAK_MODEL_LINK");
  if (path == nullptr || *path == '\0') return true;
  std::FILE* file = std::fopen(path, "w");
  if (file == nullptr) return false;
  std::setvbuf(file, nullptr, _IOLBF, 0);  // a macro following the plot sees each line at once
  new LinkFileHolder(bench, file, owner);
  return true;
}

}  // namespace vormak
