#pragma once
// The link to a machine model in a CAD program: every tool position and rotary angle the
// backplotter reaches is written into named dimensions of the model, which is then rebuilt so
// the model moves with the program. No CAD automation server exists on this platform, so the
// link is absent unless a link file is set: then each send becomes lines of text that a macro
// of any CAD program can follow (see ModelLinkFile).

#include <cstdio>
#include <string>

#include "settings/machine_settings.h"

namespace vormak {

// The model's side of the link.
class ModelLink {
 public:
  virtual ~ModelLink() = default;
  // The open model the dimensions go to; false when none is open (the send does nothing).
  virtual bool Attach() = 0;
  // False when the model refuses the dimension: the rest of that send is skipped.
  virtual bool SetDimension(const std::string& name, double value) = 0;
  virtual void Rebuild() = 0;
};

// Writes each send as lines "DIMENSION=value" (value in metres or radians, as the model takes
// it) followed by the line "rebuild".
class ModelLinkFile : public ModelLink {
 public:
  explicit ModelLinkFile(std::FILE* out) : out_(out) {}
  bool Attach() override { return out_ != nullptr; }
  bool SetDimension(const std::string& name, double value) override;
  void Rebuild() override;
  // False when a line could not be written.
  bool Good() const { return good_; }

 private:
  std::FILE* out_;
  bool good_ = true;
};

// "D1@Xaxis@" + name + ".Part"; `axis` is one of X, Y, Z, B, C.
std::string ModelDimensionName(char axis, const std::string& feature);

// Program units are inches; the model's slides sit 15 inches off its origin and take metres,
// never less than 0.001.
double ModelLinearValue(double inches);
// The angle brought into 0..360 (up to two turns either way), kept off 0 and 360 as the model's
// angle dimensions demand, in radians.
double ModelAngularValue(double degrees);

// With the option "Solidworks" on and a link present: one send of the three slides.
void SendLinearAxes(const MachineSettings& settings, ModelLink* link, double x, double y, double z);
// One send of a rotary angle; only while the option "Rotary" is on as well.
void SendAxisB(const MachineSettings& settings, ModelLink* link, double b);
void SendAxisC(const MachineSettings& settings, ModelLink* link, double c);

}  // namespace vormak
