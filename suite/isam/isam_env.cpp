// The engine's current environment.
#include "suite/isam/isam_env.h"

#include "suite/isam/platform_isam_env.h"

namespace {
IsamEnv* installed = nullptr;
}  // namespace

IsamEnv& IsamCurrentEnv() {
  static PlatformIsamEnv platformEnv;
  return installed ? *installed : platformEnv;
}

void IsamSetEnv(IsamEnv* env) { installed = env; }
