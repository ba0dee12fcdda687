// The plug-in's application object: the framework's, with nothing of its own.
#pragma once

#include "framework/application.h"

class CPlugInApp : public CApplication {
 public:
  CPlugInApp() = default;
  ~CPlugInApp() override = default;
};
