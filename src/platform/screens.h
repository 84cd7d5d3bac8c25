// The screens port: the monitors attached, in the window system's order.
#pragma once

#include <vector>

namespace tk {

struct ScreenRect {
  int left = 0, top = 0, width = 0, height = 0;
};

class Screens {
 public:
  virtual ~Screens() = default;
  virtual std::vector<ScreenRect> Monitors() const = 0;
};

}  // namespace tk
