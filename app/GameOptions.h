#pragma once

#include "setup/GameOptions.h"
