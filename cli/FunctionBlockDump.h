#pragma once
// The function block record's dump lives with the shell's configuration tree.
#include "shell/FunctionBlockDump.h"
