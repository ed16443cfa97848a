#include "EnvSetup.h"

namespace selvane::netpost {

int RunEnvSetup(const std::string&) {
  return 0;
}

}  // namespace selvane::netpost
