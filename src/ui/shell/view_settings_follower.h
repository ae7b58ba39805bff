// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An analysis window that keeps something derived from the view settings the main window's panel
// buttons change (the smoothed graphs' compression, for one): told after every such change, so the
// new setting shows at once and not only at the next repaint the user causes.
namespace ardeno {

class ViewSettingsFollower {
 public:
  virtual void ViewSettingsChanged() = 0;

 protected:
  ~ViewSettingsFollower() = default;
};

}  // namespace ardeno
