#include "solidlink/model_link.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace vormak {

namespace {

constexpr double kInchesPerMetre = 39.37;
constexpr double kSlideOffsetInches = 15;
constexpr double kDegreesPerRadian = 57.2957795131;
constexpr double kLeastValue = 0.001;

// The feature names of the axis settings, in the order X, Y, Z, A, B, C.
const std::string& FeatureOf(const MachineSettings& settings, char axis) {
  static const std::string kAxes = "XYZABC";
  return settings.sldwrks[kAxes.find(axis)];
}

void Send(const MachineSettings& settings, ModelLink* link,
          std::initializer_list<std::pair<char, double>> values) {
  if (link == nullptr || !settings.use[kUseSolidworks] || !link->Attach()) return;
  for (const auto& [axis, value] : values) {
    if (!link->SetDimension(ModelDimensionName(axis, FeatureOf(settings, axis)), value)) break;
  }
  link->Rebuild();
}

}  // namespace

bool ModelLinkFile::SetDimension(const std::string& name, double value) {
  if (std::fprintf(out_, "%s=%.10g\n", name.c_str(), value) < 0) good_ = false;
  return true;
}

void ModelLinkFile::Rebuild() {
  if (std::fputs("rebuild\n", out_) == EOF) good_ = false;
}

std::string ModelDimensionName(char axis, const std::string& feature) {
  return std::string("D1@") + axis + "axis@" + feature + ".Part";
}

double ModelLinearValue(double inches) {
  return std::max(inches / kInchesPerMetre + kSlideOffsetInches / kInchesPerMetre, kLeastValue);
}

double ModelAngularValue(double degrees) {
  for (int turn = 0; turn < 2 && degrees > 360; ++turn) degrees -= 360;
  for (int turn = 0; turn < 2 && degrees < 0; ++turn) degrees += 360;
  degrees = std::max(degrees, kLeastValue);
  if (degrees > 359.001) degrees = 359.01;
  return degrees / kDegreesPerRadian;
}

void SendLinearAxes(const MachineSettings& settings, ModelLink* link, double x, double y,
                    double z) {
  Send(settings, link,
       {{'X', ModelLinearValue(x)}, {'Y', ModelLinearValue(y)}, {'Z', ModelLinearValue(z)}});
}

void SendAxisB(const MachineSettings& settings, ModelLink* link, double b) {
  if (settings.use[kUseRotary]) Send(settings, link, {{'B', ModelAngularValue(b)}});
}

void SendAxisC(const MachineSettings& settings, ModelLink* link, double c) {
  if (settings.use[kUseRotary]) Send(settings, link, {{'C', ModelAngularValue(c)}});
}

}  // namespace vormak
