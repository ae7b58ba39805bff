// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An analysis window whose time axis the toolbar widens and narrows (the butterfly diagram): it
// takes the new scroll range at once. The main window finds it among the attached windows by type.
namespace ardeno {

class TimeScrolledWindow {
 public:
  virtual void SetTimeScrollRange(int range) = 0;

 protected:
  ~TimeScrolledWindow() = default;
};

}  // namespace ardeno
