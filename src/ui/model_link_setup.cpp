#include "ui/model_link_setup.h"

#include <QObject>
#include <cstdio>
#include <cstdlib>

#include "solidlink/model_link.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kHolderName = "ModelLinkFile";

// Closes the file and unhooks the link when the window goes or another file is named.
class LinkFileHolder : public QObject {
 public:
  LinkFileHolder(Workbench& bench, std::FILE* file, std::string path, QObject* owner)
      : QObject(owner), bench_(bench), file_(file), path_(std::move(path)), link_(file) {
    setObjectName(kHolderName);
    bench.interp.model_link = &link_;
  }
  ~LinkFileHolder() override {
    if (bench_.interp.model_link == &link_) bench_.interp.model_link = nullptr;
    std::fclose(file_);
  }
  const std::string& path() const { return path_; }

 private:
  Workbench& bench_;
  std::FILE* file_;
  std::string path_;
  ModelLinkFile link_;
};

LinkFileHolder* OpenHolder(QObject* owner) {
  return dynamic_cast<LinkFileHolder*>(
      owner->findChild<QObject*>(kHolderName, Qt::FindDirectChildrenOnly));
}

}  // namespace

std::string ModelLinkPath(const Workbench& bench) {
  const char* path = std::getenv("VORMAK_MODEL_LINK");
  if (path != nullptr && *path != '\0') return path;
  return bench.settings.model_link_file;
}

bool OpenModelLink(Workbench& bench, QObject* owner) {
  const std::string path = ModelLinkPath(bench);
  LinkFileHolder* open = OpenHolder(owner);
  if (open != nullptr && open->path() == path) return true;
  delete open;
  if (path.empty()) return true;
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  std::setvbuf(file, nullptr, _IOLBF, 0);  // a macro following the plot sees each line at once
  new LinkFileHolder(bench, file, path, owner);
  return true;
}

}  // namespace vormak
