#include <gtest/gtest.h>

#include "shell/startup.h"
