#pragma once

#include <functional>

#include "foundation/object.h"
#include "geometry.h"

namespace ubic {

// The surface a picture element draws on. The engine never looks inside: a formatter that can
// draw pictures passes its own kind of canvas, and the callbacks written for that formatter know
// what to cast it to. The text formatter never calls a callback.
class TCanvas {
 public:
  virtual ~TCanvas() = default;

 protected:
  TCanvas() = default;
  TCanvas(const TCanvas&) = default;
  TCanvas& operator=(const TCanvas&) = default;
};

// Carries one number from a picture element to its drawing callback.
class TParam : public TObject {
 public:
  explicit TParam(int value) : FValue(value) {}
  int Value() const { return FValue; }
  void SetValue(int value) { FValue = value; }
  virtual void Assign(const TParam& other) { FValue = other.FValue; }

 private:
  int FValue;
};

// Draws a picture into Rect (device units of the canvas); Param may be nil.
using TDrawCallback = std::function<void(TCanvas& canvas, const TRect& rect, const TParam* param)>;

}  // namespace ubic
