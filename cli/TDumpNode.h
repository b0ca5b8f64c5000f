#pragma once
// The dump tree lives with the shell, which compares configurations with it.
#include "shell/TDumpNode.h"
