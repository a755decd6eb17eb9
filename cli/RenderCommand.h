// `quelm-cli render`: renders saved records again, as the desktop program renders its script.
#pragma once

#include <string>
#include <vector>

namespace quelm {

int RunRenderCommand(const std::vector<std::string>& args);

}  // namespace quelm
